#include "util/time/short_date.h"

#include "platform/hresult.h"
#include "platform/tests/support/time_zone.h"
#include "util/date/zt_data.h"
#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <limits>
#include <tuple>

namespace {

using kelvo::testing::ScopedTimeZone;
using zt_time_test::DiaDe2026;
using zt_time_test::HojeFixado;

// The day number of a date computed from the standard calendar: 1 January 1848 is 2.
std::uint32_t DiaNumero(int dia, int mes, int ano) {
    using namespace std::chrono;
    const sys_days d = year{ano} / month{static_cast<unsigned>(mes)} / day{static_cast<unsigned>(dia)};
    return static_cast<std::uint32_t>((d - sys_days{year{1848} / January / 1}).count() + 2);
}

std::int64_t MeiaNoiteUtc(int dia, int mes, int ano) {
    return (static_cast<std::int64_t>(DiaNumero(dia, mes, ano)) - DiaNumero(1, 1, 1970)) * 86400;
}

template <class F>
platform::HRESULT ErroDe(F f) {
    try {
        f();
    } catch (const platform::ComError& e) {
        return e.Error();
    }
    return platform::S_OK;
}

// Guards the stored value rules: the original range keeps its values, 1..28855 continue after
// 4 June 2027, and nothing after 5 June 2106 or before 1927 has a stored form.
TEST(ShortDate, StoredValuesMapToDayNumbers) {
    struct Caso { std::uint32_t numero; std::uint16_t valor; };
    const Caso casos[] = {
        {DiaNumero(1, 1, 1927), 28856}, {DiaNumero(4, 6, 2027), 65535}, {DiaNumero(5, 6, 2027), 1},
        {DiaNumero(6, 6, 2027), 2},     {DiaNumero(5, 6, 2106), 28855}, {0, 0},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTDiaNumeroParaDataCurta(c.numero), c.valor) << c.numero;
        EXPECT_EQ(ZTDataCurtaParaDiaNumero(c.valor), c.numero) << c.valor;
    }
    EXPECT_EQ(ZTDiaNumeroParaDataCurta(DiaNumero(6, 6, 2106)), 0);
    EXPECT_EQ(ZTDiaNumeroParaDataCurta(DiaNumero(31, 12, 1926)), 0);
    EXPECT_EQ(ZTDiaNumeroParaDataCurta(65536 + 65535), 0);  // never cut to 16 bits
}

// Guards the whole range: every day 1927..5 June 2106 is stored, read back and split into itself.
TEST(ShortDate, EveryDayRoundTrips) {
    using namespace std::chrono;
    const sys_days primeiro = year{1927} / January / 1;
    const sys_days ultimo = year{2106} / June / 5;
    for (sys_days d = primeiro; d <= ultimo; d += days{1}) {
        const year_month_day ymd{d};
        const int dia = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const int mes = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int ano = static_cast<int>(ymd.year());
        const std::uint16_t valor = ZTMontaData(dia, mes, ano);
        ASSERT_EQ(ZTDataCurtaParaDiaNumero(valor), DiaNumero(dia, mes, ano)) << dia << "/" << mes << "/" << ano;
        ASSERT_EQ(ZTDiaNumeroParaDataCurta(DiaNumero(dia, mes, ano)), valor);
        int d2 = 0, m2 = 0, a2 = 0;
        ZTDesmontaData(valor, d2, m2, a2);
        ASSERT_EQ(std::tuple(d2, m2, a2), std::tuple(dia, mes, ano)) << valor;
        ASSERT_EQ(CZTData().SetDataCurta(valor).GetDataCurta(), valor);
    }
}

// Guards building stored values: clamping, four-digit years of 1927..2106 kept, two-digit and
// other years through the window of the pinned 2026 (1946..2045), nothing beyond 5 June 2106.
TEST(ShortDate, MontaDataBuildsTheStoredValue) {
    const HojeFixado hoje(DiaDe2026());
    struct Caso { int dia, mes, ano; std::uint32_t esperado; };
    const Caso casos[] = {
        {31, 2, 2024, DiaNumero(29, 2, 2024)},  {29, 2, 2023, DiaNumero(28, 2, 2023)},
        {31, 4, 2024, DiaNumero(30, 4, 2024)},  {1, 2, 24, DiaNumero(1, 2, 2024)},
        {1, 1, 27, DiaNumero(1, 1, 2027)},      {1, 1, 45, DiaNumero(1, 1, 2045)},
        {1, 1, 46, DiaNumero(1, 1, 1946)},      {1, 1, 2027, 65381},
        {1, 1, 1927, 28856},                    {4, 6, 2027, 65535},
        {5, 6, 2027, DiaNumero(5, 6, 2027)},    {5, 6, 27, DiaNumero(5, 6, 2027)},
        {31, 12, 27, DiaNumero(31, 12, 2027)},  {5, 6, 2106, DiaNumero(5, 6, 2106)},
        {29, 2, 2100, DiaNumero(28, 2, 2100)},  {1, 1, 2130, DiaNumero(1, 1, 2030)},
        {1, 1, 1926, DiaNumero(1, 1, 2026)},    {6, 6, 2106, 0},
        {0, 0, 0, 0},                           {0, 1, 2024, 0},
        {1, 0, 2024, 0},                        {1, 13, 2024, 0},
        {-1, 1, 2024, 0},                       {1, 1, -2024, 0},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTDataCurtaParaDiaNumero(ZTMontaData(c.dia, c.mes, c.ano)), c.esperado)
            << c.dia << "/" << c.mes << "/" << c.ano;
    }
}

