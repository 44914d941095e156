// Writing distribution lists through the client library in the process: new lists and their
// records at their offsets, rewrites that move or stay in place, refusals that write nothing,
// damaged headers that must not steer a write, and no file without a session.
#include "server/distribution/qd_distribuicao_arq.h"
#include "server/tests/distribution_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

const std::string kZeros8(8, '\0');

// Lists 1 (three documents) and 2 (two documents) stored in an empty company.
class GravaDistribuicao : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(empresa_.GravaLista(kLista1), 1u);
        ASSERT_EQ(empresa_.GravaLista(kLista2), 2u);
    }

    const std::vector<std::uint32_t> kLista1 = {40, 7, 0xFFFFFFFFu};
    const std::vector<std::uint32_t> kLista2 = {12, 12};
    EmpresaDistribuicao empresa_;
};

// New lists are numbered from 1 in QDDIST.DAT, each with its count, its first item and zeros, and
// their items lie back to back in QDDISTIT.DAT behind a zero header, exactly as given.
TEST_F(GravaDistribuicao, NewListsLieAtTheirOffsets) {
    const std::string listas = empresa_.Listas();
    ASSERT_EQ(listas.size(), 3u * 16);
    EXPECT_EQ(listas.substr(0, 16), std::string(16, '\0'));
    EXPECT_EQ(NumeroEm(listas, 16, 4), 3u);
    EXPECT_EQ(NumeroEm(listas, 20, 4), 1u);
    EXPECT_EQ(listas.substr(24, 8), kZeros8);
    EXPECT_EQ(NumeroEm(listas, 32, 4), 2u);
    EXPECT_EQ(NumeroEm(listas, 36, 4), 4u);
    EXPECT_EQ(listas.substr(40, 8), kZeros8);

    const std::string itens = empresa_.Itens();
    ASSERT_EQ(itens.size(), 6u * 4);
    EXPECT_EQ(NumeroEm(itens, 0, 4), 0u);
    EXPECT_EQ(ItensEm(itens), (std::vector<std::uint32_t>{40, 7, 0xFFFFFFFFu, 12, 12}));
}

// A longer list moves to the end of the item file and leaves the other list's items alone; a
// shorter or equal one is rewritten in place; the number never changes and the header's zeros stay.
TEST_F(GravaDistribuicao, RewriteMovesLongerListsAndKeepsShorterOnesInPlace) {
    struct Passo {
        const char* nome;
        std::vector<std::uint32_t> posicoes;
        std::uint32_t primeiro;       // expected first item
        std::size_t registrosItens;   // expected item records in the file
    };
    const Passo passos[] = {
        {"longer: appended after everything", {1, 2, 3, 4, 5}, 6, 10},
        {"shorter: in place", {9, 8}, 6, 10},
        {"same length: in place", {6, 5}, 6, 10},
        {"longer than now but not than the run once was: appended", {1, 2, 3}, 11, 13},
    };
    for (const Passo& passo : passos) {
        EXPECT_EQ(empresa_.GravaLista(passo.posicoes, 1), 1u) << passo.nome;
        const std::string listas = empresa_.Listas();
        const std::string itens = empresa_.Itens();
        ASSERT_EQ(listas.size(), 3u * 16) << passo.nome;
        EXPECT_EQ(itens.size(), (passo.registrosItens + 1) * 4) << passo.nome;
        const ListaGravada lista = ListaEm(listas, 1);
        EXPECT_EQ(lista.qtd, passo.posicoes.size()) << passo.nome;
        EXPECT_EQ(lista.primeiro, passo.primeiro) << passo.nome;
        EXPECT_EQ(lista.resto, kZeros8) << passo.nome;
        EXPECT_EQ(ItensDaLista(listas, itens, 1), passo.posicoes) << passo.nome;
        EXPECT_EQ(ItensDaLista(listas, itens, 2), kLista2) << passo.nome;
        EXPECT_EQ(empresa_.LeLista(1), passo.posicoes) << passo.nome;
        EXPECT_EQ(empresa_.LeLista(2), kLista2) << passo.nome;
    }
    // The abandoned run of the first rewrite keeps its bytes: nothing reuses or clears it.
    EXPECT_EQ(ItensEm(empresa_.Itens()).at(0), 40u);
}

