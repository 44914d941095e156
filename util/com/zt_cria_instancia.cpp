#include "util/com/zt_cria_instancia.h"

#include "util/com/zt_evento_servidor.h"
#include "util/com/zt_ping.h"
#include "util/com/zt_seguranca_com.h"
#include "util/com/zt_servidor_remoto.h"

#include <mutex>

using namespace platform;

namespace {

std::mutex g_mutex;
ZTAmbienteAtivacao g_ambiente;

ZTAmbienteAtivacao AmbienteAtual() {
    std::lock_guard lock(g_mutex);
    ZTAmbienteAtivacao ambiente = g_ambiente;
    if (!ambiente.criaInstancia) ambiente.criaInstancia = &CoCreateInstanceEx;
    if (!ambiente.relogio) ambiente.relogio = &SystemTicker();
    return ambiente;
}

// One creation call for one interface; *ppv receives it on success.
HRESULT CriaUma(const ZTFuncaoCriaInstancia& cria, const CLSID& clsid, IUnknown* pUnkOuter, DWORD dwClsContext,
                COSERVERINFO* servidor, const IID& iid, IUnknown** ppv) {
    MULTI_QI qi{&iid, nullptr, S_OK};
    HRESULT hr = cria(clsid, pUnkOuter, dwClsContext, servidor, 1, &qi);
    // A success without the one interface asked for is that interface's failure.
    if (SUCCEEDED(hr) && !qi.pItf) hr = FAILED(qi.hr) ? qi.hr : E_NOINTERFACE;
    *ppv = SUCCEEDED(hr) ? qi.pItf : nullptr;
    return hr;
}

// The first failure: a warning, then the ping of the server's machine as an error.
void RegistraPrimeiraFalha(const CLSID& clsid, HRESULT hr) {
    ZTRegistraEventoServidor(clsid, hr, EVENTLOG_WARNING_TYPE, "\n\nA primeira tentativa de instanciar o servidor falhou");
    CZTString saida;
    (void)ZTPing(ZTGetServidorRemoto(clsid), saida);
    ZTRegistraEventoServidor(clsid, hr, EVENTLOG_ERROR_TYPE, saida);
}

}  // namespace

ZTAmbienteAtivacao ZTDefineAmbienteAtivacao(ZTAmbienteAtivacao ambiente) {
    std::lock_guard lock(g_mutex);
    ZTAmbienteAtivacao anterior = std::move(g_ambiente);
    g_ambiente = std::move(ambiente);
    return anterior;
}

HRESULT ZTCriaInstanciaServidor(const CLSID& clsid, IUnknown* pUnkOuter, DWORD dwClsContext, const IID& iid, void** ppv,
                                DWORD dwFlags) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    const ZTAmbienteAtivacao ambiente = AmbienteAtual();
    COAUTHINFO autenticacao{RPC_C_AUTHN_NONE, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_NONE,
                            RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE};
    COSERVERINFO servidor{0, nullptr, &autenticacao, 0};

    IUnknown* pInterface = nullptr;
    HRESULT hr = E_FAIL;
    for (int i = 0; i < ZT_CRIA_TENTATIVAS; ++i) {
        hr = CriaUma(ambiente.criaInstancia, clsid, pUnkOuter, dwClsContext, &servidor, iid, &pInterface);
        if (SUCCEEDED(hr) && i > 1) {
            CZTString texto;
            texto.Format("Instancia estabelecida com sucesso na vez %d", i);
            ZTRegistraEventoServidor(clsid, hr, EVENTLOG_WARNING_TYPE, texto);
        }
        if (hr == E_INVALIDARG) {
            hr = CriaUma(ambiente.criaInstancia, clsid, pUnkOuter, dwClsContext, nullptr, iid, &pInterface);
        }
        if (hr != HR_RPC_S_SERVER_UNAVAILABLE || !(dwFlags & ZT_CRIA_REPETE)) break;
        if (i == 1 && (dwFlags & ZT_CRIA_REGISTRA_EVENTOS)) RegistraPrimeiraFalha(clsid, hr);
        ambiente.relogio->Sleep(ZT_CRIA_PAUSA_MS);
    }

    if (SUCCEEDED(hr)) {
        (void)ZTDefineSegurancaProxy(pInterface);
        *ppv = pInterface;
    } else if (dwFlags & ZT_CRIA_REGISTRA_EVENTOS) {
        ZTRegistraEventoServidor(clsid, hr, EVENTLOG_ERROR_TYPE, "\n\nErro instanciando servidor");
    }
    return hr;
}
