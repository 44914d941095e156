#include "server/log/qd_log_cauda.h"

#include "server/log/qd_percorre_log.h"
#include "server/record_file/zt_arq_ex.h"

#include <cstdint>
#include <mutex>
#include <set>
#include <string>

namespace {

using platform::HRESULT;
using platform::S_OK;

// The logs this process has seen end on a complete entry since they last failed an append.
class CCaudasConferidas {
public:
    static CCaudasConferidas& Processo() {
        static CCaudasConferidas conferidas;
        return conferidas;
    }
    [[nodiscard]] bool Contem(const CZTString& caminho) {
        const std::lock_guard trava(m_mutex);
        return m_caminhos.contains(caminho.str());
    }
    void Poe(const CZTString& caminho) {
        const std::lock_guard trava(m_mutex);
        m_caminhos.insert(caminho.str());
    }
    void Tira(const CZTString& caminho) {
        const std::lock_guard trava(m_mutex);
        m_caminhos.erase(caminho.str());
    }

private:
    std::mutex m_mutex;
    std::set<std::string> m_caminhos;
};

}  // namespace

HRESULT QDCortaCaudaRasgada(CZTArqEx& arquivo, const CZTString& caminho) {
    CCaudasConferidas& conferidas = CCaudasConferidas::Processo();
    if (conferidas.Contem(caminho)) return S_OK;
    std::uint64_t fimCompletas = 0;
    const HRESULT hr = QDPercorreLog(arquivo, [](CQDLogEntrada&&) {}, fimCompletas);
    if (hr != S_OK && hr != QD_E_LOG_DANIFICADO) return hr;
    // A sound log is cut at its own length, which changes nothing.
    if (hr == S_OK) {
        if (const int codigo = arquivo.SetLengthEx(fimCompletas)) return platform::HResultFromMessage(codigo);
    }
    conferidas.Poe(caminho);
    return S_OK;
}

void QDDesconfiaCaudaLog(const CZTString& caminho) { CCaudasConferidas::Processo().Tira(caminho); }
