#include "util/key/zt_origem.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Guards the packing of the word: module in the low byte, key above it.
TEST(ZTOrigem, PacksModuleAndKey) {
    const ZT_ORIGEM origem = ZTMontaOrigem(123, 25, 2000);
    EXPECT_EQ(origem.lOrigem, 31513u);
    EXPECT_EQ(origem.lOrigem, 0x7B19u);
    EXPECT_EQ(ZTGetChaveDaOrigem(origem.lOrigem), 123u);
    EXPECT_EQ(ZTGetModuloDaOrigem(origem.lOrigem), 25u);
    EXPECT_EQ(ZTGetPeriodoDaOrigem(origem), 2000);
}

// Guards the extremes of each field and the split through the three outputs.
TEST(ZTOrigem, SplitsEveryFieldAtItsLimits) {
    struct Caso { std::uint32_t chave, modulo; std::int16_t periodo; std::uint32_t palavra; };
    const Caso casos[] = {
        {0, 0, 0, 0},
        {0xFFFFFF, 255, -32768, 0xFFFFFFFFu},
        {1, 0, 32767, 0x100},
        {0, 1, -1, 1},
        {0x800000, 0x80, 949, 0x80000080u},
    };
    for (const Caso& c : casos) {
        const ZT_ORIGEM origem = ZTMontaOrigem(c.chave, c.modulo, c.periodo);
        EXPECT_EQ(origem.lOrigem, c.palavra) << c.chave;
        std::uint32_t chave = 7, modulo = 7;
        std::int16_t periodo = 7;
        EXPECT_EQ(ZTDesmontaOrigem(origem, chave, modulo, periodo), c.periodo);
        EXPECT_EQ(chave, c.chave);
        EXPECT_EQ(modulo, c.modulo);
        EXPECT_EQ(periodo, c.periodo);
    }
}

// Guards the shared packing: the key is cut to 24 bits, never refused, and the module stays in
// the low byte.
TEST(ZTOrigem, CutsTheKeyToItsTwentyFourBits) {
    EXPECT_EQ(ZTMontaOrigem(0x1000005, 1, 10).lOrigem, 0x501u);
    EXPECT_EQ(ZTGetChaveDaOrigem(ZTMontaOrigem(0xFFFFFFFF, 255, 10).lOrigem), 0xFFFFFFu);
    EXPECT_EQ(ZTGetModuloDaOrigem(ZTMontaOrigem(0xFFFFFFFF, 255, 10).lOrigem), 255u);
}

// Guards the compact layout bit by bit.
TEST(ZTOrigemCompacta, LaysOutKeyModuleAndDistance) {
    const ZT_ORIGEM origem = ZTMontaOrigem(0xABCDE, 25, 100);
    EXPECT_EQ(ZTCompactaOrigem(origem, 95), (0xABCDEu << 12) | (25u << 7) | 5u);
    // A period below the base sets bit 6 and keeps the magnitude.
    EXPECT_EQ(ZTCompactaOrigem(origem, 105), (0xABCDEu << 12) | (25u << 7) | 0x40u | 5u);
    EXPECT_EQ(ZTCompactaOrigem(origem, 100), (0xABCDEu << 12) | (25u << 7));
}

// Guards the round trip through the compact form over the whole range it can hold.
TEST(ZTOrigemCompacta, ExpandsBackToTheSameOrigin) {
    struct Caso { std::uint32_t chave, modulo; int distancia; std::int16_t base; };
    const Caso casos[] = {
        {123, 25, -5, 2000}, {123, 25, 5, 2000}, {0, 0, 0, 0}, {0xFFFFF, 31, 63, 100},
        {1, 1, -63, 100},    {77, 3, -63, -32705}, {77, 3, 63, 32704}, {9, 0, -1, 0},
    };
    for (const Caso& c : casos) {
        const auto periodo = static_cast<std::int16_t>(c.base + c.distancia);
        const ZT_ORIGEM origem = ZTMontaOrigem(c.chave, c.modulo, periodo);
        const std::uint32_t compacta = ZTCompactaOrigem(origem, c.base);
        EXPECT_EQ((compacta & 0x40) != 0, c.distancia < 0) << c.distancia;
        EXPECT_EQ(compacta & 0x3F, static_cast<std::uint32_t>(c.distancia < 0 ? -c.distancia : c.distancia));
        EXPECT_EQ(ZTExpandeOrigem(compacta, c.base), origem) << c.chave << " " << c.distancia;
    }
}

// Guards the choice for what the compact form cannot hold: 0, never a different origin.
TEST(ZTOrigemCompacta, RefusesWhatItCannotHold) {
    EXPECT_EQ(ZTCompactaOrigem(ZTMontaOrigem(1, 32, 10), 10), 0u);       // module above 31
    EXPECT_EQ(ZTCompactaOrigem(ZTMontaOrigem(1, 31, 74), 10), 0u);       // distance 64
    EXPECT_EQ(ZTCompactaOrigem(ZTMontaOrigem(1, 31, -54), 10), 0u);      // distance -64
    EXPECT_EQ(ZTCompactaOrigem(ZTMontaOrigem(0x100000, 1, 10), 10), 0u); // key above 20 bits
    // Distances are computed beyond 16 bits: the extremes are far apart, not close.
    EXPECT_EQ(ZTCompactaOrigem(ZTMontaOrigem(1, 1, 32767), -32768), 0u);
    EXPECT_NE(ZTCompactaOrigem(ZTMontaOrigem(1, 31, 73), 10), 0u);
}

// Guards the 16-bit period: a compact value read against a base near the edge must not wrap.
TEST(ZTOrigemCompacta, ExpansionOutsideThePeriodRangeIsEmpty) {
    const std::uint32_t maisCinco = (7u << 12) | (2u << 7) | 5u;
    const std::uint32_t menosCinco = maisCinco | 0x40u;
    EXPECT_EQ(ZTExpandeOrigem(maisCinco, 32765), ZT_ORIGEM{});
    EXPECT_EQ(ZTExpandeOrigem(menosCinco, -32766), ZT_ORIGEM{});
    EXPECT_EQ(ZTExpandeOrigem(maisCinco, 32762), ZTMontaOrigem(7, 2, 32767));
    EXPECT_EQ(ZTExpandeOrigem(menosCinco, -32763), ZTMontaOrigem(7, 2, -32768));
}

}  // namespace
