// ScratchFile: a private, nameless file in the temporary folder for bytes a process derives and
// may lose at any moment (a cache). It grows at its end only and is read through a read-only map,
// so that what it holds lives in the page cache, which the kernel may write out and drop, rather
// than in the process's anonymous memory. No other process can open it, so nobody can cut it under
// the map. Appends are gathered in a buffer of kBufferBytes and written in large pieces.
//
// The file goes away with the object (or the process). One thread at a time.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

class ScratchFile {
public:
    static constexpr std::size_t kBufferBytes = 1 << 20;

    ScratchFile() = default;
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Appends `bytes` and gives the offset they start at. False when the file cannot be made or
    // grown (no temporary folder, no space): then nothing was appended.
    [[nodiscard]] bool Append(std::string_view bytes, std::uint64_t& offset);
    // The `size` bytes appended at `offset` (which the caller was given); valid until the next
    // Append or Clear. Empty when they were never appended.
    [[nodiscard]] std::string_view View(std::uint64_t offset, std::uint64_t size);
    // Forgets every byte and gives the space back.
    void Clear();
    // The bytes appended since the last Clear.
    [[nodiscard]] std::uint64_t Size() const { return written_ + buffer_.size(); }

private:
    [[nodiscard]] bool Create();
    [[nodiscard]] bool Flush();
    [[nodiscard]] bool MapWritten();
    void Unmap();

    int fd_ = -1;
    std::uint64_t written_ = 0;   // bytes in the file
    std::vector<char> buffer_;    // bytes after them, not written yet
    const char* map_ = nullptr;   // the file from offset 0, `mapped_` bytes of address space
    std::uint64_t mapped_ = 0;
};

}  // namespace platform
