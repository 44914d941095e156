// The local server program of the transport's tests: serves the counter class of
// com_test_counter.h until its last object is released.
//
// Started by activation with "-Embedding", as a real server is; started any other way it ends
// at once with exit code 2, so that a test sees whether activation passed the switch.
#include "platform/com/local_server.h"
#include "platform/tests/com_test_counter.h"

#include <cstring>

int main(int argc, char** argv) {
    using namespace platform;
    if (argc != 2 || std::strcmp(argv[1], "-Embedding") != 0) return 2;
    kelvo::testing::RegisterCounterProxyStub();
    DWORD cookie = 0;
    if (FAILED(kelvo::testing::RegisterCounterClass(&cookie))) return 1;
    com::LocalServerOptions options;
    options.idleLimit = std::chrono::seconds(10);  // a test that failed half-way leaves nothing behind for long
    const HRESULT hr = com::RunLocalServer(options);
    (void)CoRevokeClassObject(cookie);
    return SUCCEEDED(hr) ? 0 : 1;
}
