// Reading distribution lists in the process: lists come back as stored, bad numbers and damaged
// headers fail before anything is allocated and leave the result empty, and the visibility bit
// hands the list to the object's own document search as its only criterion.
#include "outside/conexo/conexo_dados.h"
#include "server/distribution/qd_distribuicao_arq.h"
#include "server/distribution/qd_le_distribuicao.h"
#include "server/idl/tests/support/recording_server.h"
#include "server/tests/distribution_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace kelvo::testing;
using server::idl::testing::RecordingServer;

namespace {

using platform::HRESULT;

constexpr std::uint32_t kBuscaPtrsDoc = 20;  // the method's number in the interface

// A result record that a failing read must overwrite: a count and a pointer that are not ours.
QD_ARRAY_PONTEIROS_PS Sujo() {
    static std::uint32_t alheio = 0;
    return {5, &alheio};
}

// Whether every byte of `valor` is zero.
template <class T>
bool Zerado(const T& valor) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&valor);
    return std::all_of(bytes, bytes + sizeof valor, [](unsigned char byte) { return byte == 0; });
}

class LeDistribuicao : public ::testing::Test {
protected:
    // A header written behind the server's back at `numero` (0 appends); its number.
    std::uint32_t Cabecalho(std::uint32_t qtd, std::uint32_t primeiro, std::uint32_t numero = 0) {
        QD_DISTRIBUICAO_ARQ lista{};
        lista.nQtdItens = qtd;
        lista.lPrimeiroItem = primeiro;
        return GravaRegistro(empresa_.Bind(), lista, numero);
    }

    EmpresaDistribuicao empresa_;
};

// Lists come back in the order they were stored, repeated positions and position 0 included,
// each list its own items.
TEST_F(LeDistribuicao, ListsComeBackAsStored) {
    const std::vector<std::vector<std::uint32_t>> listas = {{3, 1, 2}, {9}, {5, 5, 0, 5}, {0xFFFFFFFFu, 1}};
    for (std::size_t i = 0; i < listas.size(); ++i) ASSERT_EQ(empresa_.GravaLista(listas[i]), i + 1);
    for (std::size_t i = 0; i < listas.size(); ++i) {
        EXPECT_EQ(empresa_.LeLista(static_cast<std::uint32_t>(i + 1)), listas[i]) << i + 1;
    }
}

// Numbers that name no list, and a null result pointer, fail; the result is left empty.
TEST_F(LeDistribuicao, NumbersThatNameNoListFail) {
    ASSERT_EQ(empresa_.GravaLista({4, 5}), 1u);
    struct Caso {
        const char* nome;
        std::uint32_t numero;
        HRESULT esperado;
    };
    const Caso casos[] = {
        {"0 is the file's header, not a list", 0, platform::HResultFromMessage(16021)},
        {"past the last list", 2, platform::HResultFromMessage(16021)},
        {"beyond any signed position", 0x80000000u, platform::HResultFromMessage(16021)},
        {"the largest number", 0xFFFFFFFFu, platform::HResultFromMessage(16021)},
    };
    for (const Caso& caso : casos) {
        for (const std::uint32_t dwFlags : {0u, QD_LEDISTRIBUICAO_VISIVEIS}) {
            QD_ARRAY_PONTEIROS_PS lista = Sujo();
            EXPECT_EQ(empresa_.Srv().LeDistribuicao(caso.numero, &lista, dwFlags), caso.esperado) << caso.nome;
            EXPECT_EQ(lista.qtd, 0u) << caso.nome;
            EXPECT_EQ(lista.pPtrs, nullptr) << caso.nome;
        }
    }
    EXPECT_EQ(empresa_.Srv().LeDistribuicao(1, nullptr, 0), platform::E_POINTER);
}

