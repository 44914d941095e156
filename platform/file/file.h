// The framework's file: an open file with the original platform's open modes, share modes and
// exception causes, as the system's code calls it.
//
// Paths are Windows-1252 texts; they reach the kernel as UTF-8. Share modes hold between
// processes and between two File objects of one process (the scheme is in platform/file_share.h).
// Open reports failure through its result and the optional FileException; every other operation
// on an open file throws platform::FileException by value (cause, Win32 error, file name). A
// File owns its descriptor and closes it (quietly) on destruction; one thread at a time. Handles
// are never inherited by programs the process starts, whatever modeNoInherit says: nothing the
// system starts expects an inherited file.
//
// Text mode (typeText) is the C run-time's: writing turns every LF into CR LF, reading turns
// CR LF into LF (a lone CR stays); positions and lengths are bytes on disk.
#pragma once

#include "platform/exception.h"
#include "platform/file/file_share.h"
#include "platform/file/file_stamp.h"
#include "platform/file/file_status.h"
#include "platform/text/string.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class File {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        // Ours: once closed, the descriptor may stay open for the next open of the same path with
        // the same flags, where the process keeps idle descriptors (idle_descriptors.h). Ignored
        // with modeCreate.
        reuseIdleDescriptor = 0x01000000,
    };

    enum SeekPosition : unsigned { begin = 0x0, current = 0x1, end = 0x2 };

    File() = default;
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens `path` with `flags`; true on success. On failure the file stays closed and `error`,
    // when given, receives the cause, the Win32 error and the path. A share conflict is
    // sharingViolation / ERROR_SHARING_VIOLATION. modeCreate without modeNoTruncate empties an
    // existing file, but only once the share check has passed. Opening a folder is accessDenied;
    // opening an already open File fails (ERROR_INVALID_FUNCTION) and leaves it as it was.
    [[nodiscard]] virtual bool Open(const String& path, unsigned flags, FileException* error = nullptr);

    // Reads up to `count` bytes at the position; fewer (0 at the end) when the file ends first.
    [[nodiscard]] virtual unsigned Read(void* buffer, unsigned count);
    // Reads up to `count` bytes at byte `offset` without moving the position or translating line
    // ends, in one system call where the kernel allows; fewer (0 past the end) when the file ends
    // first, as it does when another process has cut it shorter.
    [[nodiscard]] virtual unsigned ReadAt(std::uint64_t offset, void* buffer, unsigned count) const;
    // Writes all `count` bytes at the position (in text mode LF goes out as CR LF).
    virtual void Write(const void* buffer, unsigned count);
    // Moves the position relative to begin, current or end; returns the new position. A position
    // before the start is badSeek / ERROR_NEGATIVE_SEEK; beyond the end is allowed.
    virtual std::uint64_t Seek(std::int64_t offset, unsigned from);
    void SeekToBegin() { Seek(0, begin); }
    std::uint64_t SeekToEnd() { return Seek(0, end); }
    [[nodiscard]] virtual std::uint64_t GetLength() const;
    // The stamp of the open file's present state (file_stamp.h).
    [[nodiscard]] virtual FileStampReading ReadStamp() const;
    // Cuts or extends the file to `length` bytes and leaves the position there.
    virtual void SetLength(std::uint64_t length);
    [[nodiscard]] virtual std::uint64_t GetPosition() const;
    // Hands written data to the disk.
    virtual void Flush();
    // Closes the file; throws when the system reports a failure, but the file is closed anyway.
    virtual void Close();
    // Closes the file without ever throwing.
    virtual void Abort();

    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }
    // The path the file was opened with, as given.
    [[nodiscard]] const String& GetFilePath() const { return path_; }

    // Renames `from` to `to`; never replaces an existing `to` (ERROR_ALREADY_EXISTS). Moves a
    // file to another file system by copying it. Throws FileException on failure.
    static void Rename(const String& from, const String& to);
    // Deletes the file `path`; throws FileException on failure.
    static void Remove(const String& path);
    // Fills `status` for `path`; false (status reset) when it cannot be read.
    [[nodiscard]] static bool GetStatus(const String& path, FileStatus& status);

private:
    [[noreturn]] void Fail(int errnum) const;
    void RequireOpen() const;
    [[nodiscard]] unsigned ReadRaw(char* buffer, unsigned count);
    [[nodiscard]] unsigned ReadText(char* buffer, unsigned count);
    void WriteRaw(const char* buffer, std::uint64_t count);
    void WriteText(const char* buffer, unsigned count);
    // Closes the descriptor, or hands it to the idle descriptors when it was opened for reuse;
    // the errno of a failed close, else 0.
    int ReleaseDescriptor();

    int fd_ = -1;
    bool text_ = false;
    // Where the next Read or Write goes: kept here rather than in the descriptor, so that a seek
    // costs no system call and each read or write is one positioned call.
    std::uint64_t position_ = 0;
    String path_;
    // Set for a descriptor the idle descriptors may keep: the open as the kernel saw it.
    bool reusable_ = false;
    int kernelFlags_ = 0;
    ShareRequest share_;
    std::string kernelPath_;
    // The file's length, for a reusable descriptor: trusted while it is the file's only open
    // (IdleDescriptorAlone), kept up to date by this file's own writes.
    mutable std::optional<std::uint64_t> knownLength_;
};

}  // namespace platform
