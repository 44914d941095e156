#include "util/com/zt_cria_instancia.h"

#include "platform/text/codepage.h"
#include "platform/com/hresult_text.h"
#include "platform/system/event_log.h"
#include "platform/system/process_info.h"
#include "platform/tests/support/capturing_event_log_writer.h"
#include "platform/tests/support/test_environment.h"
#include "util/tests/com_test_objects.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using namespace platform;
using namespace kelvo::testing;

// One creation call as the fake saw it.
struct Call {
    bool hadServerInfo;
    COSERVERINFO server;
    COAUTHINFO auth;
    DWORD context;
    IID iid;
};

class ZTCriaInstancia : public ::testing::Test {
protected:
    void SetUp() override {
        previousWriter_ = SetEventLogWriter(&writer_);
        ZTAmbienteAtivacao ambiente;
        ambiente.relogio = &ticker_;
        ambiente.criaInstancia = [this](const CLSID&, IUnknown*, DWORD context, COSERVERINFO* server, DWORD count,
                                        MULTI_QI* results) {
            Call call{server != nullptr, {}, {}, context, *results[0].pIID};
            if (server) call.server = *server;
            if (server && server->pAuthInfo) call.auth = *server->pAuthInfo;
            calls_.push_back(call);
            EXPECT_EQ(count, 1u);
            const HRESULT hr = results_.empty() ? HR_RPC_S_SERVER_UNAVAILABLE : results_.front();
            if (!results_.empty()) results_.pop_front();
            results[0].hr = hr;
            results[0].pItf = SUCCEEDED(hr) ? static_cast<IProbe*>(new Probe(42)) : nullptr;
            return hr;
        };
        previousAmbiente_ = ZTDefineAmbienteAtivacao(ambiente);
    }

    void TearDown() override {
        ZTDefineAmbienteAtivacao(previousAmbiente_);
        SetEventLogWriter(previousWriter_);
    }

    HRESULT Cria(DWORD flags, void** object) {
        return ZTCriaInstanciaServidor(CLSID_Probe, nullptr, CLSCTX_LOCAL_SERVER, IID_IProbe, object, flags);
    }

    // The second string every entry carries.
    static std::string Details(HRESULT hr) {
        String program;
        EXPECT_EQ(ModulePath(program), ERROR_SUCCESS);
        char text[1024];
        std::snprintf(text, sizeof text, "\nHR: 0x%X (%s)\nCLSID: %s\nPrograma: %s\n", static_cast<unsigned>(hr),
                      HResultText(hr).c_str(), GuidToString(CLSID_Probe).c_str(), program.GetString());
        return text;
    }

    void ExpectEntry(std::size_t index, WORD type, HRESULT hr, const std::string& text) {
        ASSERT_LT(index, writer_.entries.size());
        const EventLogEntry& entry = writer_.entries[index];
        EXPECT_EQ(entry.source.str(), "Quorvel");
        EXPECT_EQ(entry.type, type);
        EXPECT_EQ(entry.category, 0);
        EXPECT_EQ(entry.eventId, static_cast<DWORD>(hr));
        ASSERT_EQ(entry.strings.size(), 2u);
        EXPECT_EQ(entry.strings[0].str(), text);
        EXPECT_EQ(entry.strings[1].str(), Details(hr));
    }

    TestEnvironment environment_;  // ZTGetServidorRemoto reads a private, empty registry
    CapturingEventLogWriter writer_;
    FakeTicker ticker_;
    std::deque<HRESULT> results_;
    std::vector<Call> calls_;
    EventLogWriter* previousWriter_ = nullptr;
    ZTAmbienteAtivacao previousAmbiente_;
};

