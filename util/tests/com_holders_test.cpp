#include "util/com/zt_lista_interfaces.h"
#include "util/com/zt_ptr_com.h"

#include "util/tests/com_test_objects.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace platform;
using namespace kelvo::testing;

// Hands out new probes numbered from 1, or fails with `failure` when it is set.
class ProbeActivation : public ::testing::Test {
protected:
    void SetUp() override {
        ZTAmbienteAtivacao ambiente;
        ambiente.relogio = &ticker_;
        ambiente.criaInstancia = [this](const CLSID&, IUnknown*, DWORD, COSERVERINFO*, DWORD, MULTI_QI* results) {
            if (FAILED(failure_)) return results[0].hr = failure_;
            results[0].pItf = static_cast<IProbe*>(new Probe(++created_));
            return results[0].hr = S_OK;
        };
        previous_ = ZTDefineAmbienteAtivacao(ambiente);
    }
    void TearDown() override { ZTDefineAmbienteAtivacao(previous_); }

    FakeTicker ticker_;
    HRESULT failure_ = S_OK;
    int created_ = 0;
    ZTAmbienteAtivacao previous_;
};

// The holder owns one pointer: a new instance replaces and releases the old, a failed one keeps
// it, and the holder's end releases the last.
TEST_F(ProbeActivation, PtrCOMOwnsItsPointer) {
    {
        CZTPtrCOM<IProbe, IID_IProbe> holder;
        EXPECT_EQ(holder.GetInterface(), nullptr);
        ASSERT_EQ(holder.CriaInstancia(CLSID_Probe, nullptr, CLSCTX_LOCAL_SERVER, 0), S_OK);
        EXPECT_EQ(holder.GetInterface()->Id(), 1);
        ASSERT_EQ(holder.CriaInstancia(CLSID_Probe, nullptr, CLSCTX_LOCAL_SERVER, 0), S_OK);
        EXPECT_EQ(holder.GetInterface()->Id(), 2);
        EXPECT_EQ(Probe::Live(), 1);
        failure_ = REGDB_E_CLASSNOTREG;
        EXPECT_EQ(holder.CriaInstancia(CLSID_Probe, nullptr, CLSCTX_LOCAL_SERVER, 0), REGDB_E_CLASSNOTREG);
        EXPECT_EQ(holder.GetInterface()->Id(), 2);
    }
    EXPECT_EQ(Probe::Live(), 0);
}

// Interfaces come out in the order they went in, across threads and beyond one block.
TEST(CZTListaInterfaces, HandsOverInOrderAcrossThreads) {
    {
        CZTListaInterfaces lista;
        std::thread producer([&lista] {
            for (int i = 1; i <= 25; ++i) {
                auto* probe = new Probe(i);
                lista.Adiciona(IID_IProbe, static_cast<IProbe*>(probe));
                probe->Release();  // the list keeps its own reference
            }
        });
        producer.join();
        EXPECT_EQ(Probe::Live(), 25);
        std::thread consumer([&lista] {
            for (int i = 1; i <= 25; ++i) {
                void* pointer = nullptr;
                lista.Retira(IID_IProbe, &pointer);
                auto* probe = static_cast<IProbe*>(pointer);
                EXPECT_EQ(probe->Id(), i);
                probe->Release();
            }
        });
        consumer.join();
        EXPECT_EQ(Probe::Live(), 0);
    }
}

// Failures raise the COM error with their result; a failed take still removes its entry.
TEST(CZTListaInterfaces, FailuresRaiseComErrors) {
    CZTListaInterfaces lista;
    auto expectError = [](auto action, HRESULT expected) {
        try {
            action();
            ADD_FAILURE() << "no exception";
        } catch (const ComError& error) {
            EXPECT_EQ(error.Error(), expected);
        }
    };
    void* pointer = nullptr;
    expectError([&] { lista.Retira(IID_IProbe, &pointer); }, E_INVALIDARG);
    expectError([&] { lista.Adiciona(IID_IProbe, nullptr); }, E_INVALIDARG);
    auto* probe = new Probe(7);
    expectError([&] { lista.Adiciona(IID_INotProbe, static_cast<IProbe*>(probe)); }, E_NOINTERFACE);
    lista.Adiciona(IID_IProbe, static_cast<IProbe*>(probe));
    expectError([&] { lista.Retira(IID_INotProbe, &pointer); }, E_NOINTERFACE);
    expectError([&] { lista.Retira(IID_IProbe, &pointer); }, E_INVALIDARG);
    EXPECT_EQ(probe->Release(), 0u);
    EXPECT_EQ(Probe::Live(), 0);
}

// Entries nobody took are released with the list.
TEST(CZTListaInterfaces, LeftoversAreReleased) {
    {
        CZTListaInterfaces lista;
        for (int i = 0; i < 3; ++i) {
            auto* probe = new Probe(i);
            lista.Adiciona(IID_IUnknown, static_cast<IProbe*>(probe));
            probe->Release();
        }
        EXPECT_EQ(Probe::Live(), 3);
    }
    EXPECT_EQ(Probe::Live(), 0);
}

}  // namespace
