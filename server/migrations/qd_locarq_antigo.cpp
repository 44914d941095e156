#include "server/migrations/qd_locarq_antigo.h"

#include <cstddef>
#include <cstring>

namespace {

// Copies the text of `origem` (a field of `tamanhoOrigem` bytes, maybe unterminated) into
// `destino`, at most `maximo` characters; the rest of `destino` stays as it is (zero).
void CopiaTexto(char* destino, const char* origem, std::size_t tamanhoOrigem, std::size_t maximo) {
    const std::size_t comprimento = strnlen(origem, tamanhoOrigem);
    std::memcpy(destino, origem, comprimento < maximo ? comprimento : maximo);
}

// The first 20 bytes (flags, type count, first type, maximum, available) are the same fields in
// both layouts.
constexpr std::size_t kCabecaComum = offsetof(QD_LOCARQ_ARQ_1, szCodigo);
static_assert(kCabecaComum == offsetof(QD_LOCARQ_ARQ, szCodigo));

}  // namespace

QD_LOCARQ_ARQ QDLocArqDeLocArq1(const QD_LOCARQ_ARQ_1& antigo) {
    QD_LOCARQ_ARQ novo{};
    std::memcpy(&novo, &antigo, kCabecaComum);
    std::memcpy(novo.szCodigo, antigo.szCodigo, sizeof antigo.szCodigo);
    std::memcpy(novo.szDescricao, antigo.szDescricao, sizeof antigo.szDescricao);
    return novo;
}

QD_LOCARQ_ARQ_1 QDLocArq1DeLegado(const DF_LOCARM_ARQ& legado) {
    QD_LOCARQ_ARQ_1 novo{};
    CopiaTexto(novo.szCodigo, legado.szCodigo, sizeof legado.szCodigo, sizeof novo.szCodigo - 1);
    CopiaTexto(novo.szDescricao, legado.szDescricao, sizeof legado.szDescricao, sizeof novo.szDescricao - 1);
    if (legado.cTipo == DF_LOCARM_TIPO_GRUPO) novo.dwFlags = QD_LOCARQ_GRUPO;
    return novo;
}
