#include "platform/file/idle_descriptors.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace platform {

namespace {

// Descriptors the store may hold at once, idle or in use again; far below any descriptor limit.
constexpr std::size_t kEntries = 64;
constexpr int kFree = -1;
constexpr int kClaimed = -2;

// One descriptor the store knows. Its state lives in `fd`: kFree, kClaimed while somebody works
// on the entry (the store's callers under g_mutex, or the lease-break handler, which never takes
// the mutex), or the descriptor itself. The flags are read only by whoever holds the claim.
struct Entry {
    std::atomic<int> fd{kFree};
    std::atomic<int> number{-1};         // the descriptor's number while the entry holds one, for the handler
    std::atomic<bool> idle{false};
    std::atomic<bool> leased{false};
    std::atomic<bool> breakPending{false};
    std::atomic<std::uint64_t> file{0};  // the file's identity (FileKey), for the handler
    // Under g_mutex, never read by the handler.
    std::string path;
    int kernelFlags = 0;
    ShareRequest share;
    dev_t device = 0;
    ino_t inode = 0;
    std::uint64_t lastUse = 0;
    std::optional<std::uint64_t> length;  // known while the lease has been held throughout
};

std::array<Entry, kEntries> g_entries;
std::mutex g_mutex;
std::atomic<bool> g_keeping{false};
std::atomic<int> g_breakSignal{0};
std::uint64_t g_useClock = 0;  // under g_mutex

// Files that another open wanted lately are not kept for their next few closes, so that two
// processes using one file by turns do not hand it to each other at every open.
constexpr std::size_t kRecentBreaks = 16;
constexpr int kClosesAfterBreak = 64;
struct RecentBreak {
    std::atomic<std::uint64_t> file{0};
    std::atomic<int> closesLeft{0};
};
std::array<RecentBreak, kRecentBreaks> g_recentBreaks;
std::atomic<unsigned> g_nextBreak{0};

std::uint64_t FileKey(const struct stat& identity) {
    return (static_cast<std::uint64_t>(identity.st_dev) << 40) ^ static_cast<std::uint64_t>(identity.st_ino);
}

// --- what the lease-break handler may do: atomics, close and fcntl only ---

// Gives up the lease of a claimed descriptor in use, so that another open of its file never waits.
void Unlease(Entry& entry, int fd) {
    if (entry.leased.exchange(false)) (void)::fcntl(fd, F_SETLEASE, F_UNLCK);
}

// Serves a lease break on the claimed `entry`: an idle descriptor is closed, one in use gives up
// its lease. What the entry holds afterwards.
int ServeBreak(Entry& entry, int fd) {
    RecentBreak& memory = g_recentBreaks[g_nextBreak.fetch_add(1) % kRecentBreaks];
    memory.file.store(entry.file.load());
    memory.closesLeft.store(kClosesAfterBreak);
    if (entry.idle.load()) {
        entry.number.store(-1);  // first: once closed, the number may name a new descriptor
        ::close(fd);
        return kFree;
    }
    Unlease(entry, fd);
    return fd;
}

// Ends a claim, leaving `fd` in the entry, and serves every break that arrived meanwhile (whoever
// met the claim left the break pending for its holder).
void Release(Entry& entry, int fd) {
    for (;;) {
        entry.fd.store(fd);
        if (fd == kFree || !entry.breakPending.load()) return;
        int expected = fd;
        if (!entry.fd.compare_exchange_strong(expected, kClaimed)) return;  // its new holder serves it
        entry.breakPending.store(false);
        fd = ServeBreak(entry, fd);
    }
}

void BreakEntry(Entry& entry) {
    entry.breakPending.store(true);
    int fd = entry.fd.load();
    if (fd < 0 || !entry.fd.compare_exchange_strong(fd, kClaimed)) return;
    entry.breakPending.store(false);
    Release(entry, ServeBreak(entry, fd));
}

// The kernel names the broken descriptor with the signal set by F_SETSIG; plain SIGIO (its queue
// overflowed, or somebody sent it) names none, so every descriptor is treated as broken.
void OnLeaseBreak(int signal, siginfo_t* info, void*) {
    const int saved = errno;
    const bool named = signal == g_breakSignal.load() && info != nullptr && info->si_code == POLL_MSG;
    for (Entry& entry : g_entries) {
        if (named && entry.number.load() != info->si_fd) continue;
        BreakEntry(entry);
    }
    errno = saved;
}

// A forked child shares the parent's descriptions, and with them the leases the parent holds: it
// drops its copies of the idle ones, so that a break in the parent is never held up by a child.
void ForgetInChild() {
    g_keeping.store(false);
    for (Entry& entry : g_entries) {
        const int fd = entry.number.load();
        if (fd >= 0 && entry.idle.load()) ::close(fd);
        entry.number.store(-1);
        entry.fd.store(kFree);
    }
}

// --- the store's callers, under g_mutex ---

// Claims `entry` for the caller: its descriptor, or kFree when it holds none. A handler running on
// another thread holds a claim for a few instructions only.
int Claim(Entry& entry) {
    for (;;) {
        int fd = entry.fd.load();
        if (fd == kFree) return kFree;
        if (fd == kClaimed) {
            std::this_thread::yield();
            continue;
        }
        if (entry.fd.compare_exchange_weak(fd, kClaimed)) return fd;
    }
}

void CloseClaimed(Entry& entry, int fd) {
    entry.number.store(-1);
    ::close(fd);
    Release(entry, kFree);
}

// Drops an entry whose descriptor in use is no longer the store's concern; the descriptor stays open.
void Forget(Entry& entry) {
    const int fd = Claim(entry);
    if (fd == kFree) return;
    if (entry.idle.load()) {
        CloseClaimed(entry, fd);
        return;
    }
    Unlease(entry, fd);
    entry.number.store(-1);
    Release(entry, kFree);
}

// Whether `file` was wanted by another open lately; counts this close against its memory.
bool WantedLately(std::uint64_t file) {
    for (RecentBreak& memory : g_recentBreaks) {
        if (memory.file.load() == file && memory.closesLeft.load() > 0) return memory.closesLeft.fetch_sub(1) > 0;
    }
    return false;
}

bool TakeLease(int fd) {
    return ::fcntl(fd, F_SETSIG, g_breakSignal.load()) == 0 && ::fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
}

bool StillNamedBy(const Entry& entry, std::string_view path) {
    struct stat now {};
    return ::stat(std::string(path).c_str(), &now) == 0 && now.st_dev == entry.device && now.st_ino == entry.inode;
}

// A free entry, making room by closing the least recently used idle descriptor; null when every
// entry holds a descriptor in use.
Entry* RoomForOne() {
    Entry* oldest = nullptr;
    for (Entry& entry : g_entries) {
        if (entry.fd.load() == kFree) return &entry;
        if (entry.idle.load() && (!oldest || entry.lastUse < oldest->lastUse)) oldest = &entry;
    }
    if (!oldest) return nullptr;
    const int fd = Claim(*oldest);
    if (fd != kFree) {
        if (!oldest->idle.load()) {
            Release(*oldest, fd);
            return nullptr;
        }
        CloseClaimed(*oldest, fd);
    }
    return oldest;
}

// Hands a descriptor in use back to its entry as idle; false (entry freed) when its lease was lost
// and cannot be had again.
bool KeepAgain(Entry& entry, int fd, std::optional<std::uint64_t> length) {
    const int held = Claim(entry);
    if (held != fd) {  // never: the handler closes only idle descriptors
        if (held != kFree) Release(entry, held);
        return false;
    }
    if (entry.leased.load()) {
        entry.length = length;
    } else {
        entry.length.reset();  // others may have changed it meanwhile
        entry.leased.store(true);  // before the call: a break right after it must find it leased
        if (WantedLately(entry.file.load()) || ::fcntl(fd, F_SETLEASE, F_WRLCK) != 0) {
            entry.leased.store(false);
            entry.number.store(-1);
            Release(entry, kFree);
            return false;
        }
    }
    entry.idle.store(true);
    entry.lastUse = ++g_useClock;
    Release(entry, fd);
    return true;
}

bool KeepNew(int fd, std::string_view path, int kernelFlags, const ShareRequest& share) {
    Entry* entry = RoomForOne();
    if (!entry) return false;
    entry->breakPending.store(false);
    entry->idle.store(true);
    entry->leased.store(true);
    entry->file.store(0);
    // Claimed and named before the lease exists, so that a break right after it is served below.
    entry->fd.store(kClaimed);
    entry->number.store(fd);
    // Asked under the lease: from now on the length changes only through this descriptor.
    struct stat identity {};
    if (!TakeLease(fd) || ::fstat(fd, &identity) != 0 || WantedLately(FileKey(identity))) {
        Unlease(*entry, fd);
        entry->number.store(-1);
        Release(*entry, kFree);
        return false;
    }
    entry->path.assign(path);
    entry->kernelFlags = kernelFlags;
    entry->share = share;
    entry->device = identity.st_dev;
    entry->inode = identity.st_ino;
    entry->length = static_cast<std::uint64_t>(identity.st_size);
    entry->file.store(FileKey(identity));
    entry->lastUse = ++g_useClock;
    Release(*entry, fd);
    return true;
}

}  // namespace

