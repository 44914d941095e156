#include "server/locations/qd_locarq_conversao.h"

#include "platform/idl/wire_limits.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

void QDCopiaTextoLocArq(char* destino, std::size_t tamanho, std::string_view texto) {
    if (tamanho == 0) return;
    const std::size_t copiados = std::min(texto.size(), tamanho - 1);
    std::memset(destino, 0, tamanho);
    std::memcpy(destino, texto.data(), copiados);
}

std::string_view QDTextoCampoLocArq(const char* campo, std::size_t tamanho) {
    return std::string_view(campo, ::strnlen(campo, tamanho));
}

void QDLocArqParaPS(const QD_LOCARQ_ARQ& arq, QD_LOCARQ_PS& ps) {
    std::memset(static_cast<void*>(&ps), 0, sizeof ps);
    ps.dwFlags = arq.dwFlags;
    ps.nQtdMaximaDocs = static_cast<std::uint32_t>(arq.nQtdMaximaDocs);
    ps.nQtdDisponivel = arq.nQtdDisponivel;
    QDCopiaTextoLocArq(ps.szCodigo, sizeof ps.szCodigo, QDTextoCampoLocArq(arq.szCodigo, sizeof arq.szCodigo));
    QDCopiaTextoLocArq(ps.szDescricao, sizeof ps.szDescricao,
                       QDTextoCampoLocArq(arq.szDescricao, sizeof arq.szDescricao));
}

void QDLocArqDePS(const QD_LOCARQ_PS& ps, QD_LOCARQ_ARQ& arq) {
    arq.dwFlags = ps.dwFlags;
    arq.nQtdTipDocs = ps.nQtdTipDocs;
    arq.nQtdMaximaDocs = static_cast<std::int32_t>(ps.nQtdMaximaDocs);
    QDCopiaTextoLocArq(arq.szCodigo, sizeof arq.szCodigo, QDTextoCampoLocArq(ps.szCodigo, sizeof ps.szCodigo));
    QDCopiaTextoLocArq(arq.szDescricao, sizeof arq.szDescricao,
                       QDTextoCampoLocArq(ps.szDescricao, sizeof ps.szDescricao));
}

platform::HRESULT QDVerificaLocArqPS(const QD_LOCARQ_PS& ps) {
    if (ps.nQtdTipDocs != 0 && !ps.pPtrsTipDocs) return platform::E_INVALIDARG;
    // No request can carry more types than fit one message: a larger count was never sent.
    if (ps.nQtdTipDocs > platform::idl::kMaxMessageBytes / sizeof(std::uint32_t)) return platform::E_INVALIDARG;
    if (ps.nQtdMaximaDocs > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return platform::E_INVALIDARG;
    }
    return platform::S_OK;
}

std::string QDCodigoLocArq(const QD_LOCARQ_ARQ& arq) {
    return std::string(QDTextoCampoLocArq(arq.szCodigo, QD_LOCARQ_MAX_CODIGO));
}

void QDDefineCodigoLocArq(QD_LOCARQ_ARQ& arq, std::string_view codigo) {
    QDCopiaTextoLocArq(arq.szCodigo, sizeof arq.szCodigo, codigo);
}
