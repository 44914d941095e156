#include "platform/file/scratch_file.h"

#include "platform/file/file_temp.h"
#include "platform/text/codepage.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace platform {

namespace {

// Address space is reserved in steps that double, so that a growing file is mapped again only
// a few times; pages past the file's end are never touched.
constexpr std::uint64_t kFirstMapBytes = 64ull << 20;

bool WriteAll(int fd, const char* data, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// A file without a name in `folder`: O_TMPFILE where the file system has it, else a named one
// removed at once.
int CreateNameless(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    std::string model = folder + "/kelvo-scratch-XXXXXX";
    const int named = ::mkostemp(model.data(), O_CLOEXEC);
    if (named >= 0) ::unlink(model.c_str());
    return named;
}

}  // namespace

ScratchFile::~ScratchFile() {
    Unmap();
    if (fd_ >= 0) ::close(fd_);
}

bool ScratchFile::Create() {
    if (fd_ >= 0) return true;
    fd_ = CreateNameless(Utf8FromAnsi(TempFolder().view()));
    return fd_ >= 0;
}

bool ScratchFile::Append(std::string_view bytes, std::uint64_t& offset) {
    if (!Create()) return false;
    if (buffer_.size() + bytes.size() > kBufferBytes && !Flush()) return false;
    offset = Size();
    if (bytes.size() > kBufferBytes) {
        if (!WriteAll(fd_, bytes.data(), bytes.size(), written_)) return false;
        written_ += bytes.size();
        return true;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    return true;
}

bool ScratchFile::Flush() {
    if (buffer_.empty()) return true;
    if (!WriteAll(fd_, buffer_.data(), buffer_.size(), written_)) return false;
    written_ += buffer_.size();
    buffer_.clear();
    return true;
}

bool ScratchFile::MapWritten() {
    if (written_ <= mapped_) return true;
    Unmap();
    std::uint64_t size = kFirstMapBytes;
    while (size < written_) size *= 2;
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
    if (map == MAP_FAILED) return false;
    map_ = static_cast<const char*>(map);
    mapped_ = size;
    return true;
}

void ScratchFile::Unmap() {
    if (map_) ::munmap(const_cast<char*>(map_), mapped_);
    map_ = nullptr;
    mapped_ = 0;
}

std::string_view ScratchFile::View(std::uint64_t offset, std::uint64_t size) {
    if (offset > Size() || size > Size() - offset) return {};
    if (offset >= written_) return {buffer_.data() + (offset - written_), size};
    if (offset + size > written_ && !Flush()) return {};
    if (!MapWritten()) return {};
    return {map_ + offset, size};
}

void ScratchFile::Clear() {
    Unmap();
    buffer_.clear();
    buffer_.shrink_to_fit();
    written_ = 0;
    if (fd_ >= 0 && ::ftruncate(fd_, 0) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace platform
