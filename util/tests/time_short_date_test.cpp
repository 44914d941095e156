#include "util/time/short_date.h"

#include "platform/hresult.h"
#include "platform/tests/support/time_zone.h"
#include "util/date/zt_data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>

namespace {

using kelvo::testing::ScopedTimeZone;

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

// Guards building short day numbers: clamping, the two-digit window (27 is now 2027), four-digit
// years of the field's range kept, others cut to two digits, and nothing beyond the field's end.
TEST(ShortDate, MontaDataBuildsTheShortDayNumber) {
    struct Caso { int dia, mes, ano; std::uint32_t esperado; };
    const Caso casos[] = {
        {31, 2, 2024, DiaNumero(29, 2, 2024)},  {29, 2, 2023, DiaNumero(28, 2, 2023)},
        {31, 4, 2024, DiaNumero(30, 4, 2024)},  {1, 2, 24, DiaNumero(1, 2, 2024)},
        {1, 1, 27, DiaNumero(1, 1, 2027)},      {1, 1, 28, DiaNumero(1, 1, 1928)},
        {1, 1, 2027, 65381},                    {1, 1, 1927, 28856},
        {31, 12, 2026, 65380},                  {4, 6, 2027, 65535},
        {4, 6, 27, 65535},                      {1, 1, 2130, DiaNumero(1, 1, 1930)},
        {29, 2, 2100, DiaNumero(29, 2, 2000)},  {1, 1, 1926, DiaNumero(1, 1, 2026)},
        {5, 6, 2027, 0},                        {31, 12, 27, 0},
        {0, 0, 0, 0},                           {0, 1, 2024, 0},
        {1, 0, 2024, 0},                        {1, 13, 2024, 0},
        {-1, 1, 2024, 0},                       {1, 1, -2024, 0},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTMontaData(c.dia, c.mes, c.ano), c.esperado) << c.dia << "/" << c.mes << "/" << c.ano;
    }
}

// Guards splitting: four-digit years, the field's last day, zeros for empty.
TEST(ShortDate, DesmontaDataSplitsIntoFullYears) {
    struct Caso { std::uint16_t numero; int dia, mes, ano; };
    const Caso casos[] = {{28856, 1, 1, 1927}, {65380, 31, 12, 2026}, {65381, 1, 1, 2027},
                          {65535, 4, 6, 2027}, {static_cast<std::uint16_t>(DiaNumero(29, 2, 2024)), 29, 2, 2024},
                          {0, 0, 0, 0},        {1, 0, 0, 0}};
    for (const Caso& c : casos) {
        int d = -1, m = -1, a = -1;
        ZTDesmontaData(c.numero, d, m, a);
        EXPECT_EQ(d, c.dia) << c.numero;
        EXPECT_EQ(m, c.mes) << c.numero;
        EXPECT_EQ(a, c.ano) << c.numero;
    }
}

// Guards the short month number against its formula (month + 12 × yy + 1824 below the window's
// edge, else + 624) and its split.
TEST(ShortDate, MonthNumbersFollowTheWindow) {
    struct Caso { int mes, ano; std::uint16_t esperado; };
    const Caso casos[] = {
        {2, 24, 2 + 12 * 24 + 1824},  {6, 27, 6 + 12 * 27 + 1824}, {1, 28, 1 + 12 * 28 + 624},
        {12, 99, 12 + 12 * 99 + 624}, {1, 1927, 949},              {6, 2027, 2154},
        {12, 2026, 2148},             {2, 2024, 2 + 12 * 24 + 1824}, {13, 26, 13 + 12 * 26 + 1824},
        {0, 0, 0},
    };
    for (const Caso& c : casos) EXPECT_EQ(ZTMontaMesAno(c.mes, c.ano), c.esperado) << c.mes << "/" << c.ano;

    struct Parte { std::uint16_t numero; int mes, ano; };
    const Parte partes[] = {{949, 1, 1927}, {2148, 12, 2026}, {2154, 6, 2027}, {2160, 12, 2027}, {0, 0, 0}};
    for (const Parte& p : partes) {
        int m = -1, a = -1;
        ZTDesmontaMesAno(p.numero, m, a);
        EXPECT_EQ(m, p.mes) << p.numero;
        EXPECT_EQ(a, p.ano) << p.numero;
    }
    EXPECT_EQ(ZTDataParaMesAno(65535), 2154);
    EXPECT_EQ(ZTDataParaMesAno(28856), 949);
    EXPECT_EQ(ZTDataParaMesAno(0), 0);
    EXPECT_EQ(ZTDataParaMesAno(100), 0);
}

