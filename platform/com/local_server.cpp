#include "platform/com/local_server.h"

#include "platform/com/class_object.h"
#include "platform/com/endpoint.h"
#include "platform/com/module_lock.h"
#include "platform/com/server_connection.h"
#include "platform/com/unix_socket.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform::com {

namespace {

using Clock = std::chrono::steady_clock;

// Connections served at once; more wait in the listen queue until one ends. Fewer when the
// process may not open that many descriptors (some are kept for the server's own files).
constexpr std::size_t kMaxConnections = 1024;
constexpr rlim_t kReservedDescriptors = 64;

std::size_t ConnectionLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kMaxConnections;
    if (limit.rlim_cur <= kReservedDescriptors + 16) return 16;
    return std::min<std::size_t>(kMaxConnections, limit.rlim_cur - kReservedDescriptors);
}

struct Listener {
    std::string path;
    Descriptor socket;
    dev_t device = 0;
    ino_t inode = 0;
};

class ServerLoop {
public:
    explicit ServerLoop(std::size_t inputLimit) : inputBudget_(inputLimit) {}
    HRESULT Open(const std::vector<CLSID>& classes);
    void Run(const LocalServerOptions& options);
    // From any thread: the loop ends after the request it is serving.
    void RequestQuit();
    // Removes the endpoints and closes every connection, releasing its objects.
    void Shutdown();

private:
    std::vector<pollfd> PollSet(bool acceptMore) const;
    void Accept(Listener& listener);
    void Sweep();
    int IdleTimeout(const LocalServerOptions& options, Clock::time_point busySince) const;

    Descriptor wake_;
    std::vector<Listener> listeners_;
    InputBudget inputBudget_;  // outlives the connections, which give back to it as they end
    std::list<std::unique_ptr<ServedConnection>> connections_;
    std::size_t maxConnections_ = ConnectionLimit();
    std::atomic<bool> quit_{false};
};

std::mutex g_runningMutex;
ServerLoop* g_running = nullptr;

void OnZeroLocks(void* context) { static_cast<ServerLoop*>(context)->RequestQuit(); }

HRESULT ServerLoop::Open(const std::vector<CLSID>& classes) {
    wake_.Reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!wake_) return E_OUTOFMEMORY;
    for (const CLSID& clsid : classes) {
        Listener listener;
        if (const Win32Error error = ServerEndpointPath(clsid, listener.path)) return HResultFromWin32(error);
        if (const HRESULT hr = ListenEndpoint(listener.path, &listener.socket); FAILED(hr)) return hr;
        // Remembered so that the loop removes its own socket file only, never a successor's.
        struct stat info {};
        if (::lstat(listener.path.c_str(), &info) == 0) {
            listener.device = info.st_dev;
            listener.inode = info.st_ino;
        }
        listeners_.push_back(std::move(listener));
    }
    return S_OK;
}

void ServerLoop::RequestQuit() {
    quit_.store(true);
    const std::uint64_t one = 1;
    ssize_t ignored = ::write(wake_.Get(), &one, sizeof one);
    (void)ignored;
}

std::vector<pollfd> ServerLoop::PollSet(bool acceptMore) const {
    std::vector<pollfd> set;
    set.reserve(1 + listeners_.size() + connections_.size());
    set.push_back({wake_.Get(), POLLIN, 0});
    for (const Listener& listener : listeners_) set.push_back({listener.socket.Get(), short(acceptMore ? POLLIN : 0), 0});
    for (const auto& connection : connections_) {
        set.push_back({connection->Socket(), short(connection->Idle() ? POLLIN : POLLOUT), 0});
    }
    return set;
}

void ServerLoop::Accept(Listener& listener) {
    while (connections_.size() < maxConnections_) {
        const int fd = ::accept4(listener.socket.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            connections_.push_back(std::make_unique<ServedConnection>(Descriptor(fd), inputBudget_));
            continue;
        }
        // Out of descriptors: the client waits in the queue; a pause keeps poll from spinning.
        if (errno == EMFILE || errno == ENFILE) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return;  // EAGAIN, or a client that gave up before it was accepted
    }
}

void ServerLoop::Sweep() {
    // Erased one by one: releasing a connection's objects may end the loop, never the list.
    for (auto it = connections_.begin(); it != connections_.end();) {
        it = (*it)->Closed() ? connections_.erase(it) : std::next(it);
    }
}

int ServerLoop::IdleTimeout(const LocalServerOptions& options, Clock::time_point busySince) const {
    if (!connections_.empty() || ModuleLockCount() > 0) return -1;
    const auto left = options.idleLimit - std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - busySince);
    return static_cast<int>(std::clamp<long long>(left.count(), 0, 60000));
}

void ServerLoop::Run(const LocalServerOptions& options) {
    if (options.onListening) options.onListening();
    Clock::time_point busySince = Clock::now();
    while (!quit_.load()) {
        std::vector<pollfd> set = PollSet(connections_.size() < maxConnections_);
        const int timeout = IdleTimeout(options, busySince);
        const int ready = ::poll(set.data(), set.size(), timeout);
        if (ready < 0 && errno != EINTR) break;
        if (!connections_.empty() || ModuleLockCount() > 0) {
            busySince = Clock::now();
        } else if (Clock::now() - busySince >= options.idleLimit) {
            break;
        }
        if (ready <= 0) continue;
        if (set[0].revents) {
            std::uint64_t count = 0;
            ssize_t ignored = ::read(wake_.Get(), &count, sizeof count);
            (void)ignored;
        }
        std::size_t index = 1;
        for (Listener& listener : listeners_) {
            if (set[index++].revents & POLLIN) Accept(listener);
        }
        // Connections accepted just now are not in this poll set and wait for the next round.
        auto connection = connections_.begin();
        for (; index < set.size() && !quit_.load(); ++index, ++connection) {
            if (!set[index].revents) continue;
            // A connection with an answer to send was polled for output: whatever woke it (room,
            // or a hang-up that makes the send fail), sending comes first.
            if (!(*connection)->Idle()) {
                (*connection)->OnWritable(quit_);
            } else {
                (*connection)->OnReadable(quit_);
            }
        }
        if (!quit_.load()) Sweep();
    }
}

void ServerLoop::Shutdown() {
    for (Listener& listener : listeners_) {
        struct stat info {};
        if (::lstat(listener.path.c_str(), &info) == 0 && info.st_dev == listener.device && info.st_ino == listener.inode) {
            ::unlink(listener.path.c_str());
        }
        listener.socket.Reset();
    }
    for (auto& connection : connections_) connection->FlushWithoutWaiting();
    while (!connections_.empty()) connections_.pop_front();
}

}  // namespace

HRESULT RunLocalServer(const LocalServerOptions& options) {
    const std::vector<CLSID> classes = LocalServerClasses();
    if (classes.empty()) return E_UNEXPECTED;
    ServerLoop loop(options.maxBufferedInput);
    {
        std::lock_guard lock(g_runningMutex);
        if (g_running) return E_UNEXPECTED;
        g_running = &loop;
    }
    HRESULT hr = loop.Open(classes);
    if (SUCCEEDED(hr)) {
        detail::SetZeroLockHandler(&OnZeroLocks, &loop);
        loop.Run(options);
    }
    loop.Shutdown();
    detail::SetZeroLockHandler(nullptr, nullptr);
    {
        std::lock_guard lock(g_runningMutex);
        g_running = nullptr;
    }
    return hr;
}

void StopLocalServer() {
    std::lock_guard lock(g_runningMutex);
    if (g_running) g_running->RequestQuit();
}

}  // namespace platform::com
