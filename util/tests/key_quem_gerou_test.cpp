// CZTQuemGerou: each constructor's fields, the conversions to an origin record and to texts, and
// the long form read back.
#include "util/date/day_number.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/key/zt_nome_modulo_origem.h"
#include "util/key/zt_quem_gerou.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Campos {
    std::uint32_t tipo, modulo, chave, periodo;
};

void EsperaCampos(const CZTQuemGerou& q, const Campos& c, const char* caso) {
    EXPECT_EQ(q.GetTipo(), c.tipo) << caso;
    EXPECT_EQ(q.GetModulo(), c.modulo) << caso;
    EXPECT_EQ(q.GetChave(), c.chave) << caso;
    EXPECT_EQ(q.GetPeriodo(), c.periodo) << caso;
}

// Guards what each constructor puts in which field.
TEST(CZTQuemGerou, ConstructorsFillTheFields) {
    const std::uint16_t mes = ZTCalculaMesNumero(5, 2014);
    const std::uint32_t dia = ZTCalculaDiaNumero(7, 3, 2014);
    EsperaCampos(CZTQuemGerou(), {0, 0, 0, 0}, "empty");
    EsperaCampos(CZTQuemGerou(77, 12, 2014, 1), {1, 12, 77, 2014}, "parts");
    EsperaCampos(CZTQuemGerou(ZTMontaChaveMesAno(mes, 4321), 15), {2, 15, 4321, mes}, "month/key value");
    EsperaCampos(CZTQuemGerou(std::uint32_t{0}, 15), {0, 0, 0, 0}, "month/key value 0");
    EsperaCampos(CZTQuemGerou(ZTMontaOrigem(0xABCDEF, 25, 1997)), {2, 25, 0xABCDEF, 1997}, "origin record");
    EsperaCampos(CZTQuemGerou(ZTMontaOrigem(5, 25, -3)), {0, 25, 5, 0}, "origin without a month");
    EsperaCampos(CZTQuemGerou(std::uint64_t{0x3FFFFull << 46 | 3}), {3, 0, 0, 0x3FFFF}, "raw value");
    EsperaCampos(CZTQuemGerou(9, CZTData(dia)), {3, 0, 9, dia}, "date");
    EsperaCampos(CZTQuemGerou(9, CZTData()), {0, 0, 9, 0}, "empty date");
    CZTMesAno mesAno;
    mesAno.SetMesAno(5, 2014);
    EsperaCampos(CZTQuemGerou(9, mesAno), {2, 0, 9, mes}, "month");
    EsperaCampos(CZTQuemGerou("0514-000123"), {2, 0, 123, mes}, "short form");
    EsperaCampos(CZTQuemGerou("0514-000000"), {0, 0, 0, 0}, "refused short form");
    const CZTQuemGerou original(77, 12, 2014, 1);
    const CZTQuemGerou copia(original);
    EXPECT_EQ(copia, original);
}

// Guards the setters: one field replaced, the others kept.
TEST(CZTQuemGerou, SettersReplaceOneField) {
    CZTQuemGerou q(0xFFFFFFFFu, 0xFFF, 0x3FFFF, 3);
    q.SetModulo(7);
    EsperaCampos(q, {3, 7, 0xFFFFFFFFu, 0x3FFFF}, "module");
    q.SetChave(8);
    EsperaCampos(q, {3, 7, 8, 0x3FFFF}, "key");
    q.SetPeriodo(9);
    EsperaCampos(q, {3, 7, 8, 9}, "period");
    q.SetTipo(1);
    EsperaCampos(q, {1, 7, 8, 9}, "kind");
}

// Guards the origin record: the parts round-trip, and parts the record cannot hold give an
// empty record instead of another origin.
TEST(CZTQuemGerou, ConvertsToAnOriginRecord) {
    const ZT_ORIGEM origem = CZTQuemGerou(0xABCDEF, 25, 1997, 2).GetOrigem();
    EXPECT_EQ(origem, ZTMontaOrigem(0xABCDEF, 25, 1997));
    EXPECT_EQ(CZTQuemGerou(0x1000000, 25, 1997, 2).GetOrigem(), ZT_ORIGEM{});
    EXPECT_EQ(CZTQuemGerou(5, 256, 1997, 2).GetOrigem(), ZT_ORIGEM{});
    EXPECT_EQ(CZTQuemGerou(5, 25, 40000, 3).GetOrigem(), ZT_ORIGEM{});
}

