#include "util/fiscal/cpf_cnpj.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// Synthetic numbers, made up for these tests and completed by the published rules:
// sum the digits weighted from the last one back (person: 2, 3, … growing; company: 2..9 and
// again from 2), r = sum mod 11, digit 0 when r is 0 or 1, else 11 - r.
struct NumeroValido {
    const char* numero;
    const char* conta;  // the sums behind the two digits, for the reader
};

const NumeroValido kCpfs[] = {
    {"12345678909", "d1: 210, r 1 -> 0; d2: 255, r 2 -> 9"},
    {"98765432100", "d1: 330, r 0 -> 0; d2: 375, r 1 -> 0"},
    {"00000000191", "d1: 2, r 2 -> 9; d2: 21, r 10 -> 1"},
    {"55566677720", "d1: 306, r 9 -> 2; d2: 364, r 1 -> 0"},
    {"24681357928", "d1: 240, r 9 -> 2; d2: 289, r 3 -> 8"},
    {"31415926590", "d1: 189, r 2 -> 9; d2: 243, r 1 -> 0"},
};

const NumeroValido kCnpjs[] = {
    {"86420975310037", "d1: 250, r 8 -> 3 (growing weights would give 8); d2: 301, r 4 -> 7"},
    {"97531086420080", "d1: 223, r 3 -> 8; d2: 276, r 1 -> 0"},
    {"13579246800302", "d1: 253, r 0 -> 0; d2: 229, r 9 -> 2"},
    {"86420975310207", "d1: 254, r 1 -> 0; d2: 301, r 4 -> 7"},
    {"24681357000221", "d1: 174, r 9 -> 2; d2: 208, r 10 -> 1"},
    {"00000001000136", "d1: 8, r 8 -> 3; d2: 16, r 5 -> 6"},
};

int Digito(const char* numero, int posicao) { return numero[posicao] - '0'; }

bool CpfConfere(const char* numero) {
    return ZTDigitoCPF(1, numero) == Digito(numero, 9) && ZTDigitoCPF(2, numero) == Digito(numero, 10);
}

bool CnpjConfere(const char* numero) {
    return ZTDigitoCNPJ(1, numero) == Digito(numero, 12) && ZTDigitoCNPJ(2, numero) == Digito(numero, 13);
}

// A copy of `texto` in a heap block of exactly its size, so that reading past the NUL is caught
// by the address sanitizer.
std::unique_ptr<char[]> CopiaExata(const char* texto) {
    const size_t tamanho = std::strlen(texto) + 1;
    auto copia = std::make_unique<char[]>(tamanho);
    std::memcpy(copia.get(), texto, tamanho);
    return copia;
}

// Guards the person weights (growing, no restart) and the mapping of remainders 0 and 1 to 0.
TEST(ZTDigitoCPF, GivesBothDigitsOfValidNumbers) {
    for (const NumeroValido& caso : kCpfs) {
        EXPECT_EQ(ZTDigitoCPF(1, caso.numero), Digito(caso.numero, 9)) << caso.numero << " " << caso.conta;
        EXPECT_EQ(ZTDigitoCPF(2, caso.numero), Digito(caso.numero, 10)) << caso.numero << " " << caso.conta;
    }
}

// Guards the company weights, which start again at 2 after 9.
TEST(ZTDigitoCNPJ, GivesBothDigitsOfValidNumbers) {
    for (const NumeroValido& caso : kCnpjs) {
        EXPECT_EQ(ZTDigitoCNPJ(1, caso.numero), Digito(caso.numero, 12)) << caso.numero << " " << caso.conta;
        EXPECT_EQ(ZTDigitoCNPJ(2, caso.numero), Digito(caso.numero, 13)) << caso.numero << " " << caso.conta;
    }
}

// Guards the digits that each covers: digit 1 only the base, digit 2 the base and digit 1,
// whatever follows.
TEST(ZTDigitoCPF, ReadsOnlyTheDigitsItCovers) {
    EXPECT_EQ(ZTDigitoCPF(1, "123456789"), 0);   // remainder 1
    EXPECT_EQ(ZTDigitoCPF(2, "1234567890"), 9);
    EXPECT_EQ(ZTDigitoCPF(1, "12345678977"), 0);  // the check digits given do not matter
    EXPECT_EQ(ZTDigitoCNPJ(1, "864209753100"), 3);
    EXPECT_EQ(ZTDigitoCNPJ(2, "8642097531003"), 7);
    EXPECT_EQ(ZTDigitoCNPJ(2, "8642097531003x"), 7);
}

// Guards that a wrong digit anywhere is noticed: each number differs from a valid one in one
// digit (the worked sums are in the tables above).
TEST(ZTDigitoCPF, NumbersOneDigitOffDoNotCheck) {
    const char* invalidos[] = {"12345678908", "12345678919", "13345678909", "98765432101",
                               "00000000192", "55566677721", "24681357929", "31415926500"};
    for (const char* numero : invalidos) EXPECT_FALSE(CpfConfere(numero)) << numero;
    const char* invalidosCnpj[] = {"86420975310038", "86420975310047", "96420975310037", "97531086420081",
                                   "13579246800312", "24681357000222", "00000001000137", "00000001100136"};
    for (const char* numero : invalidosCnpj) EXPECT_FALSE(CnpjConfere(numero)) << numero;
}

