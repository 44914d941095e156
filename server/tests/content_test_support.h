// Helpers shared by the content tests: a recorder of event-log entries, hex texts, and reading
// and writing scratch files as bytes.
#pragma once

#include "platform/text/codepage.h"
#include "platform/system/event_log.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace content_test {

using Bytes = std::vector<std::uint8_t>;

// Records event-log entries while it lives instead of sending them to syslog.
class EventLogRecorder final : public platform::EventLogWriter {
public:
    EventLogRecorder() : previous_(platform::SetEventLogWriter(this)) {}
    ~EventLogRecorder() override { platform::SetEventLogWriter(previous_); }
    bool Write(const platform::EventLogEntry& entry) override {
        entries.push_back(entry);
        return true;
    }
    // All entries' texts, one per line, as UTF-8.
    [[nodiscard]] std::string Text() const {
        std::string text;
        for (const auto& entry : entries) {
            for (const auto& piece : entry.strings) text += platform::Utf8FromAnsi(piece.view()) + "\n";
        }
        return text;
    }
    std::vector<platform::EventLogEntry> entries;

private:
    platform::EventLogWriter* previous_;
};

inline std::string Hex(const Bytes& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 0xF];
    }
    return hex;
}

inline Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A content of `size` bytes that differs from file to file (`seed`) and holds every byte value.
inline Bytes Pattern(size_t size, unsigned seed) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>((i * 31 + seed * 7) & 0xFF);
    return bytes;
}

// The branch name that keys the tests' contents (Windows-1252).
inline std::string PassPhrase() { return platform::AnsiFromUtf8("Filial São Paulo"); }

}  // namespace content_test
