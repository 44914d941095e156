// The local server program of the transport's tests: serves the counter class of
// com_test_counter.h until its last object is released.
//
// Started by activation with "-Embedding", as a real server is; started any other way it ends
// at once with exit code 2, so that a test sees whether activation passed the switch. When
// KELVO_COM_TEST_SERVER_STARTS names a file, each start appends its process id there as a line,
// so that a test counts the servers that were started.
#include "platform/com/local_server.h"
#include "platform/tests/com_test_counter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void RecordStart() {
    const char* path = std::getenv("KELVO_COM_TEST_SERVER_STARTS");
    if (!path) return;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const std::string line = std::to_string(::getpid()) + "\n";
    ssize_t ignored = ::write(fd, line.data(), line.size());  // one append: lines of several servers never mix
    (void)ignored;
    ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace platform;
    if (argc != 2 || std::strcmp(argv[1], "-Embedding") != 0) return 2;
    RecordStart();
    kelvo::testing::RegisterCounterProxyStub();
    DWORD cookie = 0;
    if (FAILED(kelvo::testing::RegisterCounterClass(&cookie))) return 1;
    com::LocalServerOptions options;
    options.idleLimit = std::chrono::seconds(10);  // a test that failed half-way leaves nothing behind for long
    const HRESULT hr = com::RunLocalServer(options);
    (void)CoRevokeClassObject(cookie);
    return SUCCEEDED(hr) ? 0 : 1;
}
