// The one activation routine of the suite's out-of-process servers.
//
// ZTCriaInstanciaServidor repeats the creation call while the server is unavailable (it may be
// starting, or quitting at that moment), up to 500 times 500 ms apart, and writes diagnostics to
// the event log. The creation call and the waiting are a seam: the real ones are
// platform::CoCreateInstanceEx and the system ticker; tests install their own. Blocks the calling
// thread for up to about 250 seconds; safe from any thread (the seam is read once per call).
#pragma once

#include "platform/com/activation.h"
#include "platform/system/tick_count.h"

#include <functional>

// Activation flags (ZTCriaInstanciaServidor's `dwFlags`).
constexpr platform::DWORD ZT_CRIA_REGISTRA_EVENTOS = 0x1;  // diagnostics to the event log
constexpr platform::DWORD ZT_CRIA_REPETE = 0x2;            // retry while the server is unavailable

// Attempts and the pause between two of them.
constexpr int ZT_CRIA_TENTATIVAS = 500;
constexpr unsigned ZT_CRIA_PAUSA_MS = 500;

// Creates one object of `clsid` (aggregated into `pUnkOuter` when not null) in `dwClsContext`
// and sets *ppv to its interface `iid`. Returns the result of the last creation call; *ppv is
// null on failure. E_POINTER for a null `ppv`.
[[nodiscard]] platform::HRESULT ZTCriaInstanciaServidor(const platform::CLSID& clsid, platform::IUnknown* pUnkOuter,
                                                        platform::DWORD dwClsContext, const platform::IID& iid,
                                                        void** ppv, platform::DWORD dwFlags);

// The creation call ZTCriaInstanciaServidor makes (CoCreateInstanceEx's shape).
using ZTFuncaoCriaInstancia =
    std::function<platform::HRESULT(const platform::CLSID&, platform::IUnknown*, platform::DWORD,
                                    platform::COSERVERINFO*, platform::DWORD, platform::MULTI_QI*)>;

// What ZTCriaInstanciaServidor creates and waits with ("ambiente": surroundings). An empty
// function or a null ticker means the real one.
struct ZTAmbienteAtivacao {
    ZTFuncaoCriaInstancia criaInstancia;
    platform::Ticker* relogio = nullptr;
};

// Installs `ambiente` and returns the one it replaces.
ZTAmbienteAtivacao ZTDefineAmbienteAtivacao(ZTAmbienteAtivacao ambiente);
