#include "util/fiscal/municipality.h"

#include "util/fiscal/digit_sums.h"
#include "util/fiscal/federative_unit.h"
#include "util/fiscal/fiscal_messages.h"

namespace {

constexpr std::int32_t kMenorBase = 100000;      // six digits
constexpr std::int32_t kMenorCodigo = 1000000;   // seven digits
constexpr std::int32_t kMaiorCodigo = 9999999;

// Bases whose published check digit does not follow the rule.
struct DigitoFixo {
    std::int32_t base;
    int digito;
};
constexpr DigitoFixo kDigitosFixos[] = {
    {220191, 9}, {520393, 9}, {220198, 8}, {220225, 1}, {315213, 1},
    {430587, 1}, {261153, 3}, {311783, 6}, {520396, 2},
};

// The state code that `szUF` names (a code text or a unit), 0 when the table does not know it.
int CodigoDoEstado(const char* szUF) {
    // A code text goes to its unit and back, so that only codes of the table count.
    const bool ehCodigo = szUF[0] >= '0' && szUF[0] <= '9';
    const CZTString codigo = ehCodigo ? ZTConverteUF(ZTConverteUF(szUF)) : ZTConverteUF(szUF);
    int valor[2];
    if (codigo.GetLength() != 2 || !fiscal::LeDigitos(codigo, 2, valor)) return 0;
    return valor[0] * 10 + valor[1];
}

}  // namespace

int ZTDigitoMunicipio(std::int32_t lCodigo) {
    if (lCodigo < kMenorBase || lCodigo > kMaiorCodigo) return fiscal::kSemDigito;
    const std::int32_t base = lCodigo >= kMenorCodigo ? lCodigo / 10 : lCodigo;
    for (const DigitoFixo& fixo : kDigitosFixos) {
        if (fixo.base == base) return fixo.digito;
    }
    // From the last digit back, weights 2, 1, 2 …; each product counts by its decimal digits.
    int soma = 0;
    std::int32_t resto = base;
    for (int i = 0; i < 6; ++i) {
        const int produto = static_cast<int>(resto % 10) * (i % 2 == 0 ? 2 : 1);
        soma += produto / 10 + produto % 10;
        resto /= 10;
    }
    return (10 - soma % 10) % 10;
}

int ZTValidaMunicipio(std::int32_t lCodigo, const char* szUF, int* pMensagem) {
    if (lCodigo < kMenorCodigo || lCodigo > kMaiorCodigo) {
        return fiscal::Informa(ZT_MSG_MUNICIPIO_TAMANHO, pMensagem);
    }
    const std::int32_t base = lCodigo / 10;
    if (base % 10000 == 0) return fiscal::Informa(ZT_MSG_MUNICIPIO_ZERADO, pMensagem);
    if (szUF != nullptr && szUF[0] != '\0' && CodigoDoEstado(szUF) != lCodigo / 100000) {
        return fiscal::Informa(ZT_MSG_MUNICIPIO_UF, pMensagem);
    }
    if (lCodigo % 10 != ZTDigitoMunicipio(base)) {
        return fiscal::Informa(ZT_MSG_MUNICIPIO_DIGITO, pMensagem);
    }
    return fiscal::Informa(0, pMensagem);
}
