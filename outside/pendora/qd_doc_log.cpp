#include "outside/pendora/qd_doc_log.h"

#include "outside/pendora/qd_formata_chave.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_texto_log.h"
#include "outside/pendora/qd_validade_doc.h"
#include "platform/com/bstr.h"
#include "util/time/short_date_text.h"

namespace {

using namespace pendora::detail;

// Bits of QD_DOC_PS::dwFlags that the text shows.
constexpr std::uint32_t kAcessoWeb = 0x1;
constexpr std::uint32_t kSemConteudo = 0x4;

// A stored short day value as dd/mm/yyyy; empty for none.
CZTString Data(std::uint16_t iDia) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return iDia == 0 ? CZTString() : CZTString(ZTDataParaTexto(iDia, texto, true));
}

CZTString SimNao(bool bSim) { return CZTString(bSim ? "Sim" : "N\xE3o"); }

CZTString Usuarios(const QD_DOC_PS& ps) {
    CZTString lista;
    for (std::uint32_t i = 0; ps.pUsuarios != nullptr && i < ps.nQtdUsuarios; ++i) {
        lista.Acrescenta(", ", CZTString::Formata("%u", ps.pUsuarios[i]));
    }
    return lista;
}

CZTString Vinculos(const QD_DOC_PS& ps, CConexaoPlano& plano) {
    CZTString lista;
    for (std::uint32_t i = 0; ps.pVinculos != nullptr && i < ps.nQtdVinculos; ++i) {
        const QD_ORIGEM_VINCULO_DOC_PS& origem = ps.pVinculos[i];
        const CZTString nome = NomeOuNumeroLog(QDGetNomeProcesso(origem.eProc), origem.eProc);
        lista.Acrescenta(", ", nome + " " + QDFormataChave(plano, origem.eProc, origem.lChave));
    }
    return lista;
}

CZTString Descricao(const QD_DOC_PS& ps) {
    if (ps.bsDescricao == nullptr) return CZTString(QD_MARCA_EM_DESENVOLVIMENTO, 1);
    const platform::String texto = platform::AnsiFromBstr(ps.bsDescricao);
    return TextoDoCampoLog(texto.GetString(), static_cast<std::size_t>(texto.GetLength()));
}

}  // namespace

CZTString QDDocToStringLog(const CQDDoc& doc, CConexaoPlano& plano) {
    const QD_DOC_PS& ps = doc.GetPS();
    CZTString texto;
    AcrescentaCampoLog(texto, "Código", CZTString::Formata("%u", doc.GetPosicao()));
    AcrescentaCampoLog(texto, "Tipo de documento", CZTString(QD_MARCA_TIPDOC_DOC_LOG, 1));
    AcrescentaCampoLog(texto, "Local de arquivamento", CZTString::Formata("%u", ps.lLocArq));
    AcrescentaCampoLog(texto, "Localização", CZTString::Formata("%u", ps.iNrLocalizacao));
    AcrescentaCampoLog(texto, "Versão", CZTString::Formata("%u", ps.iVersao));
    AcrescentaCampoLog(texto, "Filial", CZTString::Formata("%u", ps.iFilial));
    AcrescentaCampoLog(texto, "Arquivo", TextoDoCampoLog(ps.szOriginalFileName));
    AcrescentaCampoLog(texto, "Emissão", Data(ps.iDataEmissao));
    AcrescentaCampoLog(texto, "Validade", QDTextoValidade(ps.iDataValidade));
    AcrescentaCampoLog(texto, "Acesso WEB", SimNao((ps.dwFlags & kAcessoWeb) != 0));
    AcrescentaCampoLog(texto, "Não digital", SimNao((ps.dwFlags & kSemConteudo) != 0));
    AcrescentaCampoLog(texto, "Usuários", Usuarios(ps));
    AcrescentaCampoLog(texto, "Vínculos", Vinculos(ps, plano));
    AcrescentaCampoLog(texto, "Descrição", Descricao(ps));
    return texto;
}
