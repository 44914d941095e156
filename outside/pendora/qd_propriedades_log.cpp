#include "outside/pendora/qd_propriedades_log.h"

#include "outside/pendora/qd_texto_log.h"
#include "platform/com/bstr.h"

namespace {

using namespace pendora::detail;

CZTString SimNao(int iValor) { return CZTString(iValor != 0 ? "Sim" : "N\xE3o"); }

CZTString Texto(platform::BSTR bs) {
    const platform::String texto = platform::AnsiFromBstr(bs);
    return TextoDoCampoLog(texto.GetString(), static_cast<std::size_t>(texto.GetLength()));
}

}  // namespace

CZTString QDPropriedadesToStringLog(const CQDPropriedades& prop) {
    const QD_PROPRIEDADES_PS& ps = prop.GetPS();
    CZTString texto;
    AcrescentaCampoLog(texto, "Próximo número de localização", CZTString::Formata("%u", ps.iProxNumeroDoc));
    AcrescentaCampoLog(texto, "Porta", CZTString::Formata("%u", ps.iPorta));
    AcrescentaCampoLog(texto, "Base controlada", SimNao(ps.bBaseControlada));
    AcrescentaCampoLog(texto, "Acesso total do supervisor", SimNao(ps.bAcessoTotalSupervisor));
    AcrescentaCampoLog(texto, "Exclui documento registrado", SimNao(ps.bExcluiDocumentoRegistrado));
    AcrescentaCampoLog(texto, "Usa encriptação", SimNao(ps.bUsaEncriptacao));
    AcrescentaCampoLog(texto, "Enviar e-mail", SimNao(ps.bEnviarEmail));
    AcrescentaCampoLog(texto, "Permitir pré-visualização", SimNao(ps.bPermitirPreVisualizacao));
    AcrescentaCampoLog(texto, "Manter tela de relatório ativa", SimNao(ps.bManterTelaRelatorioAtiva));
    AcrescentaCampoLog(texto, "Domínio", Texto(ps.bsDominio));
    AcrescentaCampoLog(texto, "Modelo de e-mail", Texto(ps.bsModeloEmail));
    AcrescentaCampoLog(texto, "E-mail para", Texto(ps.bsEmailPara));
    AcrescentaCampoLog(texto, "E-mail CC", Texto(ps.bsEmailCC));
    return texto;
}
