#include "util/number/weight.h"

#include "util/money/zt_currency_ex.h"

namespace {

// Milligrams in one unit.
CY MiligramasPorUnidade(short unidade) {
    switch (unidade) {
        case kPesoDecigrama: return CyFromRaw(100 * 10000LL);
        case kPesoCentigrama: return CyFromRaw(10 * 10000LL);
        case kPesoMiligrama: return CyFromRaw(1 * 10000LL);
        case kPesoGrama: return CyFromRaw(1000 * 10000LL);
        case kPesoLibra: return CyFromRaw(4535923700LL);  // 453592.37
        default: return CyFromRaw(1000000 * 10000LL);     // kilograms, and any unknown unit
    }
}

// Pounds in one kilogram, as the system has always counted them.
constexpr CY kLibrasPorQuilo = CyFromRaw(22046);  // 2.2046

}  // namespace

CY ZTConvertePeso(CY valor, short de, short para) {
    // Products of money throw DISP_E_OVERFLOW; the quotients divide by at least 1 and cannot fail.
    CZTCurrencyEx peso(false, static_cast<int>(CZTCurrencyEx::kArredonda), valor);
    peso *= MiligramasPorUnidade(de);
    if (para == kPesoLibra) {
        peso *= kLibrasPorQuilo;
        peso /= MiligramasPorUnidade(kPesoQuilograma);
    } else {
        peso /= MiligramasPorUnidade(para);
    }
    return peso.GetValor();
}
