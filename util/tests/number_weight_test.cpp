#include "util/number/weight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

CY M(double unidades) { return CyFromRaw(std::llround(unidades * 10000.0)); }

platform::HRESULT Codigo(CY valor, short de, short para) {
    try {
        (void)ZTConvertePeso(valor, de, para);
    } catch (const platform::ComError& e) {
        return e.Error();
    }
    return platform::S_OK;
}

// Guards each unit's factor in both directions, the pound's two different factors (453592.37 mg
// in, 2.2046 per kilogram out, so 10 lb come back as 9.9999), rounding at four decimals, and
// unknown units read as kilograms.
TEST(ZTConvertePeso, ConvertsBetweenUnits) {
    const struct { double valor; short de, para; double esperado; } casos[] = {
        {1, kPesoQuilograma, kPesoGrama, 1000},          {1, kPesoLibra, kPesoQuilograma, 0.4536},
        {1, kPesoQuilograma, kPesoLibra, 2.2046},        {1, kPesoQuilograma, kPesoMiligrama, 1000000},
        {1, kPesoQuilograma, kPesoDecigrama, 10000},     {1, kPesoQuilograma, kPesoCentigrama, 100000},
        {250, kPesoGrama, kPesoQuilograma, 0.25},        {1, kPesoGrama, kPesoMiligrama, 1000},
        {1, kPesoDecigrama, kPesoGrama, 0.1},            {1, kPesoCentigrama, kPesoGrama, 0.01},
        {1, kPesoMiligrama, kPesoGrama, 0.001},          {1, kPesoDecigrama, kPesoCentigrama, 10},
        {1, kPesoLibra, kPesoGrama, 453.5924},           {1, kPesoLibra, kPesoMiligrama, 453592.37},
        {1, kPesoLibra, kPesoLibra, 1.0},                {10, kPesoLibra, kPesoLibra, 9.9999},
        {0.5, kPesoGrama, kPesoLibra, 0.0011},           {1, kPesoMiligrama, kPesoQuilograma, 0.0},
        {6, kPesoMiligrama, kPesoQuilograma, 0.0},       {60, kPesoMiligrama, kPesoQuilograma, 0.0001},
        {-2, kPesoQuilograma, kPesoGrama, -2000},        {-1, kPesoLibra, kPesoQuilograma, -0.4536},
        {1, 0, kPesoGrama, 1000},                        {1000, kPesoGrama, 7, 1},
        {1, -3, kPesoQuilograma, 1},                     {12.3456, kPesoGrama, kPesoGrama, 12.3456},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ZTConvertePeso(M(c.valor), c.de, c.para).int64, M(c.esperado).int64)
            << c.valor << " from " << c.de << " to " << c.para;
}

// Guards the exact bound of the trip through milligrams: 922337203.6854 kg is the most that fits
// as milligrams; one ten-thousandth more throws instead of wrapping.
TEST(ZTConvertePeso, OverflowAtTheMilligramBound) {
    EXPECT_EQ(ZTConvertePeso(CyFromRaw(9223372036854), kPesoQuilograma, kPesoQuilograma).int64, 9223372036854);
    EXPECT_EQ(Codigo(CyFromRaw(9223372036855), kPesoQuilograma, kPesoQuilograma), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(Codigo(CyFromRaw(-9223372036855), kPesoQuilograma, kPesoGrama), platform::DISP_E_OVERFLOW);
}

// Guards the pound target, whose milligrams are multiplied by 2.2046 before they are divided:
// that product overflows first, even where the pounds themselves would fit.
TEST(ZTConvertePeso, PoundTargetOverflowsOnTheProduct) {
    EXPECT_EQ(ZTConvertePeso(M(400000000), kPesoQuilograma, kPesoLibra).int64, M(881840000).int64);
    EXPECT_EQ(Codigo(M(420000000), kPesoQuilograma, kPesoLibra), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(Codigo(M(420000000), kPesoQuilograma, kPesoGrama), platform::S_OK);
}

}  // namespace
