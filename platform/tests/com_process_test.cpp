// The real local server process (com_test_server), started by activation from its registration.
#include "platform/com/activation.h"
#include "platform/com/class_registry.h"
#include "platform/com/endpoint.h"
#include "platform/com/unix_socket.h"
#include "platform/com/wire.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/com_test_counter.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <vector>

namespace {

using namespace platform;
using namespace platform::com;
using namespace kelvo::testing;

// What a client process reports through its pipe.
struct ClientReport {
    HRESULT hr;
    std::int32_t serverProcess;
    std::int32_t total;
};

bool WriteAll(int fd, const void* data, std::size_t size) { return ::write(fd, data, size) == static_cast<ssize_t>(size); }
bool ReadAll(int fd, void* data, std::size_t size) { return ::read(fd, data, size) == static_cast<ssize_t>(size); }

ICounter* ActivateCounter(HRESULT* hr) {
    void* pointer = nullptr;
    *hr = CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, IID_ICounter, &pointer);
    return static_cast<ICounter*>(pointer);
}

class ComServerProcess : public ::testing::Test {
protected:
    void SetUp() override {
        // Servers start detached; as the nearest reaper this test can wait for them to end.
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        RegisterCounterProxyStub();
        Register(std::string("\"") + KELVO_COM_TEST_SERVER + "\"");
    }

    void Register(const std::string& commandLine) {
        const RegistryScriptKey keys[] = {
            {"CLSID\\" + GuidToString(CLSID_Counter), "Counter Class", {}, KeyRemoval::ForceRemove},
            {"CLSID\\" + GuidToString(CLSID_Counter) + "\\LocalServer32", commandLine, {}},
        };
        ASSERT_EQ(ApplyRegistryScript(HKEY_CLASSES_ROOT, keys, true), ERROR_SUCCESS);
    }

    // A client process: waits for "go", activates, calls Add(delta), reports, waits for
    // "release", calls Add again, reports, releases and ends.
    pid_t StartClient(int go, int release, int report, std::int32_t delta) {
        const pid_t child = ::fork();
        if (child != 0) return child;
        char signal = 0;
        if (!ReadAll(go, &signal, 1)) ::_exit(3);
        ClientReport result{};
        ICounter* counter = ActivateCounter(&result.hr);
        if (counter) {
            result.hr = counter->ProcessId(&result.serverProcess);
            if (SUCCEEDED(result.hr)) result.hr = counter->Add(delta, &result.total);
        }
        (void)WriteAll(report, &result, sizeof result);
        if (!counter) ::_exit(4);
        if (!ReadAll(release, &signal, 1)) ::_exit(5);
        result.hr = counter->Add(delta, &result.total);
        (void)WriteAll(report, &result, sizeof result);
        counter->Release();
        ::_exit(0);
    }

    TestEnvironment environment_;
};

// Activation starts the registered program, which serves calls (and activates its own class
// in-process) and ends when its last object is released.
TEST_F(ComServerProcess, StartsFromRegistrationAndEndsWithLastRelease) {
    HRESULT hr = E_FAIL;
    ICounter* counter = ActivateCounter(&hr);
    ASSERT_EQ(hr, S_OK);
    std::int32_t server = 0;
    ASSERT_EQ(counter->ProcessId(&server), S_OK);
    EXPECT_NE(server, static_cast<std::int32_t>(::getpid()));
    EXPECT_TRUE(ProcessIsRunning(server));
    std::int32_t total = 0;
    ASSERT_EQ(counter->AddThroughSelf(7, &total), S_OK);
    EXPECT_EQ(total, 7);
    ASSERT_EQ(counter->Add(2, &total), S_OK);
    EXPECT_EQ(total, 2);  // the self-activated object was another one
    std::uint32_t locks = 0;
    ASSERT_EQ(counter->LockCount(&locks), S_OK);
    EXPECT_EQ(locks, 1u);
    counter->Release();
    EXPECT_EQ(WaitForChild(server), 0);
}

// Clients starting at the same moment all reach one server; it serves each and ends only when
// the last has released.
TEST_F(ComServerProcess, ClientsStartingAtOnceShareOneServer) {
    constexpr int kClients = 3;
    int go[2], release[2], report[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(release), 0);
    ASSERT_EQ(::pipe(report), 0);
    std::vector<pid_t> clients;
    for (int i = 0; i < kClients; ++i) clients.push_back(StartClient(go[0], release[0], report[1], 10 + i));
    ASSERT_TRUE(WriteAll(go[1], "GGG", kClients));

    std::vector<ClientReport> first(kClients);
    for (auto& result : first) ASSERT_TRUE(ReadAll(report[0], &result, sizeof result));
    const std::int32_t server = first[0].serverProcess;
    for (const ClientReport& result : first) {
        EXPECT_EQ(result.hr, S_OK);
        EXPECT_EQ(result.serverProcess, server);
        EXPECT_GE(result.total, 10);  // each client its own object
        EXPECT_LE(result.total, 12);
    }
    // One releases after its second call; the others still reach the server.
    for (int i = 0; i < kClients; ++i) {
        ASSERT_TRUE(WriteAll(release[1], "R", 1));
        ClientReport second{};
        ASSERT_TRUE(ReadAll(report[0], &second, sizeof second));
        EXPECT_EQ(second.hr, S_OK);
        EXPECT_GE(second.total, 20);
    }
    for (const pid_t client : clients) EXPECT_EQ(WaitForChild(client), 0);
    EXPECT_EQ(WaitForChild(server), 0);
    for (const int fd : {go[0], go[1], release[0], release[1], report[0], report[1]}) ::close(fd);
}

