#include "platform/system/environment.h"

#include "platform/text/codepage.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

extern char** environ;

namespace platform {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The value of the variable `ansiName`, in Windows-1252; nothing when it is not defined.
std::optional<std::string> Lookup(std::string_view ansiName) {
    if (ansiName.empty() || ansiName.find('=') != std::string_view::npos) return std::nullopt;
    const std::string name = Utf8FromAnsi(ansiName);
    if (const char* value = std::getenv(name.c_str())) return AnsiFromUtf8(value);
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string_view text(*entry);
        const std::size_t equals = text.find('=');
        if (equals != std::string_view::npos && EqualsIgnoringAsciiCase(text.substr(0, equals), name)) {
            return AnsiFromUtf8(text.substr(equals + 1));
        }
    }
    return std::nullopt;
}

}  // namespace

String ExpandEnvironmentStrings(std::string_view source) {
    std::string out;
    std::size_t pos = 0;
    while (pos < source.size()) {
        const std::size_t open = source.find('%', pos);
        if (open == std::string_view::npos) break;
        out.append(source.substr(pos, open - pos));
        const std::size_t close = source.find('%', open + 1);
        if (close == std::string_view::npos) {
            pos = open;
            break;
        }
        const auto value = Lookup(source.substr(open + 1, close - open - 1));
        out.append(value ? std::string_view(*value) : source.substr(open, close - open + 1));
        pos = close + 1;
    }
    out.append(source.substr(pos));
    return String(std::move(out));
}

std::uint32_t ExpandEnvironmentStrings(const char* source, char* target, std::uint32_t size) {
    if (!source) return 0;
    const String expanded = ExpandEnvironmentStrings(std::string_view(source));
    const auto needed = static_cast<std::uint32_t>(expanded.GetLength()) + 1;
    if (target && size >= needed) std::memcpy(target, expanded.GetString(), needed);
    return needed;
}

}  // namespace platform