// What no client could mean to store is refused before any file changes, and *pPos is left alone.
TEST_F(GravaDistribuicao, RefusalsWriteNothing) {
    std::uint32_t umItem = 5;
    struct Caso {
        const char* nome;
        bool bSemPos;
        std::uint32_t numero;
        QD_ARRAY_PONTEIROS_PS ps;
        HRESULT esperado;
    };
    const Caso casos[] = {
        {"no place for the number", true, 0, {1, &umItem}, platform::E_POINTER},
        {"an empty new list", false, 0, {0, nullptr}, platform::E_INVALIDARG},
        {"an empty list with an array", false, 0, {0, &umItem}, platform::E_INVALIDARG},
        {"a rewrite to an empty list", false, 1, {0, nullptr}, platform::E_INVALIDARG},
        {"a count without its array", false, 0, {3, nullptr}, platform::E_POINTER},
        // The array holds one item: reading what the count claims would overrun it.
        {"more items than a message carries", false, 0, {QD_DISTRIBUICAO_MAX_ITENS + 1, &umItem},
         platform::E_INVALIDARG},
        {"a negative count seen as unsigned", false, 0, {0xFFFFFFFFu, &umItem}, platform::E_INVALIDARG},
        {"a list past the end", false, 3, {1, &umItem}, platform::HResultFromMessage(16021)},
        {"a number no file reaches", false, 0x80000000u, {1, &umItem}, platform::HResultFromMessage(16021)},
    };
    const std::string listas = empresa_.Listas();
    const std::string itens = empresa_.Itens();
    for (const Caso& caso : casos) {
        std::uint32_t numero = caso.numero;
        EXPECT_EQ(empresa_.Srv().GravaDistribuicao(caso.bSemPos ? nullptr : &numero, caso.ps), caso.esperado)
            << caso.nome;
        EXPECT_EQ(numero, caso.numero) << caso.nome;
        EXPECT_EQ(empresa_.Listas(), listas) << caso.nome;
        EXPECT_EQ(empresa_.Itens(), itens) << caso.nome;
    }
}

// A header whose run the item file does not hold (damage, or a header written by hand) is no
// place for a rewrite: the items are appended, never written over the file's header record or
// far past its end.
TEST_F(GravaDistribuicao, DamagedHeaderDoesNotSteerTheRewrite) {
    struct Caso {
        const char* nome;
        std::uint32_t qtd;
        std::uint32_t primeiro;
    };
    const Caso casos[] = {
        {"first item 0", 3, 0},
        {"first item far past the end", 3, 1000000},
        {"first item beyond any signed position", 3, 0x80000001u},
        {"run running past the end", 0x7FFFFFFFu, 2},
        {"count beyond any signed count", 0xFFFFFFF0u, 1},
        {"count 0", 0, 1},
    };
    const std::vector<std::uint32_t> novos = {77, 78};
    for (const Caso& caso : casos) {
        QD_DISTRIBUICAO_ARQ danificado{};
        danificado.nQtdItens = caso.qtd;
        danificado.lPrimeiroItem = caso.primeiro;
        GravaRegistro(empresa_.Bind(), danificado, 1);
        const std::size_t registros = ItensEm(empresa_.Itens()).size();

        EXPECT_EQ(empresa_.GravaLista(novos, 1), 1u) << caso.nome;
        const std::string itens = empresa_.Itens();
        EXPECT_EQ(itens.size(), (registros + 1 + novos.size()) * 4) << caso.nome;
        EXPECT_EQ(NumeroEm(itens, 0, 4), 0u) << caso.nome;
        const ListaGravada lista = ListaEm(empresa_.Listas(), 1);
        EXPECT_EQ(lista.qtd, 2u) << caso.nome;
        EXPECT_EQ(lista.primeiro, registros + 1) << caso.nome;
        EXPECT_EQ(ItensDaLista(empresa_.Listas(), itens, 2), kLista2) << caso.nome;
        EXPECT_EQ(empresa_.LeLista(1), novos) << caso.nome;
    }
}

// Without a session there is no data directory: nothing is written anywhere.
TEST(GravaDistribuicaoSemSessao, AnswersNoDataDirectory) {
    TestEnvironment ambiente;
    Servidor srv;
    std::uint32_t item = 4;
    std::uint32_t numero = 0;
    EXPECT_EQ(srv->GravaDistribuicao(&numero, {1, &item}), platform::HResultFromMessage(16179));
    EXPECT_EQ(numero, 0u);
    QD_ARRAY_PONTEIROS_PS lista{};
    EXPECT_EQ(srv->LeDistribuicao(1, &lista, 0), platform::HResultFromMessage(16179));
    for (const auto& entrada : std::filesystem::recursive_directory_iterator(ambiente.Folder())) {
        EXPECT_NE(entrada.path().filename(), "QDDIST.DAT");
        EXPECT_NE(entrada.path().filename(), "QDDISTIT.DAT");
    }
    EXPECT_FALSE(std::filesystem::exists("QDDIST.DAT"));
    EXPECT_FALSE(std::filesystem::exists("QDDISTIT.DAT"));
}

}  // namespace
