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

// The pause between two connection attempts: short at first, since servers start quickly.
milliseconds NextPause(milliseconds pause) { return std::min(pause * 2, milliseconds(50)); }

bool NobodyListens(int error) { return error == ENOENT || error == ECONNREFUSED; }

// Takes the start lock before `deadline`; an empty descriptor when the lock file cannot be made
// (the start then goes on unserialised: a second server finds the first listening and ends) or
// the deadline passes (the caller then just tries to connect).
Descriptor TakeStartLock(const CLSID& clsid, Clock::time_point deadline, bool* timedOut) {
    *timedOut = false;
    std::string path;
    if (ServerStartLockPath(clsid, path)) return {};
    Descriptor lock(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lock) return {};
    milliseconds pause(1);
    while (::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return {};
        if (Clock::now() >= deadline) {
            *timedOut = true;
            return {};
        }
        std::this_thread::sleep_for(pause);
        pause = NextPause(pause);
    }
    return lock;
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
    milliseconds pause(1);
    for (;;) {
        int error = 0;
        *connection = ConnectEndpoint(endpoint, &error);
        if (*connection) return S_OK;
        if (!NobodyListens(error)) return HR_RPC_S_SERVER_UNAVAILABLE;
        if (server != 0 && !ProcessIsRunning(server)) {
            // It may have ended because another server took the endpoint first.
            *connection = ConnectEndpoint(endpoint, &error);
            return *connection ? S_OK : CO_E_SERVER_EXEC_FAILURE;
        }
        if (Clock::now() >= deadline) return HR_RPC_S_SERVER_UNAVAILABLE;
        std::this_thread::sleep_for(pause);
        pause = NextPause(pause);
    }
}

}  // namespace

milliseconds ServerStartTimeout() { return milliseconds(g_startTimeoutMs.load()); }

milliseconds SetServerStartTimeout(milliseconds limit) { return milliseconds(g_startTimeoutMs.exchange(limit.count())); }

HRESULT ConnectOrStartServer(const CLSID& clsid, const std::string& endpoint, const std::string& commandLine,
                             Descriptor* connection) {
    int error = 0;
    *connection = ConnectEndpoint(endpoint, &error);
    if (*connection) return S_OK;
    if (!NobodyListens(error)) return HR_RPC_S_SERVER_UNAVAILABLE;

    const Clock::time_point deadline = Clock::now() + ServerStartTimeout();
    bool timedOut = false;
    const Descriptor lock = TakeStartLock(clsid, deadline, &timedOut);
    // Whoever held the lock may have started the server meanwhile.
    *connection = ConnectEndpoint(endpoint, &error);
    if (*connection) return S_OK;
    if (!NobodyListens(error) || timedOut) return HR_RPC_S_SERVER_UNAVAILABLE;

    pid_t server = 0;
    if (const HRESULT hr = StartServer(commandLine, &server); FAILED(hr)) return hr;
    return WaitForServer(endpoint, server, deadline, connection);
}

}  // namespace platform::com
