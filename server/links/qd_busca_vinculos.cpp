#include "server/links/qd_busca_vinculos.h"

#include "platform/com/task_allocator.h"
#include "server/document/qd_doc_arq.h"
#include "server/links/qd_percorre_vinculos.h"
#include "server/links/qd_vinculo_doc_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace {

std::uint64_t Chave(std::uint32_t eProc, std::uint32_t lChave) { return (std::uint64_t{eProc} << 32) | lChave; }

// Whether the session sees document `lPosDoc`, each document judged once per scan.
class CVisibilidade {
public:
    CVisibilidade(IQDArqBind& bind, const QDSessaoAcesso& acesso) : m_docs(bind), m_acesso(bind, acesso) {}

    [[nodiscard]] platform::HRESULT Abre() {
        if (const int codigo = m_docs.Open('L', true, true)) return QDHResultArq(codigo);
        return m_acesso.Abre();
    }

    // QD_DOC_VISIVEL, QD_DOC_OCULTO or the failure.
    [[nodiscard]] platform::HRESULT Visivel(std::uint32_t lPosDoc) {
        if (const auto achado = m_julgados.find(lPosDoc); achado != m_julgados.end()) return achado->second;
        std::int32_t posicao = 0;
        if (const int codigo = QDPosicaoRegistro(lPosDoc, posicao)) return QDHResultArq(codigo);
        QD_DOC_ARQ doc{};
        if (const int codigo = m_docs.ReadRecord(posicao, &doc)) return QDHResultArq(codigo);
        const platform::HRESULT hr = m_acesso.Visivel(doc);
        if (platform::SUCCEEDED(hr)) m_julgados.emplace(lPosDoc, hr);
        return hr;
    }

private:
    CQDArqT<QD_DOC_ARQ> m_docs;
    CQDAcessoDoc m_acesso;
    std::unordered_map<std::uint32_t, platform::HRESULT> m_julgados;
};

}  // namespace

platform::HRESULT QDDocsDasOrigens(CZTArqEx& vinculos, IQDArqBind& bind, const QDSessaoAcesso& acesso,
                                   std::span<const QD_ORIGEM_VINCULO_DOC_PS> origens, std::vector<std::uint32_t>& docs) {
    docs.clear();
    if (origens.empty()) return platform::S_OK;
    std::unordered_set<std::uint64_t> procuradas;
    for (const QD_ORIGEM_VINCULO_DOC_PS& origem : origens) {
        procuradas.insert(Chave(static_cast<std::uint32_t>(origem.eProc), origem.lChave));
    }
    CVisibilidade visibilidade(bind, acesso);
    if (const platform::HRESULT hr = visibilidade.Abre(); platform::FAILED(hr)) return hr;

    platform::HRESULT falha = platform::S_OK;
    const int codigo = QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& registro, std::int32_t) {
        if (!procuradas.contains(Chave(registro.eProc, registro.lChave))) return 0;
        const platform::HRESULT hr = visibilidade.Visivel(registro.lPosDoc);
        if (platform::FAILED(hr)) {
            falha = hr;
            return 1;  // stops the pass; the failure is `falha`
        }
        if (hr == QD_DOC_VISIVEL) docs.push_back(registro.lPosDoc);
        return 0;
    });
    if (codigo == 0) return platform::S_OK;
    docs.clear();
    return platform::FAILED(falha) ? falha : QDHResultArq(codigo);
}

platform::HRESULT QDBuscaVinculosDocByOrigem(IQDArqBind& bind, const QDSessaoAcesso& acesso, std::uint32_t qtd,
                                             const QD_ORIGEM_VINCULO_DOC_PS* origem, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (!pRegPtrs) return platform::E_POINTER;
    *pRegPtrs = {};
    if (qtd > 0 && !origem) return platform::E_INVALIDARG;
    CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(bind);
    if (const int codigo = vinculos.Open('L', true, true)) return QDHResultArq(codigo);
    std::vector<std::uint32_t> docs;
    if (const platform::HRESULT hr = QDDocsDasOrigens(vinculos, bind, acesso, {origem, qtd}, docs); platform::FAILED(hr)) {
        return hr;
    }
    if (docs.empty()) return platform::S_OK;
    auto* ptrs = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(docs.size() * sizeof(std::uint32_t)));
    if (!ptrs) return platform::E_OUTOFMEMORY;
    std::memcpy(ptrs, docs.data(), docs.size() * sizeof(std::uint32_t));
    pRegPtrs->qtd = static_cast<std::uint32_t>(docs.size());
    pRegPtrs->pPtrs = ptrs;
    return platform::S_OK;
}