// Guards the short month number against its formula month + 12 × (year − 1848), the year read as
// in ZTMontaData (window of the pinned 2026), and its split up to June 2106.
TEST(ShortDate, MonthNumbersFollowTheWindow) {
    const HojeFixado hoje(DiaDe2026());
    struct Caso { int mes, ano; std::uint16_t esperado; };
    const Caso casos[] = {
        {2, 24, 2 + 12 * (2024 - 1848)}, {1, 45, 1 + 12 * (2045 - 1848)}, {1, 46, 1 + 12 * (1946 - 1848)},
        {12, 99, 12 + 12 * (1999 - 1848)}, {1, 1927, 949},                 {6, 2027, 2154},
        {6, 2106, 3102},                 {2, 2024, 2 + 12 * (2024 - 1848)}, {13, 26, 13 + 12 * (2026 - 1848)},
        {0, 0, 0},
    };
    for (const Caso& c : casos) EXPECT_EQ(ZTMontaMesAno(c.mes, c.ano), c.esperado) << c.mes << "/" << c.ano;

    struct Parte { std::uint16_t numero; int mes, ano; };
    const Parte partes[] = {{949, 1, 1927}, {2148, 12, 2026}, {2154, 6, 2027}, {3102, 6, 2106}, {0, 0, 0}};
    for (const Parte& p : partes) {
        int m = -1, a = -1;
        ZTDesmontaMesAno(p.numero, m, a);
        EXPECT_EQ(m, p.mes) << p.numero;
        EXPECT_EQ(a, p.ano) << p.numero;
    }
    struct Mes { std::uint16_t valor, mesAno; };
    const Mes meses[] = {{65535, 2154}, {1, 2154}, {28855, 3102}, {28856, 949}, {0, 0}};
    for (const Mes& m : meses) EXPECT_EQ(ZTDataParaMesAno(m.valor), m.mesAno) << m.valor;
}

// Guards the limits: every non-empty stored value is valid, the first and last days are day
// numbers (to 5 June 2106), the months run to June 2106, and no value beyond 16 bits is taken.
TEST(ShortDate, LimitsCoverTheWholeField) {
    EXPECT_EQ(ZTGetDataMinima(), 28856u);
    EXPECT_EQ(ZTGetDataMaxima(), 94390u);
    EXPECT_EQ(ZTGetDataMaxima(), DiaNumero(5, 6, 2106));
    EXPECT_EQ(ZTGetMesAnoMinimo(), 949);
    EXPECT_EQ(ZTGetMesAnoMaximo(), 3102);
    EXPECT_EQ(ZTGetMesAnoMaximo(), ZTDataParaMesAno(ZTDiaNumeroParaDataCurta(ZTGetDataMaxima())));

    struct Caso { std::uint32_t numero; bool data, mes; };
    const Caso casos[] = {{0, false, false},    {1, true, false},      {948, true, false},
                          {949, true, true},    {3102, true, true},    {3103, true, false},
                          {28855, true, false}, {28856, true, false},  {65535, true, false},
                          {65536, false, false}, {65536 + 28856, false, false}};
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTIsDataValida(c.numero), c.data) << c.numero;
        EXPECT_EQ(ZTIsMesAnoValido(c.numero), c.mes) << c.numero;
    }
    // The date class reads every stored value as the day it means.
    EXPECT_EQ(CZTData().SetDataCurta(65535), CZTData().SetData(4, 6, 2027));
    EXPECT_EQ(CZTData().SetDataCurta(1), CZTData().SetData(5, 6, 2027));
    EXPECT_EQ(CZTData(ZTGetDataMaxima()), CZTData().SetData(5, 6, 2106));
    EXPECT_EQ(CZTData().SetData(6, 6, 2106).GetDataCurta(), 0);
    EXPECT_EQ(CZTData().SetData(31, 12, 1926).GetDataCurta(), 0);
}

