#include "server/session/qd_propriedades_arq.h"

void QDPropriedadesParaPS(const QD_PROPRIEDADES_ARQ& arq, QD_PROPRIEDADES_PS& ps) {
    ps.iProxNumeroDoc = arq.iProxNumeroDoc;
    ps.iCodigoCliente = arq.iCodigoCliente;
    ps.iPorta = arq.iPorta;
    ps.iVersaoSistema = arq.iVersaoSistema;
    ps.bBaseControlada = static_cast<std::int8_t>(arq.bBaseControlada);
    ps.bAcessoTotalSupervisor = static_cast<std::int8_t>(arq.bAcessoTotalSupervisor);
    ps.bExcluiDocumentoRegistrado = static_cast<std::int8_t>(arq.bExcluiDocumentoRegistrado);
    ps.bUsaEncriptacao = static_cast<std::int8_t>(arq.bUsaEncriptacao);
    ps.bFlags = arq.bFlags;
    ps.bEnviarEmail = arq.bEnviarEmail;
    ps.timeControle = arq.timeControle;
    ps.bPermitirPreVisualizacao = arq.bPermitirPreVisualizacao;
    ps.bManterTelaRelatorioAtiva = arq.bManterTelaRelatorioAtiva;
}

void QDPropriedadesDePS(const QD_PROPRIEDADES_PS& ps, QD_PROPRIEDADES_ARQ& arq) {
    arq.iProxNumeroDoc = ps.iProxNumeroDoc;
    arq.iCodigoCliente = static_cast<std::uint16_t>(ps.iCodigoCliente);
    arq.iPorta = ps.iPorta;
    arq.iVersaoSistema = ps.iVersaoSistema;
    arq.bBaseControlada = static_cast<std::uint8_t>(ps.bBaseControlada);
    arq.bAcessoTotalSupervisor = static_cast<std::uint8_t>(ps.bAcessoTotalSupervisor);
    arq.bExcluiDocumentoRegistrado = static_cast<std::uint8_t>(ps.bExcluiDocumentoRegistrado);
    arq.bUsaEncriptacao = static_cast<std::uint8_t>(ps.bUsaEncriptacao);
    arq.bFlags = ps.bFlags;
    arq.bEnviarEmail = ps.bEnviarEmail;
    arq.timeControle = ps.timeControle;
    arq.bPermitirPreVisualizacao = ps.bPermitirPreVisualizacao;
    arq.bManterTelaRelatorioAtiva = ps.bManterTelaRelatorioAtiva;
}
