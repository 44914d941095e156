#include "platform/com/activation.h"
#include "platform/com/apartment.h"
#include "platform/com/class_registry.h"
#include "platform/com/module_lock.h"
#include "platform/com/ref_counted.h"
#include "platform/tests/com_test_counter.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <thread>
#include <vector>

namespace {

using namespace platform;
using namespace kelvo::testing;

constexpr IID IID_IOther{0x6B1D3A20, 0x2C4E, 0x4F7A, {0x9E, 0x11, 0x5A, 0x3C, 0x77, 0x20, 0x41, 0x04}};

class IOther : public IUnknown {
protected:
    ~IOther() = default;
};

class Tracked final : public com::RefCounted<Tracked, ICounter, IOther> {
public:
    explicit Tracked(bool* destroyed) : destroyed_(destroyed) {}
    ~Tracked() override { *destroyed_ = true; }
    HRESULT QueryInterface(const IID& iid, void** object) override {
        return com::QueryInterfaceFrom({{IID_IUnknown, static_cast<ICounter*>(this)},
                                        {IID_ICounter, static_cast<ICounter*>(this)},
                                        {IID_IOther, static_cast<IOther*>(this)}},
                                       iid, object);
    }
    HRESULT Add(std::int32_t, std::int32_t*) override { return E_NOTIMPL; }
    HRESULT ProcessId(std::int32_t*) override { return E_NOTIMPL; }
    HRESULT Echo(const com::Bytes&, com::Bytes*) override { return E_NOTIMPL; }
    HRESULT AddThroughSelf(std::int32_t, std::int32_t*) override { return E_NOTIMPL; }
    HRESULT LockCount(std::uint32_t*) override { return E_NOTIMPL; }
    HRESULT Fail(HRESULT) override { return E_NOTIMPL; }

private:
    bool* destroyed_;
};

// The object ends with its last reference, whichever interface releases it, and not before.
TEST(ComRefCounted, LastReleaseThroughAnyInterfaceDestroys) {
    bool destroyed = false;
    auto* object = new Tracked(&destroyed);
    void* other = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IOther, &other), S_OK);
    EXPECT_EQ(object->Release(), 1u);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(static_cast<IOther*>(other)->Release(), 0u);
    EXPECT_TRUE(destroyed);
}

// QueryInterface answers each listed identity with the right sub-object and refuses others
// without touching the count.
TEST(ComRefCounted, QueryInterfaceTable) {
    bool destroyed = false;
    auto* object = new Tracked(&destroyed);
    void* pointer = reinterpret_cast<void*>(1);
    EXPECT_EQ(object->QueryInterface(IID_IClassFactory, &pointer), E_NOINTERFACE);
    EXPECT_EQ(pointer, nullptr);
    EXPECT_EQ(object->QueryInterface(IID_IOther, nullptr), E_POINTER);
    ASSERT_EQ(object->QueryInterface(IID_IOther, &pointer), S_OK);
    EXPECT_EQ(pointer, static_cast<IOther*>(object));
    static_cast<IOther*>(pointer)->Release();
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_TRUE(destroyed);
}

