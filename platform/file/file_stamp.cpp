// File stamps: the settling rule, the time steps of file systems, and File::ReadStamp.
#include "platform/file/file_stamp.h"

#include "platform/file/file.h"

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace platform {

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;
constexpr std::int64_t kCoarsestStepNs = 2 * kNsPerSecond;

// File systems whose times are the kernel's clock at the write, to the tick.
constexpr long kTickStampedFileSystems[] = {EXT4_SUPER_MAGIC, XFS_SUPER_MAGIC, BTRFS_SUPER_MAGIC,
                                            TMPFS_MAGIC,      F2FS_SUPER_MAGIC, OVERLAYFS_SUPER_MAGIC};

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * kNsPerSecond + time.tv_nsec;
}

// The resolution of the clock the kernel stamps files with, twice over so that a time lagging a
// reading of the precise clock by up to one tick still counts as earlier.
std::int64_t KernelTickStepNs() {
    static const std::int64_t step = [] {
        timespec resolution{};
        if (::clock_getres(CLOCK_REALTIME_COARSE, &resolution) != 0) return kCoarsestStepNs;
        return std::clamp<std::int64_t>(2 * Nanoseconds(resolution), 1, kCoarsestStepNs);
    }();
    return step;
}

bool WholeSeconds(std::int64_t ns) { return ns % kNsPerSecond == 0; }

}  // namespace

bool FileStampSettled(const FileStamp& stamp, std::int64_t readNs, std::int64_t granularityNs) {
    const std::int64_t lastChange = std::max(stamp.modifiedNs, stamp.changedNs);
    return lastChange <= readNs - granularityNs;
}

std::int64_t FileTimeGranularityNs(long fileSystemType, const FileStamp& stamp) {
    const bool tickStamped = std::find(std::begin(kTickStampedFileSystems), std::end(kTickStampedFileSystems),
                                       fileSystemType) != std::end(kTickStampedFileSystems);
    if (!tickStamped) return kCoarsestStepNs;
    if (WholeSeconds(stamp.modifiedNs) && WholeSeconds(stamp.changedNs)) return kCoarsestStepNs;
    return KernelTickStepNs();
}

FileStampReading File::ReadStamp() const {
    RequireOpen();
    timespec now{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0) Fail(errno);
    struct stat status {};
    if (::fstat(fd_, &status) != 0) Fail(errno);
    struct statfs fileSystem {};
    if (::fstatfs(fd_, &fileSystem) != 0) Fail(errno);
    FileStampReading reading;
    reading.stamp = {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
                     static_cast<std::uint64_t>(status.st_size), Nanoseconds(status.st_mtim),
                     Nanoseconds(status.st_ctim)};
    const std::int64_t step = FileTimeGranularityNs(static_cast<long>(fileSystem.f_type), reading.stamp);
    reading.settled = FileStampSettled(reading.stamp, Nanoseconds(now), step);
    return reading;
}

}  // namespace platform