// Unavailable twice, then available: the first-failure warning, the ping as an error entry and
// the success warning with the attempt number 2, in that order.
TEST_F(ZTCriaInstancia, ThirdAttemptSucceedsWithDiagnostics) {
    results_ = {HR_RPC_S_SERVER_UNAVAILABLE, HR_RPC_S_SERVER_UNAVAILABLE, S_OK};
    void* object = nullptr;
    ASSERT_EQ(Cria(ZT_CRIA_REGISTRA_EVENTOS | ZT_CRIA_REPETE, &object), S_OK);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(static_cast<IProbe*>(object)->Id(), 42);
    static_cast<IProbe*>(object)->Release();
    EXPECT_EQ(Probe::Live(), 0);

    EXPECT_EQ(calls_.size(), 3u);
    EXPECT_EQ(ticker_.sleeps, (std::vector<unsigned>{500, 500}));
    ASSERT_EQ(writer_.entries.size(), 3u);
    ExpectEntry(0, EVENTLOG_WARNING_TYPE, HR_RPC_S_SERVER_UNAVAILABLE,
                "\n\nA primeira tentativa de instanciar o servidor falhou");
    // No remote machine is registered for the class: the ping says so.
    ExpectEntry(1, EVENTLOG_ERROR_TYPE, HR_RPC_S_SERVER_UNAVAILABLE, "Falta informar o IP");
    ExpectEntry(2, EVENTLOG_WARNING_TYPE, S_OK, "Instancia estabelecida com sucesso na vez 2");
}

// The success warning is written even without the diagnostics flag; the failure entries are not.
TEST_F(ZTCriaInstancia, SuccessWarningWithoutDiagnosticsFlag) {
    results_ = {HR_RPC_S_SERVER_UNAVAILABLE, HR_RPC_S_SERVER_UNAVAILABLE, HR_RPC_S_SERVER_UNAVAILABLE, S_OK};
    void* object = nullptr;
    ASSERT_EQ(Cria(ZT_CRIA_REPETE, &object), S_OK);
    static_cast<IProbe*>(object)->Release();
    ASSERT_EQ(writer_.entries.size(), 1u);
    ExpectEntry(0, EVENTLOG_WARNING_TYPE, S_OK, "Instancia estabelecida com sucesso na vez 3");
}

// Success on the first or second attempt writes nothing.
TEST_F(ZTCriaInstancia, EarlySuccessWritesNothing) {
    for (const std::deque<HRESULT>& script : {std::deque<HRESULT>{S_OK}, std::deque<HRESULT>{HR_RPC_S_SERVER_UNAVAILABLE, S_OK}}) {
        results_ = script;
        void* object = nullptr;
        ASSERT_EQ(Cria(ZT_CRIA_REGISTRA_EVENTOS | ZT_CRIA_REPETE, &object), S_OK);
        static_cast<IProbe*>(object)->Release();
    }
    EXPECT_TRUE(writer_.entries.empty());
}

// E_INVALIDARG is answered at once by a second call without server information; its success
// ends the routine with no retry and no wait.
TEST_F(ZTCriaInstancia, InvalidArgIsRetriedAtOnceWithoutServerInfo) {
    results_ = {E_INVALIDARG, S_OK};
    void* object = nullptr;
    ASSERT_EQ(Cria(ZT_CRIA_REGISTRA_EVENTOS | ZT_CRIA_REPETE, &object), S_OK);
    static_cast<IProbe*>(object)->Release();
    ASSERT_EQ(calls_.size(), 2u);
    EXPECT_TRUE(calls_[0].hadServerInfo);
    EXPECT_FALSE(calls_[1].hadServerInfo);
    EXPECT_TRUE(ticker_.sleeps.empty());
    EXPECT_TRUE(writer_.entries.empty());
}

