#include "util/key/zt_origem.h"

#include <cstdlib>
#include <limits>

namespace {

constexpr int kBitsModuloOrigem = 8;
constexpr int kBitsChaveCompacta = 12;
constexpr int kBitsModuloCompacta = 7;
constexpr std::uint32_t kMascaraDistancia = 0x3F;
constexpr std::uint32_t kBitNegativo = 0x40;

}  // namespace

ZT_ORIGEM ZTMontaOrigem(std::uint32_t lChave, std::uint32_t iModulo, std::int16_t iPeriodo) {
    // The shared packing: the key is cut to 24 bits; the module is the caller's to keep below 256.
    return {iModulo | ((lChave & ZT_ORIGEM_CHAVE_MAXIMA) << kBitsModuloOrigem), iPeriodo};
}

std::uint32_t ZTGetChaveDaOrigem(std::uint32_t lOrigem) { return lOrigem >> kBitsModuloOrigem; }

std::uint32_t ZTGetModuloDaOrigem(std::uint32_t lOrigem) { return lOrigem & ZT_ORIGEM_MODULO_MAXIMO; }

std::int16_t ZTGetPeriodoDaOrigem(const ZT_ORIGEM& origem) { return origem.iPeriodo; }

std::int16_t ZTDesmontaOrigem(const ZT_ORIGEM& origem, std::uint32_t& lChave, std::uint32_t& iModulo,
                              std::int16_t& iPeriodo) {
    lChave = ZTGetChaveDaOrigem(origem.lOrigem);
    iModulo = ZTGetModuloDaOrigem(origem.lOrigem);
    iPeriodo = origem.iPeriodo;
    return iPeriodo;
}

std::uint32_t ZTCompactaOrigem(const ZT_ORIGEM& origem, std::int16_t iPeriodoBase) {
    const std::uint32_t lChave = ZTGetChaveDaOrigem(origem.lOrigem);
    const std::uint32_t iModulo = ZTGetModuloDaOrigem(origem.lOrigem);
    const int distancia = int{origem.iPeriodo} - int{iPeriodoBase};
    if (lChave > ZT_COMPACTA_CHAVE_MAXIMA || iModulo > ZT_COMPACTA_MODULO_MAXIMO) return 0;
    if (std::abs(distancia) > ZT_COMPACTA_DISTANCIA_MAXIMA) return 0;
    const std::uint32_t magnitude = static_cast<std::uint32_t>(std::abs(distancia));
    return (lChave << kBitsChaveCompacta) | (iModulo << kBitsModuloCompacta) | (distancia < 0 ? kBitNegativo : 0U) |
           magnitude;
}

ZT_ORIGEM ZTExpandeOrigem(std::uint32_t lCompacta, std::int16_t iPeriodoBase) {
    const std::uint32_t lChave = lCompacta >> kBitsChaveCompacta;
    const std::uint32_t iModulo = (lCompacta >> kBitsModuloCompacta) & ZT_COMPACTA_MODULO_MAXIMO;
    const int magnitude = static_cast<int>(lCompacta & kMascaraDistancia);
    const int periodo = (lCompacta & kBitNegativo) ? iPeriodoBase - magnitude : iPeriodoBase + magnitude;
    if (periodo < std::numeric_limits<std::int16_t>::min() || periodo > std::numeric_limits<std::int16_t>::max()) {
        return {};
    }
    return ZTMontaOrigem(lChave, iModulo, static_cast<std::int16_t>(periodo));
}