// A header whose count or run the item file cannot hold is damage: 16021 before any allocation,
// never a list of whatever lies beyond the file.
TEST_F(LeDistribuicao, DamagedHeadersFail) {
    ASSERT_EQ(empresa_.GravaLista({4, 5, 6}), 1u);
    struct Caso {
        const char* nome;
        std::uint32_t qtd;
        std::uint32_t primeiro;
    };
    const Caso casos[] = {
        {"count beyond the file", 4, 1},
        {"run starting past the end", 1, 4},
        {"items from the file's header", 2, 0},
        {"first item beyond any signed position", 1, 0x80000000u},
        {"count beyond any signed count", 0x80000000u, 1},
        {"count of all ones", 0xFFFFFFFFu, 1},
    };
    for (const Caso& caso : casos) {
        const std::uint32_t numero = Cabecalho(caso.qtd, caso.primeiro);
        QD_ARRAY_PONTEIROS_PS lista = Sujo();
        EXPECT_EQ(empresa_.Srv().LeDistribuicao(numero, &lista, 0), platform::HResultFromMessage(16021)) << caso.nome;
        EXPECT_EQ(lista.qtd, 0u) << caso.nome;
        EXPECT_EQ(lista.pPtrs, nullptr) << caso.nome;
    }
}

// A count that the item file could hold but no list could have (the file grew with other lists or
// by damage) is refused before the server allocates what no response could carry.
TEST_F(LeDistribuicao, CountNoMessageCarriesFailsEvenWhenTheFileHoldsIt) {
    ASSERT_EQ(empresa_.GravaLista({4}), 1u);
    // A sparse item file long enough for the run: its records read as zeros.
    std::filesystem::resize_file(empresa_.Arquivo("QDDISTIT.DAT"), (std::uintmax_t{QD_DISTRIBUICAO_MAX_ITENS} + 2) * 4);
    const std::uint32_t numero = Cabecalho(QD_DISTRIBUICAO_MAX_ITENS + 1, 1);
    QD_ARRAY_PONTEIROS_PS lista = Sujo();
    EXPECT_EQ(empresa_.Srv().LeDistribuicao(numero, &lista, 0), platform::HResultFromMessage(16021));
    EXPECT_EQ(lista.pPtrs, nullptr);
}

// A stored list without items (written by hand) reads as an empty list, and asks no search: a
// search without a position list would answer every document.
TEST_F(LeDistribuicao, EmptyStoredListReadsEmptyWithoutSearch) {
    const std::uint32_t numero = Cabecalho(0, 0);
    RecordingServer busca;
    for (const std::uint32_t dwFlags : {0u, QD_LEDISTRIBUICAO_VISIVEIS}) {
        QD_ARRAY_PONTEIROS_PS lista = Sujo();
        EXPECT_EQ(QDLeDistribuicao(empresa_.Bind(), busca, numero, &lista, dwFlags), platform::S_OK);
        EXPECT_EQ(lista.qtd, 0u);
        platform::CoTaskMemFree(lista.pPtrs);
    }
    EXPECT_TRUE(busca.calls.empty());
}

// The visibility bit: one strict search whose only criterion is the stored list, in its stored
// order; what the search keeps becomes the list. Without the bit no search is made.
TEST_F(LeDistribuicao, VisibleBitSearchesTheListOnly) {
    const std::vector<std::uint32_t> guardada = {8, 3, 8, 5};
    const std::uint32_t numero = empresa_.GravaLista(guardada);
    RecordingServer busca;
    std::vector<std::uint32_t> pedidas;
    QD_DOC_FILTRO_PS outros{};
    busca.On<kBuscaPtrsDoc>([&](QD_DOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
        pedidas.assign(filtro.pDoc, filtro.pDoc + filtro.nQtdDoc);
        outros = filtro;
        outros.nQtdDoc = 0;
        outros.pDoc = nullptr;
        const std::uint32_t achados[] = {3, 8};
        pRegPtrs->qtd = 2;
        pRegPtrs->pPtrs = static_cast<std::uint32_t*>(Aloca(achados, sizeof achados));
        return platform::S_OK;
    });

    QD_ARRAY_PONTEIROS_PS lista{};
    ASSERT_EQ(QDLeDistribuicao(empresa_.Bind(), busca, numero, &lista, QD_LEDISTRIBUICAO_VISIVEIS), platform::S_OK);
    EXPECT_EQ(Posicoes(lista), (std::vector<std::uint32_t>{3, 8}));
    platform::CoTaskMemFree(lista.pPtrs);
    EXPECT_EQ(busca.calls, std::vector<std::uint32_t>{kBuscaPtrsDoc});
    EXPECT_EQ(pedidas, guardada);
    // Strict mode (dwFlags 0) and nothing else set: any other criterion would drop documents.
#define KELVO_TESTE_CAMPO(offset, Tipo, nome) EXPECT_TRUE(Zerado(outros.nome)) << #nome;
#define KELVO_TESTE_LISTA(offset, Elemento, qtd, ptr) EXPECT_TRUE(Zerado(outros.qtd) && Zerado(outros.ptr)) << #qtd;
    KELVO_IDL_QD_DOC_FILTRO_PS(KELVO_TESTE_CAMPO, KELVO_TESTE_LISTA)
#undef KELVO_TESTE_LISTA
#undef KELVO_TESTE_CAMPO

    busca.calls.clear();
    ASSERT_EQ(QDLeDistribuicao(empresa_.Bind(), busca, numero, &lista, 0x2), platform::S_OK);
    EXPECT_EQ(Posicoes(lista), guardada);
    platform::CoTaskMemFree(lista.pPtrs);
    EXPECT_TRUE(busca.calls.empty());
}

