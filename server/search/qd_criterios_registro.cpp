#include "server/search/qd_criterios_registro.h"

#include "server/document/qd_doc_conversao.h"
#include "server/search/qd_docs_pontuados.h"
#include "server/search/qd_texto_fixo.h"
#include "util/time/short_date.h"

CQDCriteriosRegistro::CQDCriteriosRegistro(const QD_DOC_FILTRO_PS& filtro)
    : m_nrLocalizacao(FaixaDe(filtro.iNrLocalizacaoIni, filtro.iNrLocalizacaoFim)),
      m_inclusao(FaixaDe(filtro.dataInclusaoIni, filtro.dataInclusaoFim)),
      m_modificacao(FaixaDe(filtro.dataModificacaoIni, filtro.dataModificacaoFim)),
      m_emissao(FaixaDe(ZTDataCurtaParaDiaNumero(filtro.iDataEmissaoIni),
                        ZTDataCurtaParaDiaNumero(filtro.iDataEmissaoFim))),
      m_validade(FaixaDe(filtro.iDataValidadeIni, filtro.iDataValidadeFim)),
      m_iUsuarioIncluiu(filtro.iUsuarioIncluiu),
      m_iUsuarioAlterou(filtro.iUsuarioAlterou),
      m_padroes(QDTextoFixo(filtro.szOriginalFileName)) {}

bool CQDCriteriosRegistro::Avalia(const QD_DOC_ARQ& doc, bool qualquer, int& pontos) const {
    // One criterion: a point when met; in the strict mode a miss ends the test, and nothing after
    // it is worked out.
    bool passa = true;
    const auto criterio = [&](bool definido, auto atendido) {
        if (!definido || !passa) return;
        if (atendido()) {
            QDSomaPontos(pontos, 1);
        } else if (!qualquer) {
            passa = false;
        }
    };
    criterio(m_nrLocalizacao.bDefinida, [&] { return m_nrLocalizacao.Contem(doc.iNrLocalizacao); });
    criterio(m_inclusao.bDefinida, [&] { return m_inclusao.Contem(doc.dataInclusao); });
    criterio(m_modificacao.bDefinida, [&] { return m_modificacao.Contem(doc.dataModificacao); });
    criterio(m_emissao.bDefinida, [&] { return m_emissao.Contem(ZTDataCurtaParaDiaNumero(doc.iDataEmissao)); });
    criterio(m_validade.bDefinida, [&] { return m_validade.Contem(doc.iDataValidade); });
    criterio(m_iUsuarioIncluiu != 0 || m_iUsuarioAlterou != 0, [&] {
        return (m_iUsuarioIncluiu != 0 && doc.iUsuarioIncluiu == m_iUsuarioIncluiu) ||
               (m_iUsuarioAlterou != 0 && doc.iUsuarioAlterou == m_iUsuarioAlterou);
    });
    criterio(!m_padroes.Vazio(), [&] { return m_padroes.Combina(QDNomeOriginalDoc(doc)); });
    return passa;
}
