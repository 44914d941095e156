// The origin key REG_ZTDMC: every bit field round-trips without touching its neighbours, the
// builders choose the kind, the period readers, the validity bounds at both edges, the origin
// text and the short form.
#include "util/date/day_number.h"
#include "util/key/zt_dmc.h"
#include "util/key/zt_nome_modulo_origem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

struct Campo {
    const char* nome;
    std::uint64_t (*grava)(std::uint64_t, std::uint32_t);
    std::uint32_t (*le)(std::uint64_t);
    int deslocamento;
    int largura;
};

const Campo kCampos[] = {
    {"tipo", ZTDMCSetTipo, ZTDMCGetTipo, 0, 2},
    {"modulo", ZTDMCSetModulo, ZTDMCGetModulo, 2, 12},
    {"chave", ZTDMCSetChave, ZTDMCGetChave, 14, 32},
    {"periodo", ZTDMCSetPeriodo, ZTDMCGetPeriodo, 46, 18},
};

// Guards each field's position and width: every value of a walking bit pattern lands at its bits,
// reads back, and leaves the other fields (all ones or all zeros) as they were.
TEST(ZTDMC, EveryFieldRoundTripsAtItsBits) {
    for (const Campo& campo : kCampos) {
        const std::uint64_t mascara = ((std::uint64_t{1} << campo.largura) - 1) << campo.deslocamento;
        for (int bit = 0; bit < campo.largura; ++bit) {
            for (const std::uint64_t fundo : {std::uint64_t{0}, ~std::uint64_t{0}}) {
                const auto valor = static_cast<std::uint32_t>(std::uint64_t{1} << bit);
                const std::uint64_t gravado = campo.grava(fundo, valor);
                EXPECT_EQ(campo.le(gravado), valor) << campo.nome << " bit " << bit;
                EXPECT_EQ(gravado & ~mascara, fundo & ~mascara) << campo.nome << " bit " << bit;
                EXPECT_EQ(gravado & mascara, std::uint64_t{valor} << campo.deslocamento) << campo.nome;
            }
        }
        // The field's largest value, and a value wider than the field masked to it.
        const auto maximo = static_cast<std::uint32_t>((std::uint64_t{1} << campo.largura) - 1);
        EXPECT_EQ(campo.le(campo.grava(0, maximo)), maximo) << campo.nome;
        if (campo.largura < 32) {
            EXPECT_EQ(campo.le(campo.grava(0, maximo + 1)), 0u) << campo.nome;
        }
    }
}

// Guards the packing as other modules store it: one known value, bit for bit.
TEST(ZTDMC, PacksKnownValue) {
    const std::uint64_t valor = ZTDMCMonta(123, 15, 1997, ZT_DMC_TIPO_MES);
    EXPECT_EQ(valor, (std::uint64_t{1997} << 46) | (std::uint64_t{123} << 14) | (15u << 2) | 2u);
    EXPECT_EQ(ZTDMCMonta(0xFFFFFFFFu, 0xFFF, 0x3FFFF, 3), ~std::uint64_t{0});
}

// Guards the builders' kinds: a zero period gives kind 0, and a day the field cannot hold is not
// cut down to another date.
TEST(ZTDMC, BuildersChooseTheKind) {
    EXPECT_EQ(ZTDMCGetTipo(ZTDMCMontaData(5, 1, 60000)), ZT_DMC_TIPO_DATA);
    EXPECT_EQ(ZTDMCGetTipo(ZTDMCMontaData(5, 1, 0)), ZT_DMC_TIPO_NENHUM);
    EXPECT_EQ(ZTDMCGetTipo(ZTDMCMontaMes(5, 1, 1997)), ZT_DMC_TIPO_MES);
    EXPECT_EQ(ZTDMCGetTipo(ZTDMCMontaMes(5, 1, 0)), ZT_DMC_TIPO_NENHUM);
    EXPECT_EQ(ZTDMCGetTipo(ZTDMCMontaAno(5, 1, 2014)), ZT_DMC_TIPO_ANO);
    EXPECT_EQ(ZTDMCGetTipo(ZTDMCMontaAno(5, 1, 0)), ZT_DMC_TIPO_NENHUM);
    EXPECT_EQ(ZTDMCGetPeriodo(ZTDMCMontaData(5, 1, 0x3FFFF)), 0x3FFFFu);
    const std::uint64_t longe = ZTDMCMontaData(5, 1, 0x40001);
    EXPECT_EQ(ZTDMCGetTipo(longe), ZT_DMC_TIPO_DATA);
    EXPECT_EQ(ZTDMCGetPeriodo(longe), 0u);
    EXPECT_FALSE(ZTDMCIsValido(longe));
    EXPECT_EQ(ZTDMCGetModulo(ZTDMCMontaMes(9, 0, 1997)), 0u);
}

