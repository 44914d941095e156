#include "util/time/day_counts.h"

#include "util/date/zt_data.h"
#include "util/time/short_date.h"
#include "util/time/short_date_text.h"
#include "util/time/zt_data1950.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using namespace std::chrono;

sys_days Dia(int ano, int mes, int dia) {
    return year{ano} / month{static_cast<unsigned>(mes)} / day{static_cast<unsigned>(dia)};
}

// dd/mm/yyyy of a calendar date, as the tests expect the counts' texts.
std::string TextoDe(sys_days d) {
    const year_month_day ymd{d};
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02u/%02u/%d", static_cast<unsigned>(ymd.day()),
                  static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
    return texto;
}

std::string Dias1850(std::int32_t dias) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return ZTDias1850ParaTexto(dias, texto);
}

std::string Meses1850(std::int32_t meses) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return ZTMeses1850ParaTexto(meses, texto);
}

// The 1850 count of a Gregorian date from March 1900 on: it has one extra day, 29 February 1900.
std::int32_t Contagem1850(int ano, int mes, int dia) {
    const bool depoisDoFantasma = ano > 1900 || (ano == 1900 && mes > 2);
    return static_cast<std::int32_t>((Dia(ano, mes, dia) - Dia(1850, 1, 1)).count() + 1 + (depoisDoFantasma ? 1 : 0));
}

// Guards the 1850 formula, its every-fourth-year leap rule (1900 included) and the empty forms.
TEST(DayCounts, Dias1850) {
    EXPECT_EQ(ZTCalculaDias1850(1, 1, 1850), 1);
    EXPECT_EQ(ZTCalculaDias1850(31, 12, 1850), 365);
    EXPECT_EQ(ZTCalculaDias1850(1, 1, 1851), 366);
    EXPECT_EQ(ZTCalculaDias1850(1, 3, 1852), 791);
    EXPECT_EQ(ZTCalculaDias1850(29, 2, 1900) + 1, ZTCalculaDias1850(1, 3, 1900));
    EXPECT_EQ(ZTCalculaDias1850(1, 3, 1900), Contagem1850(1900, 3, 1));
    EXPECT_EQ(ZTCalculaDias1850(1, 2, 2024), Contagem1850(2024, 2, 1));
    EXPECT_EQ(ZTCalculaDias1850(0, 0, 0), 0);
    EXPECT_EQ(ZTCalculaDias1850(1, 13, 2024), 0);
    EXPECT_EQ(ZTTextoParaDias1850("01/02/2024"), Contagem1850(2024, 2, 1));
    EXPECT_EQ(ZTTextoParaDias1850("01022024"), Contagem1850(2024, 2, 1));
    EXPECT_EQ(ZTTextoParaDias1850(""), 0);
    // The count agrees with the date class's conversion of it.
    EXPECT_EQ(CZTData().SetDias1850(ZTCalculaDias1850(1, 2, 2024)), CZTData().SetData(1, 2, 2024));
    EXPECT_EQ(CZTData().SetDias1850(ZTCalculaDias1850(1, 2, 1899)), CZTData().SetData(1, 2, 1899));
}

// Guards the 1850 text: the day of the year 0 at the end of a leap cycle is 31 December of the
// year before, and every count reads back to itself.
TEST(DayCounts, Dias1850ParaTextoRoundTrips) {
    EXPECT_EQ(Dias1850(0), "00/00/0");
    EXPECT_EQ(Dias1850(-5), "00/00/0");
    EXPECT_EQ(Dias1850(1), "01/01/1850");
    EXPECT_EQ(Dias1850(365), "31/12/1850");
    EXPECT_EQ(Dias1850(1096), "31/12/1852");
    EXPECT_EQ(Dias1850(1461), "31/12/1853");
    EXPECT_EQ(Dias1850(ZTCalculaDias1850(29, 2, 1900)), "29/02/1900");
    EXPECT_EQ(Dias1850(Contagem1850(2024, 2, 29)), "29/02/2024");
    for (std::int32_t dias = 1; dias <= 80000; ++dias) {
        ASSERT_EQ(ZTTextoParaDias1850(Dias1850(dias).c_str()), dias) << Dias1850(dias);
    }
    // A count whose year has five digits does not fit the text: empty, not cut.
    EXPECT_EQ(Dias1850(2147483647), "");
}

// Guards the month count from 1850 both ways.
TEST(DayCounts, Meses1850) {
    EXPECT_EQ(ZTTextoParaMeses1850("02/2024"), 2 + 12 * 2024 - 22200);
    EXPECT_EQ(ZTTextoParaMeses1850("012024"), 1 + 12 * 2024 - 22200);
    EXPECT_EQ(ZTTextoParaMeses1850("00/0000"), 0);
    EXPECT_EQ(ZTTextoParaMeses1850(nullptr), 0);
    EXPECT_EQ(Meses1850(1), "01/1850");
    EXPECT_EQ(Meses1850(12), "12/1850");
    EXPECT_EQ(Meses1850(13), "01/1851");
    EXPECT_EQ(Meses1850(0), "00/0");
    for (std::int32_t meses = 1; meses <= 3000; ++meses) {
        ASSERT_EQ(ZTTextoParaMeses1850(Meses1850(meses).c_str()), meses) << Meses1850(meses);
    }
}