// A failing search ends the read with its HRESULT and an empty result, whatever it left behind.
TEST_F(LeDistribuicao, FailingSearchFailsTheRead) {
    const std::uint32_t numero = empresa_.GravaLista({1, 2});
    const HRESULT falha = platform::HResultFromMessage(16039);
    RecordingServer busca;
    busca.On<kBuscaPtrsDoc>([&](QD_DOC_FILTRO_PS, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
        const std::uint32_t parcial[] = {1};
        pRegPtrs->qtd = 1;
        pRegPtrs->pPtrs = static_cast<std::uint32_t*>(Aloca(parcial, sizeof parcial));  // freed by the read
        return falha;
    });
    QD_ARRAY_PONTEIROS_PS lista = Sujo();
    EXPECT_EQ(QDLeDistribuicao(empresa_.Bind(), busca, numero, &lista, QD_LEDISTRIBUICAO_VISIVEIS), falha);
    EXPECT_EQ(lista.qtd, 0u);
    EXPECT_EQ(lista.pPtrs, nullptr);
}

// Through the object's own search: deleted documents and documents hidden from the session user
// are dropped, the rest come back in ascending order.
TEST_F(LeDistribuicao, VisibleBitDropsDeletedAndHiddenDocuments) {
    DadosDoc aberto;
    aberto.lTipDoc = empresa_.NovoTipo();
    DadosDoc soDoSupervisor = aberto;
    soDoSupervisor.usuarios = {1};
    const std::uint32_t livre = empresa_.Insere(aberto);
    const std::uint32_t oculto = empresa_.Insere(soDoSupervisor);
    const std::uint32_t excluido = empresa_.Insere(aberto);
    const std::uint32_t outroLivre = empresa_.Insere(aberto);
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &excluido), platform::S_OK);
    const std::uint32_t numero = empresa_.GravaLista({outroLivre, oculto, excluido, livre});

    ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(2, 0), {1}), platform::S_OK);
    Servidor usuario2;
    ASSERT_EQ(usuario2->Inicializa(Sessao(kEmpresaTeste, 2)), platform::S_OK);
    QD_ARRAY_PONTEIROS_PS lista{};
    ASSERT_EQ(usuario2->LeDistribuicao(numero, &lista, QD_LEDISTRIBUICAO_VISIVEIS), platform::S_OK);
    EXPECT_EQ(Posicoes(lista), (std::vector<std::uint32_t>{livre, outroLivre}));
    platform::CoTaskMemFree(lista.pPtrs);
    // Without the bit the list is what was stored.
    ASSERT_EQ(usuario2->LeDistribuicao(numero, &lista, 0), platform::S_OK);
    EXPECT_EQ(Posicoes(lista), (std::vector<std::uint32_t>{outroLivre, oculto, excluido, livre}));
    platform::CoTaskMemFree(lista.pPtrs);
}

}  // namespace