// Guards the strict conversion of full dates: no wrap-round of years outside 1927..2106.
TEST(ShortDate, FullDatesOutsideTheFieldHaveNoShortForm) {
    EXPECT_EQ(ZTDataCurtaDaData(1, 1, 1927), 28856);
    EXPECT_EQ(ZTDataCurtaDaData(4, 6, 2027), 65535);
    EXPECT_EQ(ZTDataCurtaDaData(5, 6, 2027), 1);
    EXPECT_EQ(ZTDataCurtaDaData(5, 6, 2106), 28855);
    EXPECT_EQ(ZTDataCurtaDaData(6, 6, 2106), 0);
    EXPECT_EQ(ZTDataCurtaDaData(31, 12, 1926), 0);
    EXPECT_EQ(ZTDataCurtaDaData(1, 1, 2107), 0);
    EXPECT_EQ(ZTDataCurtaDaData(1, 1, 30), 0);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(6, 2027), 2154);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(7, 2027), 2155);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(6, 2106), 3102);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(7, 2106), 0);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(12, 1926), 0);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(13, 2024), 0);
}

// Guards the time values: local midnight both ways as unsigned 32-bit moments (past 2038 too),
// 0 for 0 and before 1970, E_INVALIDARG after 7 February 2106.
TEST(ShortDate, TimeValuesAreLocalUnsignedMoments) {
    {
        ScopedTimeZone tz(kelvo::testing::kUtc);
        const std::uint16_t fev = ZTMontaData(1, 2, 2024);
        const std::uint16_t dia2040 = ZTMontaData(1, 3, 2040);
        EXPECT_EQ(ZTDataParaTimeT(fev), MeiaNoiteUtc(1, 2, 2024));
        EXPECT_EQ(ZTDataParaCTime(fev), MeiaNoiteUtc(1, 2, 2024));
        EXPECT_EQ(ZTDataParaTimeT(dia2040), MeiaNoiteUtc(1, 3, 2040));
        EXPECT_EQ(ZTDataParaTimeT(1), MeiaNoiteUtc(5, 6, 2027));
        EXPECT_EQ(ZTDataParaTimeT(ZTMontaData(7, 2, 2106)), MeiaNoiteUtc(7, 2, 2106));
        EXPECT_EQ(ZTDataParaCTime(28855), MeiaNoiteUtc(5, 6, 2106));
        EXPECT_EQ(ZTDataParaTimeT(0), 0u);
        EXPECT_EQ(ZTDataParaCTime(0), 0);
        // A period that starts before 1970 starts at the first moment.
        EXPECT_EQ(ZTDataParaTimeT(ZTMontaData(1, 1, 1960)), 0u);
        EXPECT_EQ(ErroDe([] { (void)ZTDataParaTimeT(ZTMontaData(8, 2, 2106)); }), platform::E_INVALIDARG);
        EXPECT_EQ(ErroDe([] { (void)ZTDataParaCTime(ZTMontaData(8, 2, 2106)); }), platform::S_OK);

        const auto momento = [](int dia, int mes, int ano) {
            return static_cast<std::uint32_t>(MeiaNoiteUtc(dia, mes, ano));
        };
        EXPECT_EQ(ZTTimeTParaData(momento(1, 2, 2024) + 86399), fev);
        EXPECT_EQ(ZTTimeTParaData(momento(4, 6, 2027)), 65535);
        EXPECT_EQ(ZTTimeTParaData(momento(5, 6, 2027)), 1);
        EXPECT_EQ(ZTTimeTParaData(momento(1, 3, 2040) + 3600), dia2040);
        EXPECT_EQ(ZTTimeTParaData(std::numeric_limits<std::uint32_t>::max()), ZTMontaData(7, 2, 2106));
        EXPECT_EQ(ZTTimeTParaData(0), 0);
    }
    {
        ScopedTimeZone tz(kelvo::testing::kUtcMinus3);
        EXPECT_EQ(ZTDataParaTimeT(ZTMontaData(1, 2, 2024)), MeiaNoiteUtc(1, 2, 2024) + 3 * 3600);
        EXPECT_EQ(ZTTimeTParaData(static_cast<std::uint32_t>(MeiaNoiteUtc(1, 2, 2024) + 3600)),
                  ZTMontaData(31, 1, 2024));
    }
}

// Guards reading record fields: any alignment, as in packed records; null is empty.
TEST(ShortDate, RecordFieldsAreReadAtAnyAlignment) {
    unsigned char registro[5] = {0xEE, 0, 0, 0, 0xEE};
    const std::uint16_t data = 28855;
    std::memcpy(registro + 1, &data, sizeof data);
    EXPECT_EQ(ZTLeCampoCurto(registro + 1), 28855);
    EXPECT_EQ(ZTMesAnoDoCampoData(registro + 1), 3102);
    EXPECT_EQ(ZTLeCampoCurto(nullptr), 0);
    EXPECT_EQ(ZTMesAnoDoCampoData(nullptr), 0);
}

}  // namespace