bool StartKeepingIdleDescriptors() {
    static const bool installed = [] {
        g_breakSignal.store(SIGRTMIN + 4);
        struct sigaction action {};
        action.sa_sigaction = &OnLeaseBreak;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaddset(&action.sa_mask, g_breakSignal.load());
        sigaddset(&action.sa_mask, SIGIO);
        if (::sigaction(g_breakSignal.load(), &action, nullptr) != 0 || ::sigaction(SIGIO, &action, nullptr) != 0) {
            return false;
        }
        sigset_t unblocked;
        sigemptyset(&unblocked);
        sigaddset(&unblocked, g_breakSignal.load());
        sigaddset(&unblocked, SIGIO);
        ::pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
        return ::pthread_atfork(nullptr, nullptr, &ForgetInChild) == 0;
    }();
    if (installed) g_keeping.store(true);
    return installed;
}

void StopKeepingIdleDescriptors() {
    if (!g_keeping.exchange(false)) return;
    std::lock_guard lock(g_mutex);
    for (Entry& entry : g_entries) Forget(entry);  // descriptors in use are closed by their files
}

bool KeepsIdleDescriptors() { return g_keeping.load(); }

int TakeIdleDescriptor(std::string_view path, int kernelFlags, const ShareRequest& share,
                       std::optional<std::uint64_t>& length) {
    length.reset();
    if (!g_keeping.load()) return -1;
    std::lock_guard lock(g_mutex);
    int found = -1;
    for (Entry& entry : g_entries) {
        if (entry.number.load() < 0 || entry.path != path) continue;
        const int fd = Claim(entry);
        if (fd == kFree) continue;
        if (!entry.idle.load()) {
            Unlease(entry, fd);
            Release(entry, fd);
        } else if (found < 0 && entry.kernelFlags == kernelFlags && entry.share == share && StillNamedBy(entry, path)) {
            entry.idle.store(false);  // before the release: a pending break now only takes the lease
            entry.lastUse = ++g_useClock;
            length = entry.length;
            found = fd;
            Release(entry, fd);
        } else {
            CloseClaimed(entry, fd);
        }
    }
    return found;
}

