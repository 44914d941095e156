#include "server/links/qd_exclui_vinculos.h"

#include "server/links/qd_percorre_vinculos.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

#include <algorithm>

CQDFiltroVinculos::CQDFiltroVinculos(std::span<const QD_VINCULO_DOC_PS> vinculos) {
    for (const QD_VINCULO_DOC_PS& vinculo : vinculos) {
        const auto eProc = static_cast<std::uint32_t>(vinculo.origem.eProc);
        const std::uint32_t lChave = vinculo.origem.lChave;
        if (lChave == 0 && vinculo.lPosDoc == 0) {
            m_bTodos = true;
        } else if (lChave == 0) {
            m_docsQualquerOrigem.insert(vinculo.lPosDoc);
        } else if (vinculo.lPosDoc == 0) {
            m_origensQualquerDoc.insert(Origem(eProc, lChave));
        } else {
            m_exatos.emplace(eProc, lChave, vinculo.lPosDoc);
        }
    }
}

bool CQDFiltroVinculos::Casa(const QD_VINCULO_DOC_ARQ& registro) const {
    return m_bTodos || m_docsQualquerOrigem.contains(registro.lPosDoc) ||
           m_origensQualquerDoc.contains(Origem(registro.eProc, registro.lChave)) ||
           m_exatos.contains({registro.eProc, registro.lChave, registro.lPosDoc});
}

int QDExcluiVinculos(CZTArqEx& vinculos, const CQDFiltroVinculos& filtro, std::vector<std::uint32_t>* pDocsRemovidos) {
    return QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& registro, std::int32_t posicao) {
        if (!filtro.Casa(registro)) return 0;
        QD_VINCULO_DOC_ARQ removido = registro;
        removido.lExcluido = QD_VINCULO_REMOVIDO;
        if (const int codigo = vinculos.WriteRecord(&removido, posicao)) return codigo;
        if (pDocsRemovidos) pDocsRemovidos->push_back(registro.lPosDoc);
        return 0;
    });
}

platform::HRESULT QDExcluiVinculoDoc(IQDArqBind& bind, std::uint32_t qtd, const QD_VINCULO_DOC_PS* pVinculos) {
    if (qtd > 0 && !pVinculos) return platform::E_INVALIDARG;
    CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(bind);
    if (const int codigo = vinculos.Open('G', true, true)) return QDHResultArq(codigo);
    if (qtd == 0) return platform::S_OK;
    const CQDFiltroVinculos filtro({pVinculos, qtd});
    if (const int codigo = QDExcluiVinculos(vinculos, filtro)) return QDHResultArq(codigo);
    return QDHResultArq(vinculos.CloseEx());
}

platform::HRESULT QDExcluiVinculosDosDocs(IZTQD_Srv& srv, std::span<const std::uint32_t> docs) {
    if (docs.empty()) return platform::S_OK;
    if (std::find(docs.begin(), docs.end(), 0u) != docs.end()) return platform::E_INVALIDARG;
    std::vector<QD_VINCULO_DOC_PS> vinculos(docs.size(), QD_VINCULO_DOC_PS{});
    for (std::size_t i = 0; i < docs.size(); ++i) vinculos[i].lPosDoc = docs[i];
    CLocalConexaoGedSrv local(&srv);
    return local.ExcluiVinculoDoc(static_cast<std::uint32_t>(vinculos.size()), vinculos.data());
}
