#include "server/links/qd_notifica_origem.h"

#include "outside/pendora/qd_propriedades.h"
#include "platform/com/bstr.h"
#include "server/document/qd_exclui_doc.h"
#include "server/links/qd_busca_vinculos.h"
#include "server/links/qd_exclui_vinculos.h"
#include "server/links/qd_percorre_vinculos.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/session/qd_propriedades.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace {

using platform::HRESULT;

// LeDoc's parts left out: users, links and content.
constexpr std::uint32_t kLeituraSemUsuariosVinculosConteudo = 0x0D;
// GravaDoc's parts written: fields and description.
constexpr std::uint32_t kGravaCamposDescricao = 0x0A;

// `docs` without repeats, in first-seen order.
std::vector<std::uint32_t> SemRepeticao(const std::vector<std::uint32_t>& docs) {
    std::vector<std::uint32_t> unicos;
    std::unordered_set<std::uint32_t> vistos;
    for (const std::uint32_t doc : docs) {
        if (vistos.insert(doc).second) unicos.push_back(doc);
    }
    return unicos;
}

bool MesmaDescricao(platform::BSTR a, platform::BSTR b) {
    const std::uint32_t n = platform::SysStringLen(a);
    return n == platform::SysStringLen(b) && (n == 0 || std::memcmp(a, b, n * sizeof(platform::OLECHAR)) == 0);
}

// The value of field `id` in `doc`, or null.
const QD_DOC_CAMPO_PS* Campo(const QD_DOC_PS& doc, QD_E_CAMPO_DOC id) {
    if (!doc.pCampos) return nullptr;
    const QD_DOC_CAMPO_PS* inicio = doc.pCampos;
    const QD_DOC_CAMPO_PS* fim = inicio + doc.nQtdCampos;
    const QD_DOC_CAMPO_PS* achado = std::find_if(inicio, fim, [id](const QD_DOC_CAMPO_PS& c) { return c.id == id; });
    return achado == fim ? nullptr : achado;
}

// Carries the origin's change from `antigo` to `novo` into `doc`.
HRESULT AplicaAlteracao(QD_DOC_PS& doc, const QD_DOC_PS& novo, const QD_DOC_PS& antigo) {
    if (doc.iFilial == antigo.iFilial) doc.iFilial = novo.iFilial;
    if (doc.iDataEmissao == antigo.iDataEmissao) doc.iDataEmissao = novo.iDataEmissao;
    if (doc.iNrLocalizacao == antigo.iNrLocalizacao) doc.iNrLocalizacao = novo.iNrLocalizacao;
    if (MesmaDescricao(doc.bsDescricao, antigo.bsDescricao)) {
        platform::BSTR copia = nullptr;
        if (novo.bsDescricao) {
            copia = platform::SysAllocStringLen(novo.bsDescricao, platform::SysStringLen(novo.bsDescricao));
            if (!copia) return platform::E_OUTOFMEMORY;
        }
        platform::SysFreeString(doc.bsDescricao);
        doc.bsDescricao = copia;
    }
    for (std::uint32_t i = 0; doc.pCampos && i < doc.nQtdCampos; ++i) {
        QD_DOC_CAMPO_PS& campo = doc.pCampos[i];
        const QD_DOC_CAMPO_PS* velho = Campo(antigo, campo.id);
        const QD_DOC_CAMPO_PS* atual = Campo(novo, campo.id);
        if (!velho || !atual || std::memcmp(campo.BinaryData, velho->BinaryData, sizeof campo.BinaryData) != 0) continue;
        std::memcpy(campo.BinaryData, atual->BinaryData, sizeof campo.BinaryData);
    }
    return platform::S_OK;
}

// The documents of `docs` that have no live link left in the open `vinculos`.
int SemVinculo(CZTArqEx& vinculos, std::vector<std::uint32_t>& docs) {
    std::unordered_set<std::uint32_t> restantes(docs.begin(), docs.end());
    const int codigo = QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& registro, std::int32_t) {
        restantes.erase(registro.lPosDoc);
        return 0;
    });
    std::erase_if(docs, [&](std::uint32_t doc) { return !restantes.contains(doc); });
    return codigo;
}

}  // namespace

HRESULT QDNotificaAlteracaoOrigem(const QDSessaoVinculos& sessao, const QD_ORIGEM_VINCULO_DOC_PS& origem,
                                  const QD_DOC_PS& novo, const QD_DOC_PS& antigo) {
    std::vector<std::uint32_t> docs;
    {
        CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(sessao.docs.bind);
        if (const int codigo = vinculos.Open('L', true, true)) return QDHResultArq(codigo);
        if (const HRESULT hr = QDDocsDasOrigens(vinculos, sessao.docs.bind, sessao.acesso, {&origem, 1}, docs);
            platform::FAILED(hr)) {
            return hr;
        }
    }
    docs = SemRepeticao(docs);
    if (docs.empty()) return platform::S_OK;

    CLocalConexaoGedSrv conexao(&sessao.docs.srv);
    std::vector<CQDDoc> lidos(docs.size());
    if (const HRESULT hr = conexao.LeDocEx(static_cast<std::uint32_t>(docs.size()), docs.data(), lidos.data(),
                                           kLeituraSemUsuariosVinculosConteudo);
        platform::FAILED(hr)) {
        return hr;
    }
    for (std::size_t i = 0; i < docs.size(); ++i) {
        if (const HRESULT hr = AplicaAlteracao(lidos[i].GetPS(), novo, antigo); platform::FAILED(hr)) return hr;
        std::uint32_t posicao = docs[i];
        if (const HRESULT hr = conexao.GravaDoc(&posicao, lidos[i], kGravaCamposDescricao); platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}

HRESULT QDNotificaExclusaoOrigem(const QDSessaoVinculos& sessao, const QD_ORIGEM_VINCULO_DOC_PS& origem) {
    if (origem.lChave == 0) return platform::E_INVALIDARG;  // key 0 would match every origin
    std::vector<std::uint32_t> docs;
    {
        CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(sessao.docs.bind);
        if (const int codigo = vinculos.Open('G', true, true)) return QDHResultArq(codigo);
        QD_VINCULO_DOC_PS daOrigem{};
        daOrigem.origem = origem;
        const CQDFiltroVinculos filtro({&daOrigem, 1});
        if (const int codigo = QDExcluiVinculos(vinculos, filtro, &docs)) return QDHResultArq(codigo);

        // Read beside the object's method, which would take this for its client's read.
        CQDPropriedades propriedades;
        if (const HRESULT hr = QDLePropriedades(sessao.docs.bind, &propriedades.GetPS()); platform::FAILED(hr)) {
            return hr;
        }
        if (docs.empty() || !propriedades->bExcluiDocumentoRegistrado) return QDHResultArq(vinculos.CloseEx());
        docs = SemRepeticao(docs);
        if (const int codigo = SemVinculo(vinculos, docs)) return QDHResultArq(codigo);
        if (const int codigo = vinculos.CloseEx()) return QDHResultArq(codigo);
    }
    if (docs.empty()) return platform::S_OK;
    return QDExcluiDocs(sessao.docs, docs, /*bExcluiVinculos=*/false);
}