// Guards the refusals: a digit other than 1 or 2, too few digits, non-digits, null. The answer
// -1 can never be taken for a digit.
TEST(ZTDigitoCPF, RefusesWhatCannotGiveADigit) {
    struct Caso { int digito; const char* numero; };
    const Caso casos[] = {
        {0, "12345678909"}, {3, "12345678909"}, {-1, "12345678909"},
        {1, "12345678"}, {2, "123456789"}, {1, ""}, {1, nullptr},
        {1, "12345678x"}, {2, "123456789 "}, {1, "123.456.789-09"}, {1, " 123456789"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(ZTDigitoCPF(caso.digito, caso.numero), -1)
            << caso.digito << " " << (caso.numero ? caso.numero : "null");
    }
    const Caso casosCnpj[] = {
        {0, "86420975310037"}, {3, "86420975310037"}, {1, "86420975310"}, {2, "864209753100"},
        {1, ""}, {1, nullptr}, {1, "86.420.975/3100-37"}, {2, "864209753100-"},
    };
    for (const Caso& caso : casosCnpj) {
        EXPECT_EQ(ZTDigitoCNPJ(caso.digito, caso.numero), -1)
            << caso.digito << " " << (caso.numero ? caso.numero : "null");
    }
}

// Guards against reading past the terminator of a short text (the sanitizer build sees it).
TEST(ZTDigitoCPF, StopsAtTheTerminatorOfAShortText) {
    const auto cpf = CopiaExata("1234");
    EXPECT_EQ(ZTDigitoCPF(2, cpf.get()), -1);
    const auto cnpj = CopiaExata("8642097531");
    EXPECT_EQ(ZTDigitoCNPJ(2, cnpj.get()), -1);
    // Digits hidden behind a NUL are not part of the text.
    const char escondido[] = "12345\0" "6789";
    EXPECT_EQ(ZTDigitoCPF(1, escondido), -1);
}

std::string Formatado(const char* texto, bool bFormata) {
    CZTString numero(texto);
    ZTFormataCpfCnpj(numero, bFormata);
    return numero.str();
}

// Guards the two display forms and that only texts of exactly 11 or 14 digits are touched.
TEST(ZTFormataCpfCnpj, FormatsElevenAndFourteenDigits) {
    struct Caso { const char* entrada; const char* saida; };
    const Caso casos[] = {
        {"12345678909", "123.456.789-09"},
        {"86420975310037", "86.420.975/3100-37"},
        {"00000000191", "000.000.001-91"},
        {"", ""},
        {"1234567890", "1234567890"},
        {"123456789012", "123456789012"},
        {"1234567890123", "1234567890123"},
        {"123456789012345", "123456789012345"},
        // Fourteen characters, but already formatted: inserting again would garble it.
        {"123.456.789-09", "123.456.789-09"},
        {"1234567890x", "1234567890x"},
        {"8642097531003 ", "8642097531003 "},
    };
    for (const Caso& caso : casos) EXPECT_EQ(Formatado(caso.entrada, true), caso.saida) << caso.entrada;
}

// Guards the unformatting: digits only, the two check digits dropped for 11 or 14 digits, all
// kept for any other count, and no more than 20 digits.
TEST(ZTFormataCpfCnpj, UnformatsToTheBaseNumber) {
    struct Caso { const char* entrada; const char* saida; };
    const Caso casos[] = {
        {"123.456.789-09", "123456789"},
        {"12345678909", "123456789"},
        {"86.420.975/3100-37", "864209753100"},
        {"CPF 123 456 789 09.", "123456789"},
        {"12-34", "1234"},
        {"1234567890", "1234567890"},
        {"123456789012", "123456789012"},
        {"", ""},
        {"abc", ""},
        {"1234567890123456789012345", "12345678901234567890"},
        // Digits after the 20th are not counted, so this is not taken for a 14-digit number.
        {"12345678901234567890-12345", "12345678901234567890"},
    };
    for (const Caso& caso : casos) EXPECT_EQ(Formatado(caso.entrada, false), caso.saida) << caso.entrada;
}

// Guards that the display form and the base agree: unformatting a formatted number keeps its
// base, whose check digits give back the number.
TEST(ZTFormataCpfCnpj, FormattedNumbersUnformatToTheirBase) {
    for (const NumeroValido& caso : kCpfs) {
        const std::string base = Formatado(Formatado(caso.numero, true).c_str(), false);
        EXPECT_EQ(base, std::string(caso.numero, 9));
        const std::string comDigito = base + char('0' + ZTDigitoCPF(1, base.c_str()));
        EXPECT_EQ(comDigito + char('0' + ZTDigitoCPF(2, comDigito.c_str())), caso.numero);
    }
    for (const NumeroValido& caso : kCnpjs) {
        EXPECT_EQ(Formatado(Formatado(caso.numero, true).c_str(), false), std::string(caso.numero, 12));
    }
}

}  // namespace