// A client killed while it holds an object loses it; the server goes on for the others.
TEST_F(ComServerProcess, KilledClientReleasesItsObjects) {
    HRESULT hr = E_FAIL;
    ICounter* counter = ActivateCounter(&hr);
    ASSERT_EQ(hr, S_OK);
    std::int32_t server = 0;
    ASSERT_EQ(counter->ProcessId(&server), S_OK);
    int go[2], release[2], report[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(release), 0);
    ASSERT_EQ(::pipe(report), 0);
    const pid_t client = StartClient(go[0], release[0], report[1], 1);
    ASSERT_TRUE(WriteAll(go[1], "G", 1));
    ClientReport result{};
    ASSERT_TRUE(ReadAll(report[0], &result, sizeof result));
    ASSERT_EQ(result.hr, S_OK);
    std::uint32_t locks = 0;
    ASSERT_EQ(counter->LockCount(&locks), S_OK);
    EXPECT_EQ(locks, 2u);

    ASSERT_EQ(::kill(client, SIGKILL), 0);
    EXPECT_EQ(WaitForChild(client), 128 + SIGKILL);
    std::int32_t total = 0;
    EXPECT_EQ(counter->Add(3, &total), S_OK);
    EXPECT_EQ(total, 3);
    // The server ends with this release, which it could not with the dead client's object counted.
    counter->Release();
    EXPECT_EQ(WaitForChild(server), 0);
    for (const int fd : {go[0], go[1], release[0], release[1], report[0], report[1]}) ::close(fd);
}

// Garbage sent to the real server closes that connection only.
TEST_F(ComServerProcess, GarbageDoesNotStopTheServer) {
    HRESULT hr = E_FAIL;
    ICounter* counter = ActivateCounter(&hr);
    ASSERT_EQ(hr, S_OK);
    std::int32_t server = 0;
    ASSERT_EQ(counter->ProcessId(&server), S_OK);
    std::string endpoint;
    ASSERT_EQ(ServerEndpointPath(CLSID_Counter, endpoint), ERROR_SUCCESS);
    for (const char* garbage : {"\xff\xff\xff\xff garbage", "\x10\x00\x00\x00\x02\x00", "GET / HTTP/1.0\r\n\r\n"}) {
        int error = 0;
        Descriptor socket = ConnectEndpoint(endpoint, &error);
        ASSERT_TRUE(socket);
        const std::string bytes(garbage);
        (void)SendAll(socket.Get(), std::as_bytes(std::span(bytes.data(), bytes.size())));
    }
    std::int32_t total = 0;
    EXPECT_EQ(counter->Add(5, &total), S_OK);
    EXPECT_EQ(total, 5);
    counter->Release();
    EXPECT_EQ(WaitForChild(server), 0);
}

// The server start timeout of activations in this process while it lives.
class StartTimeout {
public:
    explicit StartTimeout(std::chrono::milliseconds limit) : previous_(SetServerStartTimeout(limit)) {}
    ~StartTimeout() { (void)SetServerStartTimeout(previous_); }
    StartTimeout(const StartTimeout&) = delete;
    StartTimeout& operator=(const StartTimeout&) = delete;

private:
    std::chrono::milliseconds previous_;
};

// A program that ends without ever answering is an execution failure, found without waiting
// for the timeout (which a slow start could otherwise reach first).
TEST_F(ComServerProcess, ProgramEndingBeforeItAnswersIsExecFailure) {
    Register("true");
    const StartTimeout longerThanTheTest(kWaitLimit);
    HRESULT hr = S_OK;
    EXPECT_EQ(ActivateCounter(&hr), nullptr);
    EXPECT_EQ(hr, CO_E_SERVER_EXEC_FAILURE);
}

// A program that runs but never answers leaves the endpoint unavailable after the timeout, the
// result that the activation routine retries.
TEST_F(ComServerProcess, ProgramNeverAnsweringIsServerUnavailable) {
    // The program runs until the test opens the pipe for writing, however long the timeout takes.
    const std::string gate = environment_.Path("gate");
    ASSERT_EQ(::mkfifo(gate.c_str(), 0600), 0);
    Register("/bin/sh -c \"cat < '" + gate + "'\"");
    {
        const StartTimeout shortWait(std::chrono::milliseconds(200));
        HRESULT hr = S_OK;
        EXPECT_EQ(ActivateCounter(&hr), nullptr);
        EXPECT_EQ(hr, HR_RPC_S_SERVER_UNAVAILABLE);
    }
    const int writer = ::open(gate.c_str(), O_WRONLY);  // once the program has opened its end
    ASSERT_GE(writer, 0);
    ::close(writer);
    EXPECT_EQ(WaitForRemainingChildren(), std::vector<int>{0});
}

}  // namespace
