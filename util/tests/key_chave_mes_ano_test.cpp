#include "util/key/zt_chave_mes_ano.h"

#include "util/date/zt_mes_ano.h"
#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::uint16_t kMaio2014 = 5 + 12 * (2014 - 1848);  // 1997

using zt_time_test::DiaDe2026;
using zt_time_test::HojeFixado;

// Guards the layout: month in the low 12 bits, key above.
TEST(ZTChaveMesAno, PacksMonthAndKey) {
    ASSERT_EQ(kMaio2014, CZTMesAno().SetMesAno(5, 2014).GetValor());
    const std::uint32_t valor = ZTMontaChaveMesAno(kMaio2014, 123);
    EXPECT_EQ(valor, (123u << 12) | 1997u);
    EXPECT_EQ(ZTGetChaveDaChaveMesAno(valor), 123u);
    EXPECT_EQ(ZTGetMesAnoDaChaveMesAno(valor), kMaio2014);
    std::uint16_t mes = 0;
    std::uint32_t chave = 0;
    EXPECT_EQ(ZTDesmontaChaveMesAno(valor, mes, chave), kMaio2014);
    EXPECT_EQ(mes, kMaio2014);
    EXPECT_EQ(chave, 123u);
    EXPECT_EQ(ZTMontaChaveMesAno(0xFFF, 0xFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(ZTMontaChaveMesAno(0, 0), 0u);
}

// Guards the shared packing that stored links hold: key bits above the twentieth fall off, and a
// month above 12 bits runs into the key instead of being refused.
TEST(ZTChaveMesAno, KeepsTheSharedPackingBitForBit) {
    EXPECT_EQ(ZTMontaChaveMesAno(1, 0x100000), 1u);
    EXPECT_EQ(ZTMontaChaveMesAno(1, 0x1FFFFF), 0xFFFFF001u);
    EXPECT_EQ(ZTMontaChaveMesAno(0x1001, 2), 0x3001u);
    EXPECT_EQ(ZTMontaChaveMesAno(0xFFFF, 0), 0xFFFFu);
    EXPECT_EQ(ZTMontaRegistroMesAno(kMaio2014, 0x100000, 9).lChaveMesAno, kMaio2014);
}

// Guards the month text: two-digit month and year with '/', the key through the output, a
// month part of 0 as zeros, and a short buffer left empty rather than overrun.
TEST(ZTChaveMesAno, MonthPartAsText) {
    char texto[ZT_TAM_TEXTO_MES_CHAVE + 4];
    std::uint32_t chave = 0;
    EXPECT_STREQ(ZTMesDaChaveParaTexto(ZTMontaChaveMesAno(kMaio2014, 77), texto, sizeof texto, &chave), "05/14");
    EXPECT_EQ(chave, 77u);
    EXPECT_STREQ(ZTMesDaChaveParaTexto(ZTMontaChaveMesAno(CZTMesAno().SetMesAno(12, 1999).GetValor(), 1), texto,
                                       sizeof texto),
                 "12/99");
    EXPECT_STREQ(ZTMesDaChaveParaTexto(123u << 12, texto, sizeof texto), "00/00");
    char curto[ZT_TAM_TEXTO_MES_CHAVE] = {'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_STREQ(ZTMesDaChaveParaTexto(ZTMontaChaveMesAno(kMaio2014, 1), curto, ZT_TAM_TEXTO_MES_CHAVE - 1), "");
    EXPECT_EQ(curto[5], 'x');
}

// Guards the text form "%s-%06d" of the month without '/' and the key.
TEST(ZTChaveMesAno, ValueAsText) {
    struct Caso { std::uint16_t mes; std::uint32_t chave; const char* texto; };
    const Caso casos[] = {
        {kMaio2014, 123, "0514-000123"},
        {CZTMesAno().SetMesAno(1, 2000).GetValor(), 0, "0100-000000"},
        {CZTMesAno().SetMesAno(11, 1987).GetValor(), 999999, "1187-999999"},
        {CZTMesAno().SetMesAno(2, 2020).GetValor(), 0xFFFFF, "0220-1048575"},
        {0, 5, "0000-000005"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(std::string(ZTChaveMesAnoParaTexto(ZTMontaChaveMesAno(c.mes, c.chave))), c.texto);
    }
}

// Guards the reading of the text form: four characters mmyy, '-', a decimal key; 0 for anything
// that is not a month/key text or names no month or no key. Two-digit years through the window
// of the pinned 2026.
TEST(ZTChaveMesAno, ReadsTheTextForm) {
    const HojeFixado hoje(DiaDe2026());
    const std::uint32_t esperado = ZTMontaChaveMesAno(kMaio2014, 123);
    struct Caso { const char* texto; std::uint32_t valor; };
    const Caso casos[] = {
        {"0514-000123", esperado},
        {"0514-123", esperado},
        {"  0514- 123  ", esperado},
        {"0514-+123", esperado},
        {"1226-1", ZTMontaChaveMesAno(CZTMesAno().SetMesAno(12, 2026).GetValor(), 1)},
        {"0146-1048575", ZTMontaChaveMesAno(CZTMesAno().SetMesAno(1, 1946).GetValor(), 0xFFFFF)},
        {"0145-1", ZTMontaChaveMesAno(CZTMesAno().SetMesAno(1, 2045).GetValor(), 1)},
        {"0514-000000", 0},   // key 0
        {"0514-0", 0},
        {"0014-000123", 0},   // month 0
        {"1314-000123", 0},   // month 13
        {"0000-000000", 0},
        {"0514-", 0},         // no key
        {"0514000123", 0},    // no '-'
        {"514-000123", 0},    // three characters before the '-'
        {"05 14-000123", 0},  // a blank inside the month
        {"05/1-000123", 0},
        {"ab14-000123", 0},
        {"0514--123", 0},     // negative key
        {"0514-1048576", 0},  // key above 20 bits
        {"0514-99999999999999999999", 0},
        {"0514-12x", 0},      // not a key
        {"", 0},
        {nullptr, 0},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTTextoChaveParaChaveMesAno(c.texto), c.valor) << (c.texto ? c.texto : "(null)");
    }
}

// Guards that every value the text form can carry (its years those of the window of the pinned
// 2026) reads back as itself.
TEST(ZTChaveMesAno, TextFormRoundTrips) {
    const HojeFixado hoje(DiaDe2026());
    const std::uint32_t chaves[] = {1, 9, 123, 999999, 1000000, 0xFFFFF};
    for (int ano = 1946; ano <= 2045; ano += 11) {
        for (int mes = 1; mes <= 12; ++mes) {
            const std::uint16_t m = CZTMesAno().SetMesAno(mes, ano).GetValor();
            for (std::uint32_t chave : chaves) {
                const std::uint32_t valor = ZTMontaChaveMesAno(m, chave);
                EXPECT_EQ(ZTTextoChaveParaChaveMesAno(ZTChaveMesAnoParaTexto(valor)), valor) << mes << "/" << ano;
            }
        }
    }
}

// Guards the month text with a separate key.
TEST(ZTChaveMesAno, MonthTextAndKey) {
    const HojeFixado hoje(DiaDe2026());
    EXPECT_EQ(ZTTextoParaChaveMesAno("05/14", 123), ZTMontaChaveMesAno(kMaio2014, 123));
    EXPECT_EQ(ZTTextoParaChaveMesAno("05/2014", 123), ZTMontaChaveMesAno(kMaio2014, 123));
    EXPECT_EQ(ZTTextoParaChaveMesAno("05/14", 0), ZTMontaChaveMesAno(kMaio2014, 0));
    EXPECT_EQ(ZTTextoParaChaveMesAno("13/14", 123), 0u);
    EXPECT_EQ(ZTTextoParaChaveMesAno("", 123), 0u);
    EXPECT_EQ(ZTTextoParaChaveMesAno(nullptr, 123), 0u);
    EXPECT_EQ(ZTTextoParaChaveMesAno("05/14", 0x100000), kMaio2014);  // key bits above 20 fall off
    EXPECT_EQ(ZTTextoParaChaveMesAno("05/2200", 1), 0u);  // a month number above 12 bits
}

// Guards the order: months first (as unsigned numbers), then keys.
TEST(ZTChaveMesAno, OrdersByMonthThenKey) {
    const std::uint16_t jan = CZTMesAno().SetMesAno(1, 2014).GetValor();
    struct Caso { std::uint16_t mesA; std::uint32_t chaveA; std::uint16_t mesB; std::uint32_t chaveB; int resultado; };
    const Caso casos[] = {
        {kMaio2014, 5, kMaio2014, 9, -1},
        {kMaio2014, 9, kMaio2014, 5, 1},
        {kMaio2014, 5, kMaio2014, 5, 0},
        {jan, 0xFFFFF, kMaio2014, 1, -1},  // a smaller month first whatever the keys
        {kMaio2014, 1, jan, 0xFFFFF, 1},
        {0xFFF, 0, 1, 0x80000, 1},         // months compare unsigned, never by the key's sign bit
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTComparaChaveMesAno(ZTMontaChaveMesAno(c.mesA, c.chaveA), ZTMontaChaveMesAno(c.mesB, c.chaveB)),
                  c.resultado);
        EXPECT_EQ(ZTComparaMesAnoChave(c.mesA, c.chaveA, c.mesB, c.chaveB), c.resultado);
    }
    // The keys compare unsigned over all 32 bits.
    EXPECT_EQ(ZTComparaMesAnoChave(1, 0x80000000u, 1, 1), 1);
    EXPECT_EQ(ZTComparaMesAnoChave(2, 0, 1, 0xFFFFFFFFu), 1);
}

// Guards the record of month, key and number and its split.
TEST(ZTChaveMesAno, RecordOfMonthKeyAndNumber) {
    const ZT_REGISTRO_MES_ANO registro = ZTMontaRegistroMesAno(kMaio2014, 123, 65535);
    EXPECT_EQ(registro.lChaveMesAno, ZTMontaChaveMesAno(kMaio2014, 123));
    EXPECT_EQ(registro.iNumero, 65535);
    std::uint16_t mes = 0, numero = 0;
    std::uint32_t chave = 0;
    EXPECT_EQ(ZTDesmontaRegistroMesAno(registro, mes, chave, numero), kMaio2014);
    EXPECT_EQ(mes, kMaio2014);
    EXPECT_EQ(chave, 123u);
    EXPECT_EQ(numero, 65535);
}

}  // namespace