// Guards the shift between the 1850 and 1848 counts (1 January 1848 = 1 is two years, one of them
// leap, before 1 January 1850 = 1).
TEST(DayCounts, Dias1848IsTheSameDayShifted) {
    EXPECT_EQ(ZTDias1850ParaDias1848(1), 732);
    EXPECT_EQ(ZTDias1848ParaDias1850(732), 1);
    EXPECT_EQ(ZTDias1850ParaDias1848(0), 0);
    EXPECT_EQ(ZTDias1848ParaDias1850(0), 0);
    // Before March 1900 the 1848 count is the day number less one (which counts 1 January 1848 as 2).
    const std::int32_t dias = ZTCalculaDias1850(15, 7, 1875);
    EXPECT_EQ(ZTDias1850ParaDias1848(dias), static_cast<std::int32_t>(CZTData().SetData(15, 7, 1875).GetValor()) - 1);
    EXPECT_EQ(ZTDias1848ParaDias1850(ZTDias1850ParaDias1848(dias)), dias);
}

// Guards the base-year count against the calendar from 1950 up to its first departure from it
// (the count's 29 February 2100), and every 16-bit count both ways.
TEST(DayCounts, DiasBaseAgreeWithTheCalendar) {
    EXPECT_EQ(ZTCalculaDiasBase(1, 1, 1950, 1950), 1);
    EXPECT_EQ(ZTCalculaDiasBase(1, 3, 1952, 1950), 791);
    EXPECT_EQ(ZTCalculaDiasBase(1, 1, 1953, 1950), 1097);
    EXPECT_EQ(ZTCalculaDiasBase(0, 0, 0, 1950), 0);
    EXPECT_EQ(ZTCalculaDiasBase(1, 0, 1990, 1950), 0);
    EXPECT_EQ(ZTDiasBaseParaTexto(0, 1950), "00/00/0000");
    EXPECT_EQ(ZTDiasBaseParaTexto(1, 1950), "01/01/1950");
    const std::int32_t ultimoGregoriano = ZTCalculaDiasBase(28, 2, 2100, 1950);
    for (std::int32_t dias = 1; dias <= ultimoGregoriano; ++dias) {
        ASSERT_EQ(ZTDiasBaseParaTexto(dias, 1950), TextoDe(Dia(1950, 1, 1) + days{dias - 1}).c_str()) << dias;
    }
    EXPECT_EQ(ZTDiasBaseParaTexto(ultimoGregoriano + 1, 1950), "29/02/2100");
    EXPECT_EQ(ZTDiasBaseParaTexto(ultimoGregoriano + 2, 1950), "01/03/2100");
    for (std::int32_t dias = 1; dias <= 65535; ++dias) {
        ASSERT_EQ(ZTTextoParaDiasBase(ZTDiasBaseParaTexto(dias, 1950), 1950), dias) << dias;
    }
}

// Guards the stored short value read as a base count, through its four-digit text: the values
// after 4 June 2027 are decoded first, and the base count keeps its 29 February 2100.
TEST(DayCounts, DataCurtaParaDiasBase) {
    EXPECT_EQ(ZTDataCurtaParaDiasBase(ZTMontaData(1, 1, 1950), 1950), 1);
    EXPECT_EQ(ZTDataCurtaParaDiasBase(65535, 1950), (Dia(2027, 6, 4) - Dia(1950, 1, 1)).count() + 1);
    EXPECT_EQ(ZTDataCurtaParaDiasBase(65381, 1950), (Dia(2027, 1, 1) - Dia(1950, 1, 1)).count() + 1);
    EXPECT_EQ(ZTDataCurtaParaDiasBase(1, 1950), (Dia(2027, 6, 5) - Dia(1950, 1, 1)).count() + 1);
    EXPECT_EQ(ZTDataCurtaParaDiasBase(28855, 1950), (Dia(2106, 6, 5) - Dia(1950, 1, 1)).count() + 2);
    EXPECT_EQ(CZTData1950().SetData(1).Formata(), "05/06/2027");
    EXPECT_EQ(ZTDataCurtaParaDiasBase(0, 1950), 0);
}

// Guards CZTData1950: counts that fit the field, 0 for dates before 1950, its text and the 1848 shift.
TEST(CZTData1950, HoldsTheCountFrom1950) {
    EXPECT_EQ(sizeof(CZTData1950), 2u);
    EXPECT_EQ(CZTData1950().SetData(ZTMontaData(1, 1, 1950)).GetDias(), 1);
    EXPECT_EQ(CZTData1950().SetData(ZTMontaData(1, 2, 2024)).GetDias(),
              (Dia(2024, 2, 1) - Dia(1950, 1, 1)).count() + 1);
    EXPECT_EQ(CZTData1950(5).SetData(ZTMontaData(31, 12, 1949)).GetDias(), 0);
    EXPECT_EQ(CZTData1950().SetTexto("01/02/1950").GetDias(), 32);
    EXPECT_EQ(CZTData1950(5).SetTexto("01/01/1900").GetDias(), 0);
    EXPECT_EQ(CZTData1950(5).SetTexto("").GetDias(), 0);
    EXPECT_EQ(CZTData1950(32).Formata(), "01/02/1950");
    EXPECT_EQ(CZTData1950().Formata(), "00/00/0000");
    EXPECT_EQ(CZTData1950(65535).Formata(), "04/06/2129");
    EXPECT_EQ(CZTData1950(32).GetDias1848(), 763);
    EXPECT_TRUE(CZTData1950(1).IsValida());
    EXPECT_TRUE(CZTData1950(65535).IsValida());
    EXPECT_FALSE(CZTData1950().IsValida());
}

}  // namespace
