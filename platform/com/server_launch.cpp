#include "platform/com/server_launch.h"

#include "platform/text/codepage.h"
#include "platform/com/endpoint.h"
#include "platform/com/unix_socket.h"
#include "platform/system/process_spawn.h"

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <thread>

namespace platform::com {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

std::atomic<long long> g_startTimeoutMs{5000};

// The pauses between two attempts until a deadline: short at first, since servers start quickly,
// and never long, since every wake tries to connect.
class Backoff {
public:
    explicit Backoff(Clock::time_point deadline) : deadline_(deadline) {}
    // Sleeps before the next attempt; false (without sleeping) once the deadline has passed.
    bool Pause() {
        if (Clock::now() >= deadline_) return false;
        std::this_thread::sleep_for(pause_);
        pause_ = std::min(pause_ * 2, milliseconds(10));
        return true;
    }

private:
    Clock::time_point deadline_;
    milliseconds pause_{1};
};

// Tries to connect; true when that settles the outcome (*result S_OK when connected, the
// server-unavailable error when the endpoint cannot be reached), false while nobody listens.
bool ConnectSettles(const std::string& endpoint, Descriptor* connection, HRESULT* result) {
    int error = 0;
    *connection = ConnectEndpoint(endpoint, &error);
    if (!*connection && (error == ENOENT || error == ECONNREFUSED)) return false;
    *result = *connection ? S_OK : HR_RPC_S_SERVER_UNAVAILABLE;
    return true;
}

// The class's start lock file; an empty descriptor when it cannot be made (the start then goes on
// unserialised: a second server finds the first listening and ends).
Descriptor OpenStartLock(const CLSID& clsid) {
    std::string path;
    if (ServerStartLockPath(clsid, path)) return {};
    return Descriptor(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
}

// Takes the start lock without waiting; false only while another process holds it.
bool TryTakeStartLock(const Descriptor& lock) {
    if (!lock) return true;
    int result;
    do {
        result = ::flock(lock.Get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0 || errno != EWOULDBLOCK;
}

HRESULT HResultOfStartError(Win32Error error) {
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_ACCESS_DENIED) return HResultFromWin32(error);
    return CO_E_SERVER_EXEC_FAILURE;
}

HRESULT StartServer(const std::string& commandLine, pid_t* processId) {
    std::vector<std::string> arguments = SplitCommandLine(Utf8FromAnsi(commandLine));
    if (arguments.empty()) return CO_E_SERVER_EXEC_FAILURE;
    arguments.emplace_back("-Embedding");
    if (const Win32Error error = SpawnDetached(arguments, processId)) return HResultOfStartError(error);
    return S_OK;
}

// Connects until `deadline`; a started server that ends before it answers stops the wait.
HRESULT WaitForServer(const std::string& endpoint, pid_t server, Clock::time_point deadline, Descriptor* connection) {
    Backoff backoff(deadline);
    HRESULT hr = S_OK;
    do {
        if (ConnectSettles(endpoint, connection, &hr)) return hr;
        if (server != 0 && !ProcessIsRunning(server)) {
            // It may have ended because another server took the endpoint first.
            return ConnectSettles(endpoint, connection, &hr) && SUCCEEDED(hr) ? S_OK : CO_E_SERVER_EXEC_FAILURE;
        }
    } while (backoff.Pause());
    return HR_RPC_S_SERVER_UNAVAILABLE;
}

}  // namespace

milliseconds ServerStartTimeout() { return milliseconds(g_startTimeoutMs.load()); }

milliseconds SetServerStartTimeout(milliseconds limit) { return milliseconds(g_startTimeoutMs.exchange(limit.count())); }

HRESULT ConnectOrStartServer(const CLSID& clsid, const std::string& endpoint, const std::string& commandLine,
                             Descriptor* connection) {
    HRESULT hr = S_OK;
    if (ConnectSettles(endpoint, connection, &hr)) return hr;
    const Clock::time_point deadline = Clock::now() + ServerStartTimeout();
    const Descriptor lock = OpenStartLock(clsid);
    Backoff backoff(deadline);
    // Held until this returns; whoever waits for it keeps trying to connect meanwhile, so that a
    // server that is up serves every waiter, whether or not its starter has let go of the lock.
    while (!TryTakeStartLock(lock)) {
        if (!backoff.Pause()) return HR_RPC_S_SERVER_UNAVAILABLE;
        if (ConnectSettles(endpoint, connection, &hr)) return hr;
    }
    // Whoever held the lock may have started the server meanwhile.
    if (ConnectSettles(endpoint, connection, &hr)) return hr;
    pid_t server = 0;
    hr = StartServer(commandLine, &server);
    if (FAILED(hr)) return hr;
    return WaitForServer(endpoint, server, deadline, connection);
}

}  // namespace platform::com