// The second call's result replaces the first: a second E_INVALIDARG is the result.
TEST_F(ZTCriaInstancia, SecondResultReplacesTheFirst) {
    results_ = {E_INVALIDARG, REGDB_E_CLASSNOTREG};
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(Cria(ZT_CRIA_REPETE, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(calls_.size(), 2u);
}

// Without the retry flag, an unavailable server is answered after one attempt; with the
// diagnostics flag the final error entry is written.
TEST_F(ZTCriaInstancia, NoRetryFlagMeansOneAttempt) {
    void* object = nullptr;
    EXPECT_EQ(Cria(ZT_CRIA_REGISTRA_EVENTOS, &object), HR_RPC_S_SERVER_UNAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_TRUE(ticker_.sleeps.empty());
    ASSERT_EQ(writer_.entries.size(), 1u);
    ExpectEntry(0, EVENTLOG_ERROR_TYPE, HR_RPC_S_SERVER_UNAVAILABLE, "\n\nErro instanciando servidor");
}

// Any other failure ends the attempts at once, even with the retry flag.
TEST_F(ZTCriaInstancia, OtherFailuresAreNotRetried) {
    results_ = {REGDB_E_CLASSNOTREG};
    void* object = nullptr;
    EXPECT_EQ(Cria(ZT_CRIA_REPETE, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(calls_.size(), 1u);
    EXPECT_TRUE(writer_.entries.empty());
}

// A server that never comes is tried 500 times, 500 ms apart, then reported once.
TEST_F(ZTCriaInstancia, GivesUpAfterFiveHundredAttempts) {
    void* object = nullptr;
    EXPECT_EQ(Cria(ZT_CRIA_REGISTRA_EVENTOS | ZT_CRIA_REPETE, &object), HR_RPC_S_SERVER_UNAVAILABLE);
    EXPECT_EQ(calls_.size(), 500u);
    EXPECT_EQ(ticker_.sleeps.size(), 500u);
    EXPECT_EQ(ticker_.now - 1000, 250000u);
    ASSERT_EQ(writer_.entries.size(), 3u);
    ExpectEntry(2, EVENTLOG_ERROR_TYPE, HR_RPC_S_SERVER_UNAVAILABLE, "\n\nErro instanciando servidor");
}

// The creation call gets the fixed security settings and no machine name, and the caller's
// context and interface.
TEST_F(ZTCriaInstancia, CreationCallCarriesFixedSettings) {
    results_ = {S_OK};
    void* object = nullptr;
    ASSERT_EQ(Cria(0, &object), S_OK);
    static_cast<IProbe*>(object)->Release();
    ASSERT_EQ(calls_.size(), 1u);
    const Call& call = calls_[0];
    EXPECT_EQ(call.server.pwszName, nullptr);
    EXPECT_EQ(call.auth.dwAuthnSvc, RPC_C_AUTHN_NONE);
    EXPECT_EQ(call.auth.dwAuthzSvc, RPC_C_AUTHZ_NONE);
    EXPECT_EQ(call.auth.pwszServerPrincName, nullptr);
    EXPECT_EQ(call.auth.dwAuthnLevel, RPC_C_AUTHN_LEVEL_NONE);
    EXPECT_EQ(call.auth.dwImpersonationLevel, RPC_C_IMP_LEVEL_IMPERSONATE);
    EXPECT_EQ(call.auth.pAuthIdentityData, nullptr);
    EXPECT_EQ(call.auth.dwCapabilities, EOAC_NONE);
    EXPECT_EQ(call.context, CLSCTX_LOCAL_SERVER);
    EXPECT_EQ(call.iid, IID_IProbe);
}

// Nowhere to put the result is refused before any attempt.
TEST_F(ZTCriaInstancia, NullOutIsRefused) {
    EXPECT_EQ(Cria(ZT_CRIA_REPETE, nullptr), E_POINTER);
    EXPECT_TRUE(calls_.empty());
}

// Without an installed seam the real activation runs: an unregistered class is refused at once.
TEST(ZTCriaInstanciaReal, UnregisteredClassIsRefusedAtOnce) {
    TestEnvironment environment;
    void* object = nullptr;
    EXPECT_EQ(ZTCriaInstanciaServidor(CLSID_Probe, nullptr, CLSCTX_LOCAL_SERVER, IID_IProbe, &object, ZT_CRIA_REPETE),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
}

}  // namespace