// Guards the period readers: day 1 reads as no date, a month above the last reads as none.
TEST(ZTDMC, PeriodReaders) {
    EXPECT_EQ(ZTDMCGetData(ZTDMCMonta(1, 1, 1, 3)), 0u);
    EXPECT_EQ(ZTDMCGetData(ZTDMCMonta(1, 1, 2, 3)), 2u);
    EXPECT_EQ(ZTDMCGetData(ZTDMCMonta(1, 1, 0x3FFFF, 3)), 0x3FFFFu);
    EXPECT_EQ(ZTDMCGetMesAno(ZTDMCMonta(1, 1, 34440, 2)), 34440u);
    EXPECT_EQ(ZTDMCGetMesAno(ZTDMCMonta(1, 1, 34441, 2)), 0u);
    EXPECT_EQ(ZTDMCGetMesAno(ZTDMCMonta(1, 1, 0x10000 + 1997, 2)), 1997u);  // low 16 bits only
}

// Guards every validity bound at both edges.
TEST(ZTDMC, ValidityBoundsAtBothEdges) {
    struct Caso {
        std::uint32_t chave, modulo, periodo, tipo;
        bool valido;
    };
    const Caso casos[] = {
        {0, 0, 0, 0, false},        {1, 0, 0, 0, true},         {0, 1, 0, 0, false},
        {5, 1, 1847, 1, false},     {5, 1, 1848, 1, true},      {5, 1, 4717, 1, true},
        {5, 1, 4718, 1, false},     {5, 1, 0, 2, false},        {5, 1, 1, 2, true},
        {5, 1, 34440, 2, true},     {5, 1, 34441, 2, false},    {5, 1, 1, 3, false},
        {5, 1, 2, 3, true},         {5, 1, 0x3FFFF, 3, true},   {5, 1, 0, 3, false},
        {5, 66, 2000, 2, true},     {5, 67, 2000, 2, false},    {5, 0xFFF, 0, 0, false},
        {0, 1, 2000, 2, false},     {0xFFFFFFFFu, 1, 7, 0, true},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ZTDMCIsValido(ZTDMCMonta(c.chave, c.modulo, c.periodo, c.tipo)), c.valido)
            << c.chave << " " << c.modulo << " " << c.periodo << " " << c.tipo;
    }
}

