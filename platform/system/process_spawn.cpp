#include "platform/system/process_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace platform {

namespace {

Win32Error ErrorOfErrno(int errnum) {
    switch (errnum) {
        case 0: return ERROR_SUCCESS;
        case ENOENT:
        case ENOTDIR: return ERROR_FILE_NOT_FOUND;
        case EACCES:
        case EPERM:
        case ENOEXEC: return ERROR_ACCESS_DENIED;
        case ENOMEM:
        case EAGAIN: return ERROR_NOT_ENOUGH_MEMORY;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        default: return ERROR_GEN_FAILURE;
    }
}

bool IsRunnableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The program's path: as given when it names a folder, else the first runnable match in PATH.
Win32Error ResolveProgram(const std::string& name, std::string& path) {
    if (name.empty()) return ERROR_FILE_NOT_FOUND;
    if (name.find('/') != std::string::npos) {
        path = name;
        return ERROR_SUCCESS;
    }
    const char* search = std::getenv("PATH");
    const std::string folders = search ? search : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        if (std::string candidate = folder + "/" + name; IsRunnableFile(candidate)) {
            path = std::move(candidate);
            return ERROR_SUCCESS;
        }
        start = end + 1;
    }
    return ERROR_FILE_NOT_FOUND;
}

std::vector<char*> ArgumentVector(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// What the detaching children tell the parent through the report pipe.
struct Report {
    std::int32_t kind;  // kReportProcess or kReportError
    std::int32_t value;
};
constexpr std::int32_t kReportProcess = 1;
constexpr std::int32_t kReportError = 2;

void SendReport(int fd, std::int32_t kind, std::int32_t value) {
    const Report report{kind, value};
    ssize_t ignored = ::write(fd, &report, sizeof report);
    (void)ignored;
}

// Runs in the grandchild, between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecDetached(const char* path, char* const* argv, int report, int descriptorLimit) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (const int signal : {SIGPIPE, SIGCHLD, SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaction(signal, &standard, nullptr);

    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO) ::close(null);
    }
    // The report pipe is close-on-exec already; everything else of the client goes too.
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        for (int fd = 3; fd < descriptorLimit; ++fd) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    ::execve(path, argv, environ);
    SendReport(report, kReportError, errno);
    ::_exit(127);
}

// Runs in the intermediate child: a new session, then the grandchild, whose id goes to the parent.
[[noreturn]] void Detach(const char* path, char* const* argv, int report, int descriptorLimit) {
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) ExecDetached(path, argv, report, descriptorLimit);
    if (grandchild < 0) {
        SendReport(report, kReportError, errno);
        ::_exit(1);
    }
    SendReport(report, kReportProcess, grandchild);
    ::_exit(0);
}

int DescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 4096;
    return static_cast<int>(limit.rlim_cur > 65536 ? 65536 : limit.rlim_cur);
}

void WaitFor(pid_t child, int* status) {
    while (::waitpid(child, status, 0) < 0 && errno == EINTR) {
    }
}

// Reads the children's reports until every writer has gone (exec or exit).
Win32Error ReadReports(int fd, pid_t* processId) {
    Win32Error error = ERROR_SUCCESS;
    bool started = false;
    Report report{};
    for (int i = 0; i < 2; ++i) {  // at most the grandchild's id and one failure
        ssize_t got;
        do {
            got = ::read(fd, &report, sizeof report);
        } while (got < 0 && errno == EINTR);
        if (got != static_cast<ssize_t>(sizeof report)) break;
        if (report.kind == kReportProcess) {
            *processId = report.value;
            started = true;
        } else if (report.kind == kReportError && !error) {
            error = ErrorOfErrno(report.value);
        }
    }
    if (error) return error;
    return started ? ERROR_SUCCESS : ERROR_GEN_FAILURE;
}

int ExitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (const char ch : commandLine) {
        if (ch == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (ch == ' ' || ch == '\t')) {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += ch;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

Win32Error SpawnDetached(const std::vector<std::string>& arguments, pid_t* processId) {
    *processId = 0;
    if (arguments.empty()) return ERROR_INVALID_PARAMETER;
    std::string path;
    if (const Win32Error error = ResolveProgram(arguments[0], path)) return error;
    const std::vector<char*> argv = ArgumentVector(arguments);
    const int descriptorLimit = DescriptorLimit();

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return ErrorOfErrno(errno);
    const pid_t child = ::fork();
    if (child == 0) Detach(path.c_str(), argv.data(), report[1], descriptorLimit);
    const int forkError = errno;
    ::close(report[1]);
    if (child < 0) {
        ::close(report[0]);
        return ErrorOfErrno(forkError);
    }
    int status = 0;
    WaitFor(child, &status);
    const Win32Error error = ReadReports(report[0], processId);
    ::close(report[0]);
    if (error) *processId = 0;
    return error;
}

Win32Error RunAndCapture(const std::vector<std::string>& arguments, std::string& output, int* exitCode,
                         std::size_t maxOutput) {
    output.clear();
    *exitCode = -1;
    if (arguments.empty()) return ERROR_INVALID_PARAMETER;
    std::string path;
    if (const Win32Error error = ResolveProgram(arguments[0], path)) return error;
    const std::vector<char*> argv = ArgumentVector(arguments);

    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) return ErrorOfErrno(errno);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t standard;
    sigemptyset(&standard);
    sigaddset(&standard, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &standard);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t child = 0;
    const int spawnError = posix_spawn(&child, path.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipe[1]);
    if (spawnError != 0) {
        ::close(pipe[0]);
        return ErrorOfErrno(spawnError);
    }

    // Read while it runs: a child that fills the pipe would otherwise wait for ever.
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(pipe[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        const std::size_t room = maxOutput > output.size() ? maxOutput - output.size() : 0;
        output.append(buffer, std::min(room, static_cast<std::size_t>(got)));
    }
    ::close(pipe[0]);
    int status = 0;
    WaitFor(child, &status);
    *exitCode = ExitCodeOf(status);
    return ERROR_SUCCESS;
}

bool ProcessIsRunning(pid_t processId) {
    if (processId <= 0) return false;
    if (::kill(processId, 0) != 0 && errno == ESRCH) return false;
    // A zombie still answers kill(); its state in /proc tells.
    const std::string stat = "/proc/" + std::to_string(processId) + "/stat";
    const int fd = ::open(stat.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return true;
    char text[512];
    const ssize_t got = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (got <= 0) return true;
    text[got] = '\0';
    // The state follows the command name, which ends with the last ')'.
    const char* end = std::strrchr(text, ')');
    return !(end && end[1] == ' ' && (end[2] == 'Z' || end[2] == 'X'));
}

}  // namespace platform
