#include "server/locations/qd_filtro_locarq.h"

#include "server/locations/qd_locarq_conversao.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::uint64_t kAlemDe32Bits = std::uint64_t{std::numeric_limits<std::uint32_t>::max()} + 1;

bool PassaGrupo(const QD_LOCARQ_ARQ& arq, const QD_LOCARQ_FILTRO_PS& filtro) {
    if (!(filtro.dwFlags & QD_FILTRO_LOCARQ_DO_GRUPO)) return true;
    return QDNumeroGrupoLocArq(QDCodigoLocArq(arq)) == filtro.lPosGrupo;
}

bool PassaTitulo(const QD_LOCARQ_ARQ& arq, const QD_LOCARQ_FILTRO_PS& filtro) {
    const bool grupo = (arq.dwFlags & QD_LOCARQ_GRUPO) != 0;
    if ((filtro.dwFlags & QD_FILTRO_LOCARQ_GRUPOS) && !grupo) return false;
    if ((filtro.dwFlags & QD_FILTRO_LOCARQ_NAO_GRUPOS) && grupo) return false;
    return true;
}

bool PassaCodigo(const QD_LOCARQ_ARQ& arq, const QD_LOCARQ_FILTRO_PS& filtro) {
    if (!(filtro.dwFlags & QD_FILTRO_LOCARQ_CODIGO)) return true;
    const std::string codigo = QDCodigoLocArq(arq);
    const std::string_view procurado = QDTextoCampoLocArq(filtro.szCodigo, sizeof filtro.szCodigo);
    // Single-byte text: a byte comparison is the multibyte-aware one.
    if (filtro.dwFlags & QD_FILTRO_LOCARQ_PREFIXO) return std::string_view(codigo).starts_with(procurado);
    return codigo == procurado;
}

bool PassaVaga(const QD_LOCARQ_ARQ& arq, const QD_LOCARQ_FILTRO_PS& filtro) {
    if (!(filtro.dwFlags & QD_FILTRO_LOCARQ_COM_VAGA)) return true;
    return arq.nQtdMaximaDocs == 0 || arq.nQtdDisponivel > 0;
}

}  // namespace

std::uint64_t QDNumeroGrupoLocArq(std::string_view codigo) {
    std::uint64_t numero = 0;
    for (const char caractere : codigo) {
        if (caractere < '0' || caractere > '9') break;
        numero = numero * 10 + static_cast<std::uint64_t>(caractere - '0');
        if (numero >= kAlemDe32Bits) return kAlemDe32Bits;
    }
    return numero;
}

bool QDLocArqPassaFiltro(const QD_LOCARQ_ARQ& arq, const QD_LOCARQ_FILTRO_PS& filtro) {
    return PassaGrupo(arq, filtro) && PassaTitulo(arq, filtro) && PassaCodigo(arq, filtro) && PassaVaga(arq, filtro);
}

bool QDLocArqAceitaTipDoc(const std::vector<std::uint32_t>& tipos, std::uint32_t lTipDoc) {
    if (lTipDoc == 0 || tipos.empty()) return true;
    return std::find(tipos.begin(), tipos.end(), lTipDoc) != tipos.end();
}
