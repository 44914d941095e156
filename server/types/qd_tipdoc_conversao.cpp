#include "server/types/qd_tipdoc_conversao.h"

#include <cstring>

void QDCopiaTextoCampo(char* destino, std::size_t tamanhoDestino, const char* origem, std::size_t tamanhoOrigem) {
    if (tamanhoDestino == 0) return;
    std::size_t tamanho = 0;
    while (tamanho < tamanhoOrigem && tamanho + 1 < tamanhoDestino && origem[tamanho] != '\0') ++tamanho;
    std::memcpy(destino, origem, tamanho);
    std::memset(destino + tamanho, 0, tamanhoDestino - tamanho);
}

void QDTipDocParaPS(const QD_TIPDOC_ARQ& arq, QD_TIPDOC_PS& ps) {
    ps.dwFlags = arq.dwFlags;
    ps.nQtdUsuarios = arq.nQtdUsuarios;
    ps.nQtdProcessos = arq.nQtdProcessos;
    ps.nQtdCampos = arq.nQtdCampos;
    QDCopiaTextoCampo(ps.szCodigo, arq.szCodigo);
    QDCopiaTextoCampo(ps.szNome, arq.szNome);
    ps.eValidade = static_cast<QD_E_TIPDOC_VALIDADE>(arq.eValidade);
    ps.iValorValidade = arq.iValorValidade;
    ps.iDiasEnviarEmail = arq.iDiasEnviarEmail;
}

void QDTipDocDePS(const QD_TIPDOC_PS& ps, QD_TIPDOC_ARQ& arq) {
    arq.dwFlags = ps.dwFlags;
    arq.nQtdUsuarios = ps.nQtdUsuarios;
    arq.nQtdProcessos = ps.nQtdProcessos;
    arq.nQtdCampos = ps.nQtdCampos;
    QDCopiaTextoCampo(arq.szNome, ps.szNome);
    QDCopiaTextoCampo(arq.szCodigo, ps.szCodigo);
    arq.eValidade = static_cast<std::uint32_t>(ps.eValidade);
    arq.iValorValidade = ps.iValorValidade;
    arq.iDiasEnviarEmail = ps.iDiasEnviarEmail;
}
