#include "util/fiscal/country.h"

#include "util/fiscal/digit_sums.h"
#include "util/fiscal/fiscal_messages.h"

namespace {

constexpr std::int32_t kMaiorCodigo = 9999;  // four digits

// Published codes whose last digit is taken as it is.
constexpr std::int32_t kCodigosAceitos[] = {1504, 1508, 3595, 4525, 4885, 4985, 6781, 7370};

}  // namespace

int ZTValidaPais(std::int32_t lCodigo, int* pMensagem) {
    const std::int32_t base = lCodigo / 10;
    if (lCodigo < 0 || base == 0 || lCodigo > kMaiorCodigo) {
        return fiscal::Informa(ZT_MSG_PAIS_TAMANHO, pMensagem);
    }
    for (std::int32_t aceito : kCodigosAceitos) {
        if (aceito == lCodigo) return fiscal::Informa(0, pMensagem);
    }
    int digitos[3];
    const int quantos = fiscal::DigitosDoNumero(static_cast<std::uint32_t>(base), digitos, 3);
    if (fiscal::DigitoOnzeReverso(digitos, quantos, 0) != lCodigo % 10) {
        return fiscal::Informa(ZT_MSG_PAIS_DIGITO, pMensagem);
    }
    return fiscal::Informa(0, pMensagem);
}