bool KeepIdleDescriptor(int fd, std::string_view path, int kernelFlags, const ShareRequest& share,
                        std::optional<std::uint64_t> length) {
    if (!g_keeping.load() || fd < 0) return false;
    std::lock_guard lock(g_mutex);
    for (Entry& entry : g_entries) {
        if (entry.number.load() != fd) continue;
        if (entry.path == path && entry.kernelFlags == kernelFlags && entry.share == share) return KeepAgain(entry, fd, length);
        Forget(entry);  // a number left behind by a descriptor closed some other way
        break;
    }
    return KeepNew(fd, path, kernelFlags, share);
}

void ReleaseIdleDescriptors(std::string_view path) {
    if (!g_keeping.load()) return;
    std::lock_guard lock(g_mutex);
    for (Entry& entry : g_entries) {
        if (entry.number.load() < 0 || entry.path != path) continue;
        const int fd = Claim(entry);
        if (fd == kFree) continue;
        if (entry.idle.load()) {
            CloseClaimed(entry, fd);
        } else {
            Unlease(entry, fd);
            Release(entry, fd);
        }
    }
}

bool IdleDescriptorAlone(int fd) {
    if (fd < 0) return false;
    for (const Entry& entry : g_entries) {
        if (entry.number.load() == fd) return entry.leased.load() && !entry.idle.load();
    }
    return false;
}

std::size_t IdleDescriptorCount() {
    std::size_t count = 0;
    for (const Entry& entry : g_entries) {
        const int fd = entry.fd.load();
        if (fd >= 0 && entry.idle.load()) ++count;
    }
    return count;
}

}  // namespace platform