// Guards the origin text's parts by kind, the prefix left out for modules 21 and 22 and the
// period left out for module 24.
TEST(ZTDMC, OriginText) {
    const std::uint32_t maio2014 = ZTCalculaMesNumero(5, 2014);
    const std::uint32_t dia = ZTCalculaDiaNumero(7, 3, 2014);
    const std::string nome1 = ZTGetNomeModuloOrigem(1);
    struct Caso {
        std::uint64_t valor;
        std::string texto;
    };
    const Caso casos[] = {
        {ZTDMCMonta(123, 1, maio2014, 2), "M\xF3" "dulo " + nome1 + " - M\xEAs/Ano: 05/2014 - Chave: 123"},
        {ZTDMCMonta(9, 1, dia, 3), "M\xF3" "dulo " + nome1 + " - Data: 07/03/2014 - Chave: 9"},
        {ZTDMCMonta(9, 1, 1999, 1), "M\xF3" "dulo " + nome1 + " - Ano: 1999 - Chave: 9"},
        {ZTDMCMonta(4000000000u, 1, 0, 0), "M\xF3" "dulo " + nome1 + " - Chave: 4000000000"},
        {ZTDMCMonta(9, 21, 1999, 1), std::string(ZTGetNomeModuloOrigem(21)) + " - Ano: 1999 - Chave: 9"},
        {ZTDMCMonta(9, 22, 1999, 1), std::string(ZTGetNomeModuloOrigem(22)) + " - Ano: 1999 - Chave: 9"},
        {ZTDMCMonta(9, 24, 1999, 1), "M\xF3" "dulo " + std::string(ZTGetNomeModuloOrigem(24)) + " - Chave: 9"},
        {ZTDMCMonta(9, 67, 1999, 1), ""},
    };
    for (const Caso& c : casos) EXPECT_EQ(std::string(ZTDMCParaTexto(c.valor)), c.texto) << c.valor;
}

// Guards the 66-row name table: every module 1..66 has its own name of the form "area - kind",
// and 0 and 67 have none.
TEST(ZTDMC, ModuleNameTable) {
    std::set<std::string> nomes;
    for (std::uint32_t modulo = 1; modulo <= ZT_QTD_MODULOS_ORIGEM; ++modulo) {
        const std::string nome = ZTGetNomeModuloOrigem(modulo);
        EXPECT_NE(nome.find(" - "), std::string::npos) << modulo;
        nomes.insert(nome);
    }
    EXPECT_EQ(nomes.size(), 66u);
    EXPECT_STREQ(ZTGetNomeModuloOrigem(0), "");
    EXPECT_STREQ(ZTGetNomeModuloOrigem(67), "");
}

// Guards the short form both ways, its refusals and the buffer rule.
TEST(ZTDMC, ShortForm) {
    const std::uint16_t maio2014 = ZTCalculaMesNumero(5, 2014);
    char texto[ZT_DMC_TAM_TEXTO_CURTO];
    ASSERT_TRUE(ZTDMCParaTextoCurto(ZTDMCMonta(123, 7, maio2014, 2), texto, sizeof texto));
    EXPECT_STREQ(texto, "0514-000123");
    std::uint64_t valor = 1;
    ASSERT_TRUE(ZTDMCDeTextoCurto("0514-000123", valor));
    EXPECT_EQ(valor, ZTDMCMonta(123, 0, maio2014, 2));

    char pequeno[11] = "x";
    EXPECT_FALSE(ZTDMCParaTextoCurto(ZTDMCMonta(123, 7, maio2014, 2), pequeno, sizeof pequeno));
    EXPECT_STREQ(pequeno, "");
    EXPECT_FALSE(ZTDMCParaTextoCurto(ZTDMCMonta(123, 7, 2014, 1), texto, sizeof texto));
    EXPECT_STREQ(texto, "");
    EXPECT_FALSE(ZTDMCParaTextoCurto(ZTDMCMonta(1000000, 7, maio2014, 2), texto, sizeof texto));

    struct Caso {
        const char* texto;
        bool aceito;
        std::uint64_t valor;
    };
    const Caso casos[] = {
        {"", true, 0},
        {nullptr, true, 0},
        {"0000-000000", true, 0},
        {"0514-999999", true, ZTDMCMonta(999999, 0, maio2014, 2)},
        {"0514-000000", false, 0},
        {"1314-000001", false, 0},
        {"0514-00001", false, 0},
        {"0514-0000012", false, 0},
        {"0514+000001", false, 0},
        {"05a4-000001", false, 0},
        {"0514-00 001", false, 0},
    };
    for (const Caso& c : casos) {
        std::uint64_t lido = 99;
        EXPECT_EQ(ZTDMCDeTextoCurto(c.texto, lido), c.aceito) << (c.texto ? c.texto : "null");
        EXPECT_EQ(lido, c.valor) << (c.texto ? c.texto : "null");
    }
}

}  // namespace