// Guards the limits: the whole 16-bit field from 1927 on is valid (up to 4 June 2027), the months
// to June 2027, and a 32-bit day number beyond the field is not taken for a short one.
TEST(ShortDate, LimitsCoverTheWholeField) {
    EXPECT_EQ(ZTGetDataMinima(), 28856);
    EXPECT_EQ(ZTGetDataMaxima(), 65535);
    EXPECT_EQ(ZTGetDataMaxima(), DiaNumero(4, 6, 2027));
    EXPECT_EQ(ZTGetMesAnoMinimo(), 949);
    EXPECT_EQ(ZTGetMesAnoMaximo(), 2154);
    EXPECT_EQ(ZTGetMesAnoMaximo(), ZTDataParaMesAno(ZTGetDataMaxima()));

    struct Caso { std::uint32_t numero; bool data, mes; };
    const Caso casos[] = {{0, false, false},      {948, false, false},   {949, false, true},
                          {2154, false, true},    {2155, false, false},  {28855, false, false},
                          {28856, true, false},   {65380, true, false},  {65381, true, false},
                          {65535, true, false},   {65536, false, false}, {65536 + 28856, false, false}};
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTIsDataValida(c.numero), c.data) << c.numero;
        EXPECT_EQ(ZTIsMesAnoValido(c.numero), c.mes) << c.numero;
    }
    // The date class keeps every valid short day number as is.
    EXPECT_EQ(CZTData().SetDataCurta(ZTGetDataMaxima()), CZTData().SetData(4, 6, 2027));
}

// Guards the strict conversion of full dates: no wrap-round of years outside the field.
TEST(ShortDate, FullDatesOutsideTheFieldHaveNoShortForm) {
    EXPECT_EQ(ZTDataCurtaDaData(1, 1, 1927), 28856);
    EXPECT_EQ(ZTDataCurtaDaData(4, 6, 2027), 65535);
    EXPECT_EQ(ZTDataCurtaDaData(5, 6, 2027), 0);
    EXPECT_EQ(ZTDataCurtaDaData(31, 12, 1926), 0);
    EXPECT_EQ(ZTDataCurtaDaData(1, 1, 2030), 0);
    EXPECT_EQ(ZTDataCurtaDaData(1, 1, 30), 0);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(6, 2027), 2154);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(7, 2027), 0);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(12, 1926), 0);
    EXPECT_EQ(ZTMesAnoCurtoDoMes(13, 2024), 0);
}

// Guards the time values: local midnight both ways, 0 for 0, the framework's errors.
TEST(ShortDate, TimeValuesAreLocal) {
    {
        ScopedTimeZone tz(kelvo::testing::kUtc);
        const std::uint16_t fev = ZTMontaData(1, 2, 2024);
        EXPECT_EQ(ZTDataParaTimeT(fev), MeiaNoiteUtc(1, 2, 2024));
        EXPECT_EQ(ZTDataParaCTime(fev), MeiaNoiteUtc(1, 2, 2024));
        EXPECT_EQ(ZTDataParaCTime(65535), MeiaNoiteUtc(4, 6, 2027));
        EXPECT_EQ(ZTDataParaTimeT(0), 0);
        EXPECT_EQ(ZTDataParaCTime(0), 0);
        EXPECT_EQ(ZTTimeTParaData(static_cast<std::int32_t>(MeiaNoiteUtc(1, 2, 2024) + 86399)), fev);
        EXPECT_EQ(ZTTimeTParaData(static_cast<std::int32_t>(MeiaNoiteUtc(4, 6, 2027))), 65535);
        EXPECT_EQ(ZTTimeTParaData(static_cast<std::int32_t>(MeiaNoiteUtc(5, 6, 2027))), 0);
        EXPECT_EQ(ZTTimeTParaData(static_cast<std::int32_t>(MeiaNoiteUtc(1, 1, 1926))), 0);
        EXPECT_EQ(ZTTimeTParaData(0), 0);
        // Numbers below the field still split: 1850 is before 1900, 13 December 1901 before 32 bits.
        EXPECT_EQ(ErroDe([] { (void)ZTDataParaTimeT(static_cast<std::uint16_t>(DiaNumero(1, 1, 1850))); }),
                  platform::E_FAIL);
        EXPECT_EQ(ErroDe([] { (void)ZTDataParaTimeT(static_cast<std::uint16_t>(DiaNumero(13, 12, 1901))); }),
                  platform::E_INVALIDARG);
        EXPECT_EQ(ErroDe([] { (void)ZTDataParaCTime(static_cast<std::uint16_t>(DiaNumero(13, 12, 1901))); }),
                  platform::S_OK);
    }
    {
        ScopedTimeZone tz(kelvo::testing::kUtcMinus3);
        EXPECT_EQ(ZTDataParaTimeT(ZTMontaData(1, 2, 2024)), MeiaNoiteUtc(1, 2, 2024) + 3 * 3600);
        EXPECT_EQ(ZTTimeTParaData(static_cast<std::int32_t>(MeiaNoiteUtc(1, 2, 2024) + 3600)),
                  ZTMontaData(31, 1, 2024));
    }
}

// Guards reading record fields: any alignment, as in packed records; null is empty.
TEST(ShortDate, RecordFieldsAreReadAtAnyAlignment) {
    unsigned char registro[5] = {0xEE, 0, 0, 0, 0xEE};
    const std::uint16_t data = 65535;
    std::memcpy(registro + 1, &data, sizeof data);
    EXPECT_EQ(ZTLeCampoCurto(registro + 1), 65535);
    EXPECT_EQ(ZTMesAnoDoCampoData(registro + 1), 2154);
    EXPECT_EQ(ZTLeCampoCurto(nullptr), 0);
    EXPECT_EQ(ZTMesAnoDoCampoData(nullptr), 0);
}

}  // namespace