// Concurrent AddRef/Release from many threads neither loses a count nor destroys early.
TEST(ComRefCounted, CountIsAtomicAcrossThreads) {
    bool destroyed = false;
    auto* object = new Tracked(&destroyed);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([object] {
            for (int i = 0; i < 10000; ++i) {
                object->AddRef();
                object->Release();
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_TRUE(destroyed);
}

// The lock count follows locks and never wraps below zero (a stray unlock would otherwise keep
// a server alive for ever).
TEST(ComModuleLock, CountsAndNeverGoesBelowZero) {
    ASSERT_EQ(com::ModuleLockCount(), 0u);
    EXPECT_EQ(com::ModuleLock(), 1u);
    {
        com::ModuleReference reference;
        EXPECT_EQ(com::ModuleLockCount(), 2u);
    }
    EXPECT_EQ(com::ModuleUnlock(), 0u);
    EXPECT_EQ(com::ModuleUnlock(), 0u);
    EXPECT_EQ(com::ModuleLockCount(), 0u);
}

// Initialisation is counted per thread: the first call is S_OK, later ones S_FALSE.
TEST(ComApartment, InitialisationIsCountedPerThread) {
    EXPECT_FALSE(IsComInitialized());
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    std::thread other([] {
        EXPECT_FALSE(IsComInitialized());
        EXPECT_EQ(CoInitialize(nullptr), S_OK);
        CoUninitialize();
    });
    other.join();
    CoUninitialize();
    EXPECT_TRUE(IsComInitialized());
    CoUninitialize();
    EXPECT_FALSE(IsComInitialized());
    CoUninitialize();  // one too many is harmless
    EXPECT_FALSE(IsComInitialized());
}

// Registration keeps the factory, refuses a second one for the class and an unknown cookie.
TEST(ComClassObject, RegisterFindRevoke) {
    DWORD cookie = 0;
    ASSERT_EQ(RegisterCounterClass(&cookie), S_OK);
    EXPECT_NE(cookie, 0u);
    DWORD second = 0;
    EXPECT_EQ(RegisterCounterClass(&second), CO_E_OBJISREG);
    // A multiple-use local-server registration also serves its own process.
    for (const DWORD context : {CLSCTX_LOCAL_SERVER, CLSCTX_INPROC_SERVER, CLSCTX_ALL}) {
        IClassFactory* factory = com::FindClassObject(CLSID_Counter, context);
        ASSERT_NE(factory, nullptr) << context;
        factory->Release();
    }
    EXPECT_EQ(com::FindClassObject(CLSID_Counter, CLSCTX_INPROC_HANDLER), nullptr);
    ASSERT_EQ(com::LocalServerClasses().size(), 1u);
    EXPECT_EQ(com::LocalServerClasses()[0], CLSID_Counter);
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(CoRevokeClassObject(cookie), CO_E_OBJNOTREG);
    EXPECT_EQ(com::FindClassObject(CLSID_Counter, CLSCTX_ALL), nullptr);
}

// An object that is no class factory cannot be registered as one.
TEST(ComClassObject, RegistrationNeedsAClassFactory) {
    bool destroyed = false;
    auto* object = new Tracked(&destroyed);
    DWORD cookie = 7;
    EXPECT_EQ(CoRegisterClassObject(CLSID_Counter, static_cast<ICounter*>(object), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              E_NOINTERFACE);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(CoRegisterClassObject(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              E_INVALIDARG);
    object->Release();
    EXPECT_TRUE(destroyed);
}

class ComActivation : public ::testing::Test {
protected:
    TestEnvironment environment_;
};

// A server activating its own class gets the object itself, in its own process, whatever the
// registry says (through its socket its one thread would wait for ever).
TEST_F(ComActivation, OwnRegisteredClassIsCreatedInProcess) {
    DWORD cookie = 0;
    ASSERT_EQ(RegisterCounterClass(&cookie), S_OK);
    void* pointer = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, IID_ICounter, &pointer), S_OK);
    auto* counter = static_cast<ICounter*>(pointer);
    EXPECT_EQ(LiveCounters(), 1);
    EXPECT_EQ(com::ModuleLockCount(), 1u);
    std::int32_t processId = 0;
    ASSERT_EQ(counter->ProcessId(&processId), S_OK);
    EXPECT_EQ(processId, static_cast<std::int32_t>(::getpid()));
    counter->Release();
    EXPECT_EQ(LiveCounters(), 0);
    EXPECT_EQ(com::ModuleLockCount(), 0u);
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
}

// Every requested interface gets its own outcome; a missing one makes the result
// CO_S_NOTALLINTERFACES, not a failure.
TEST_F(ComActivation, MultipleInterfacesReportEachOutcome) {
    DWORD cookie = 0;
    ASSERT_EQ(RegisterCounterClass(&cookie), S_OK);
    MULTI_QI results[3] = {{&IID_ICounter, nullptr, E_FAIL}, {&IID_IUnknown, nullptr, E_FAIL},
                           {&IID_IUnmarshalled, nullptr, E_FAIL}};
    ASSERT_EQ(CoCreateInstanceEx(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, nullptr, 3, results),
              CO_S_NOTALLINTERFACES);
    EXPECT_EQ(results[0].hr, S_OK);
    EXPECT_EQ(results[1].hr, S_OK);
    EXPECT_EQ(results[2].hr, E_NOINTERFACE);
    EXPECT_EQ(results[2].pItf, nullptr);
    EXPECT_EQ(LiveCounters(), 1);
    results[0].pItf->Release();
    results[1].pItf->Release();
    EXPECT_EQ(LiveCounters(), 0);
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
}

// This machine named by its host name (with or without "\\\\") or "." is not another machine.
TEST_F(ComActivation, ThisMachineByNameIsLocal) {
    DWORD cookie = 0;
    ASSERT_EQ(RegisterCounterClass(&cookie), S_OK);
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    for (const std::string& name : {std::string(host), "\\\\" + std::string(host), std::string(".")}) {
        std::u16string wide(name.begin(), name.end());
        COSERVERINFO server{0, wide.data(), nullptr, 0};
        MULTI_QI result{&IID_ICounter, nullptr, E_FAIL};
        ASSERT_EQ(CoCreateInstanceEx(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, &server, 1, &result), S_OK) << name;
        result.pItf->Release();
    }
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
}

// Refusals before anything is created: bad arguments, unregistered classes, aggregation across
// processes, another machine, an interface without a proxy.
TEST_F(ComActivation, RefusalsCarryTheirOwnCodes) {
    MULTI_QI none{nullptr, nullptr, S_OK};
    EXPECT_EQ(CoCreateInstanceEx(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, nullptr, 1, &none), E_INVALIDARG);
    EXPECT_EQ(CoCreateInstanceEx(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, nullptr, 0, &none), E_INVALIDARG);

    void* pointer = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, IID_ICounter, &pointer),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(pointer, nullptr);

    const com::RegistryScriptKey keys[] = {
        {"CLSID\\" + GuidToString(CLSID_Counter), "Counter", {}, com::KeyRemoval::ForceRemove},
        {"CLSID\\" + GuidToString(CLSID_Counter) + "\\LocalServer32", "/nonexistent/server", {}},
    };
    ASSERT_EQ(com::ApplyRegistryScript(HKEY_CLASSES_ROOT, keys, true), ERROR_SUCCESS);
    // Only an in-process server was asked for, and there is none.
    EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_INPROC_SERVER, IID_ICounter, &pointer),
              REGDB_E_CLASSNOTREG);
    bool destroyed = false;
    auto* outer = new Tracked(&destroyed);
    EXPECT_EQ(CoCreateInstance(CLSID_Counter, static_cast<ICounter*>(outer), CLSCTX_LOCAL_SERVER, IID_ICounter, &pointer),
              CLASS_E_NOAGGREGATION);
    outer->Release();
    // The registration is there but nobody can make a proxy for this interface.
    EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnmarshalled, &pointer), E_NOINTERFACE);

    std::u16string machine = u"elsewhere-machine";
    COSERVERINFO server{0, machine.data(), nullptr, 0};
    MULTI_QI result{&IID_ICounter, nullptr, S_OK};
    EXPECT_EQ(CoCreateInstanceEx(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, &server, 1, &result),
              HR_RPC_S_SERVER_UNAVAILABLE);
    EXPECT_EQ(result.hr, HR_RPC_S_SERVER_UNAVAILABLE);
}

// The server program named by the registration does not exist: the start fails with the
// file's error instead of waiting for an answer that cannot come.
TEST_F(ComActivation, MissingServerProgramIsFileNotFound) {
    RegisterCounterProxyStub();
    const com::RegistryScriptKey keys[] = {
        {"CLSID\\" + GuidToString(CLSID_Counter) + "\\LocalServer32", environment_.Path("no-such-server"), {}},
    };
    ASSERT_EQ(com::ApplyRegistryScript(HKEY_CLASSES_ROOT, keys, true), ERROR_SUCCESS);
    void* pointer = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_Counter, nullptr, CLSCTX_LOCAL_SERVER, IID_ICounter, &pointer),
              HResultFromWin32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(pointer, nullptr);
}

}  // namespace