// Guards the texts: decimal value, origin text cut to its buffer, short form.
TEST(CZTQuemGerou, Texts) {
    const CZTQuemGerou q(123, 1, ZTCalculaMesNumero(5, 2014), 2);
    EXPECT_EQ(std::string(q.ToString()), std::to_string(q.GetValor()));
    EXPECT_EQ(std::string(CZTQuemGerou(~std::uint64_t{0}).ToString()), "18446744073709551615");
    char origem[ZT_DMC_TAM_TEXTO_ORIGEM];
    EXPECT_EQ(std::string(q.GetTextoOrigem(origem, sizeof origem)), std::string(ZTDMCParaTexto(q.GetValor())));
    char cortado[8];
    EXPECT_STREQ(q.GetTextoOrigem(cortado, sizeof cortado), "M\xF3" "dulo ");
    char curto[ZT_QUEM_GEROU_TAM_TEXTO_CURTO];
    EXPECT_STREQ(q.GetTextoCurto(curto, sizeof curto), "0514-000123");
}

// Guards the long form: each kind's period text, the module name suffix, and reading it back
// (names and numbers for the kind, texts and numbers for the period, blanks ignored).
TEST(CZTQuemGerou, LongFormBothWays) {
    const std::uint16_t mes = ZTCalculaMesNumero(5, 2014);
    const std::uint32_t dia = ZTCalculaDiaNumero(7, 3, 2014);
    const std::string nome = ZTGetNomeModuloOrigem(21);
    struct Caso {
        CZTQuemGerou q;
        std::string texto;
    };
    const Caso casos[] = {
        {CZTQuemGerou(123, 21, mes, 2), "MA - 05/2014 - 123 - 21 (" + nome + ")"},
        {CZTQuemGerou(9, 0, dia, 3), "DMA - 07/03/2014 - 9 - 0"},
        {CZTQuemGerou(9, 70, 1999, 1), "Ano - 1999 - 9 - 70"},
        {CZTQuemGerou(9, 70, 7, 0), "Nenhum - 7 - 9 - 70"},
        {CZTQuemGerou(4000000000u, 3, 40000, 2), "MA - 40000 - 4000000000 - 3 (" + std::string(ZTGetNomeModuloOrigem(3)) + ")"},
        {CZTQuemGerou(9, 1, 1, 3), "DMA - 1 - 9 - 1 (" + std::string(ZTGetNomeModuloOrigem(1)) + ")"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(std::string(c.q.GetTextoLongo()), c.texto);
        CZTQuemGerou lido;
        ASSERT_TRUE(lido.SetTextoLongo(c.texto.c_str())) << c.texto;
        EXPECT_EQ(lido, c.q) << c.texto;
    }
    CZTQuemGerou lido;
    ASSERT_TRUE(lido.SetTextoLongo(" 2 -  05/2014 - 123 - 21"));
    EXPECT_EQ(lido, CZTQuemGerou(123, 21, mes, 2));
    ASSERT_TRUE(lido.SetTextoLongo("3-60000-5-4"));
    EXPECT_EQ(lido, CZTQuemGerou(5, 4, 60000, 3));

    // A refused text leaves the descriptor as it was.
    const CZTQuemGerou antes = lido;
    for (const char* ruim : {"", "MA - 05/2014 - 123", "XX - 1 - 2 - 3", "MA - 13/2014 - 1 - 2", "0 - 1 - 4294967296 - 3",
                             "0 - 262144 - 1 - 2", "0 - 1 - 1 - 4096", "0 - 1 - x - 2", "0 - 1 - 1 - (2)"}) {
        EXPECT_FALSE(lido.SetTextoLongo(ruim)) << ruim;
        EXPECT_EQ(lido, antes) << ruim;
    }
}

}  // namespace
