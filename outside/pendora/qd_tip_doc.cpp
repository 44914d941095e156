#include "outside/pendora/qd_tip_doc.h"

#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_texto_busca.h"
#include "outside/pendora/qd_texto_log.h"
#include "outside/pendora/qd_tipo_validade.h"
#include "platform/text/codepage.h"

namespace {

using namespace pendora::detail;

CZTString Usuarios(const QD_TIPDOC_PS& ps) {
    CZTString lista;
    if (!ps.pUsuarios) return lista;
    for (std::uint32_t i = 0; i < ps.nQtdUsuarios; ++i) {
        lista.Acrescenta(", ", CZTString::Formata("%u", ps.pUsuarios[i]));
    }
    return lista;
}

CZTString Processos(const QD_TIPDOC_PS& ps) {
    CZTString lista;
    if (!ps.pProcessos) return lista;
    for (std::uint32_t i = 0; i < ps.nQtdProcessos; ++i) {
        const QD_E_PROCESSO eProc = ps.pProcessos[i];
        lista.Acrescenta(", ", NomeOuNumeroLog(QDGetNomeProcesso(eProc), eProc));
    }
    return lista;
}

CZTString Campo(const QD_TIPDOC_CAMPO_PS& campo) {
    CZTString texto = TextoDoCampoLog(campo.szNome);
    if (texto.IsEmpty()) texto = NomeOuNumeroLog(QDGetDescricaoCampo(campo.id), campo.id);
    if (campo.dwFlags & 0x1) texto += platform::AnsiFromUtf8(" (obrigatório)");
    return texto;
}

CZTString Campos(const QD_TIPDOC_PS& ps) {
    CZTString lista;
    if (!ps.pCampos) return lista;
    for (std::uint32_t i = 0; i < ps.nQtdCampos; ++i) lista.Acrescenta(", ", Campo(ps.pCampos[i]));
    return lista;
}

}  // namespace

CZTString CQDTipDoc::ToStringLog() const {
    const QD_TIPDOC_PS& ps = GetPS();
    const CZTString validade =
        CZTString::Formata("%u %s", ps.iValorValidade,
                           NomeOuNumeroLog(QDGetDescricaoTipoValidade(ps.eValidade), ps.eValidade).GetString());
    CZTString texto;
    AcrescentaCampoLog(texto, "Código", TextoDoCampoLog(ps.szCodigo));
    AcrescentaCampoLog(texto, "Nome", TextoDoCampoLog(ps.szNome));
    AcrescentaCampoLog(texto, "Tipo", TextoGrupoLog(ps.dwFlags));
    AcrescentaCampoLog(texto, "Validade", validade);
    AcrescentaCampoLog(texto, "Dias para aviso por e-mail", CZTString::Formata("%u", ps.iDiasEnviarEmail));
    AcrescentaCampoLog(texto, "Usuários", Usuarios(ps));
    AcrescentaCampoLog(texto, "Processos", Processos(ps));
    AcrescentaCampoLog(texto, "Campos de busca", Campos(ps));
    return texto;
}

void CQDTipDoc::ToStringQS(CZTStringArray& lista) const {
    const QD_TIPDOC_PS& ps = GetPS();
    AcrescentaTextoBusca(lista, TextoDoCampo(ps.szCodigo));
    AcrescentaTextoBusca(lista, TextoDoCampo(ps.szNome));
    if (!ps.pCampos) return;
    for (std::uint32_t i = 0; i < ps.nQtdCampos; ++i) AcrescentaTextoBusca(lista, TextoDoCampo(ps.pCampos[i].szNome));
}
