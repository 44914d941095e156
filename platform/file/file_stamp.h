// The stamp of a file's state: what lets a reader that keeps something derived from a file know,
// without reading the file again, that it is exactly as it was when it was read.
//
// A file is the same file while its device and inode are; its bytes are unchanged while its size,
// last-write time and last-change time are. The kernel sets the change time on every write and on
// every change of the times themselves, so a restore that puts an old write time back still shows.
// Times advance in steps (the kernel's clock tick; whole seconds on some file systems, two on
// others), and two writes within one step leave equal stamps. A stamp therefore proves "unchanged
// since" only when it is settled: read more than one step after the file's last change, so that
// any later write falls into a later step and changes it. Pure values; safe from any thread.
#pragma once

#include <cstdint>

namespace platform {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // last write, nanoseconds since 1970 UTC
    std::int64_t changedNs = 0;   // last change of the bytes or the attributes

    bool operator==(const FileStamp&) const = default;
};

struct FileStampReading {
    FileStamp stamp;
    bool settled = false;  // see above: a later write cannot leave this stamp as it is
};

// Whether `stamp`, read from the file system when the wall clock said `readNs` (taken before the
// file was asked), is settled for times that advance in steps of `granularityNs`.
[[nodiscard]] bool FileStampSettled(const FileStamp& stamp, std::int64_t readNs, std::int64_t granularityNs);

// The step in which the file system of type `fileSystemType` (statfs's f_type) advances the times
// of `stamp`: the kernel's clock tick, twice over, for the local file systems that take their
// times from it, unless the stamp's times hold whole seconds only (a file system that keeps no
// fractions); two seconds for those and for every other file system (network ones, FAT).
[[nodiscard]] std::int64_t FileTimeGranularityNs(long fileSystemType, const FileStamp& stamp);

}  // namespace platform
