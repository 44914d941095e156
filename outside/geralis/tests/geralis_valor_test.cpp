// The texts report values show: each kind read within its width, and refused kinds and widths.
#include "outside/geralis/geralis_definicoes.h"
#include "outside/geralis/valor_relatorio.h"

#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string TextoDe(const void* dado, int tipo, int tamanho) {
    CZTString texto("anterior");
    const platform::HRESULT hr = GeralisTextoDoValor(dado, tipo, tamanho, texto);
    EXPECT_EQ(hr, platform::S_OK);
    return texto.str();
}

struct CasoTexto {
    const char* caso;
    std::string dado;
    int tamanho;
    const char* esperado;
};

}  // namespace

// A text is read up to its width or its NUL, never beyond; controls turn into spaces so that a
// value cannot break its line; trailing padding goes, leading spaces stay.
TEST(GeralisValor, TextIsCutAtItsWidthOrNul) {
    const std::vector<CasoTexto> casos = {
        {"cut at the width", "Grupo de arquivos", 5, "Grupo"},
        {"cut at the NUL", std::string("Anal\xEDtica\0lixo", 14), 14, "Anal\xEDtica"},
        {"padding dropped", "Local      ", 11, "Local"},
        {"leading spaces kept", "  Recuo", 7, "  Recuo"},
        {"controls become spaces", "a\tb\nc\rd", 7, "a b c d"},
        {"accented bytes kept", "Servi\xE7o", 7, "Servi\xE7o"},
        {"width zero is empty", "nada", 0, ""},
    };
    for (const CasoTexto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        EXPECT_EQ(TextoDe(caso.dado.data(), GERALIS_TIPO_TEXTO, caso.tamanho), caso.esperado);
        EXPECT_EQ(TextoDe(caso.dado.data(), GERALIS_TIPO_DATA_TEXTO, caso.tamanho), caso.esperado);
    }
}

// Integers print in decimal with their sign.
TEST(GeralisValor, IntegersPrintWithTheirSign) {
    const std::int32_t negativo = -1234567;
    const std::int32_t maior = 2147483647;
    EXPECT_EQ(TextoDe(&negativo, GERALIS_TIPO_INTEIRO, 4), "-1234567");
    EXPECT_EQ(TextoDe(&maior, GERALIS_TIPO_INTEIRO, 4), "2147483647");
}

// Days are stored short values printed as dd/mm/yyyy, no date as nothing: the values 1..28855
// are the days from 5 June 2027 on, which read as raw day numbers printed as 1848..1926 or not
// at all.
TEST(GeralisValor, ShortDaysPrintTheDaysTheyMean) {
    struct Caso {
        std::uint16_t valor;
        const char* esperado;
    };
    const Caso casos[] = {
        {ZTMontaData(25, 12, 2023), "25/12/2023"}, {ZTMontaData(1, 2, 1999), "01/02/1999"},
        {ZTMontaData(1, 1, 1927), "01/01/1927"},   {65535, "04/06/2027"},
        {1, "05/06/2027"},                         {ZTMontaData(1, 3, 2040), "01/03/2040"},
        {28855, "05/06/2106"},                     {0, ""},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(TextoDe(&caso.valor, GERALIS_TIPO_DIA, 2), caso.esperado) << caso.valor;
    }
}

struct CasoRecusado {
    const char* caso;
    int tipo;
    int tamanho;
};

// An unknown kind or a width the kind cannot have is refused and leaves the text alone; a null
// value with bytes to read is a null pointer, not a crash.
TEST(GeralisValor, UnknownKindsWidthsAndNullAreRefused) {
    const std::vector<CasoRecusado> casos = {
        {"kind 0", 0, 4},
        {"kind 2", 2, 4},
        {"kind 7", 7, 4},
        {"integer of 2 bytes", GERALIS_TIPO_INTEIRO, 2},
        {"integer of 8 bytes", GERALIS_TIPO_INTEIRO, 8},
        {"day of 4 bytes", GERALIS_TIPO_DIA, 4},
        {"negative text width", GERALIS_TIPO_TEXTO, -1},
        {"text wider than allowed", GERALIS_TIPO_TEXTO, GERALIS_TAMANHO_MAXIMO + 1},
        {"date text wider than allowed", GERALIS_TIPO_DATA_TEXTO, GERALIS_TAMANHO_MAXIMO + 1},
    };
    const std::string dado(GERALIS_TAMANHO_MAXIMO + 8, 'x');
    for (const CasoRecusado& caso : casos) {
        SCOPED_TRACE(caso.caso);
        CZTString texto("anterior");
        EXPECT_FALSE(GeralisTamanhoValido(caso.tipo, caso.tamanho));
        EXPECT_EQ(GeralisTextoDoValor(dado.data(), caso.tipo, caso.tamanho, texto), GERALIS_E_ARGUMENTO);
        EXPECT_EQ(texto.str(), "anterior");
    }
    CZTString texto;
    EXPECT_EQ(GeralisTextoDoValor(nullptr, GERALIS_TIPO_TEXTO, 10, texto), platform::E_POINTER);
    EXPECT_EQ(GeralisTextoDoValor(nullptr, GERALIS_TIPO_INTEIRO, 4, texto), platform::E_POINTER);
    EXPECT_TRUE(GeralisTamanhoValido(GERALIS_TIPO_TEXTO, GERALIS_TAMANHO_MAXIMO));
    EXPECT_EQ(TextoDe(dado.data(), GERALIS_TIPO_TEXTO, GERALIS_TAMANHO_MAXIMO).size(), static_cast<size_t>(GERALIS_TAMANHO_MAXIMO));
}
