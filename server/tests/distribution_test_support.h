// Shared helpers of the distribution-list tests: lists built the way a client builds them, the
// positions a read hands back, and the stored records read from the bytes of QDDIST.DAT and
// QDDISTIT.DAT behind the server's back.
#pragma once

#include "outside/pendora/qd_array_ponteiros.h"
#include "server/distribution/qd_distribuicao_arq.h"
#include "server/tests/document_test_support.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo::testing {

// A list of document positions as the client library's data class, owning its array.
inline CQDArrayPonteiros ListaPS(const std::vector<std::uint32_t>& posicoes) {
    CQDArrayPonteiros lista;
    lista->qtd = static_cast<std::uint32_t>(posicoes.size());
    lista->pPtrs = static_cast<std::uint32_t*>(Aloca(posicoes.data(), posicoes.size() * sizeof(std::uint32_t)));
    return lista;
}

// The positions a read handed back.
inline std::vector<std::uint32_t> Posicoes(const QD_ARRAY_PONTEIROS_PS& ps) {
    if (!ps.pPtrs) return {};
    return {ps.pPtrs, ps.pPtrs + ps.qtd};
}

// A header record of QDDIST.DAT as its bytes hold it.
struct ListaGravada {
    std::uint32_t qtd = 0;
    std::uint32_t primeiro = 0;
    std::string resto;  // offsets 8 to 15
};

inline ListaGravada ListaEm(const std::string& listas, std::uint32_t numero) {
    const std::size_t offset = std::size_t{numero} * sizeof(QD_DISTRIBUICAO_ARQ);
    return {NumeroEm(listas, offset, 4), NumeroEm(listas, offset + 4, 4), listas.substr(offset + 8, 8)};
}

// Every item record of QDDISTIT.DAT from position 1 on, as its bytes hold them.
inline std::vector<std::uint32_t> ItensEm(const std::string& itens) {
    std::vector<std::uint32_t> posicoes;
    for (std::size_t offset = 4; offset + 4 <= itens.size(); offset += 4) posicoes.push_back(NumeroEm(itens, offset, 4));
    return posicoes;
}

// The items of list `numero` as the two files' bytes hold them.
inline std::vector<std::uint32_t> ItensDaLista(const std::string& listas, const std::string& itens,
                                               std::uint32_t numero) {
    const ListaGravada lista = ListaEm(listas, numero);
    std::vector<std::uint32_t> posicoes;
    for (std::uint32_t i = 0; i < lista.qtd; ++i) {
        posicoes.push_back(NumeroEm(itens, (std::size_t{lista.primeiro} + i) * 4, 4));
    }
    return posicoes;
}

// A company with an open session and the bytes of its two distribution files.
class EmpresaDistribuicao : public EmpresaDocs {
public:
    using EmpresaDocs::EmpresaDocs;

    // Stores `posicoes` as list `numero` (0: a new one) through the client library; the list's
    // number (the test sees a failure).
    std::uint32_t GravaLista(const std::vector<std::uint32_t>& posicoes, std::uint32_t numero = 0) {
        EXPECT_EQ(Conexao().GravaDistribuicao(&numero, ListaPS(posicoes)), platform::S_OK);
        return numero;
    }
    // List `numero` read back through the client library with `dwFlags`; S_OK expected.
    std::vector<std::uint32_t> LeLista(std::uint32_t numero, std::uint32_t dwFlags = 0) {
        CQDArrayPonteiros lista;
        EXPECT_EQ(Conexao().LeDistribuicao(numero, lista, dwFlags), platform::S_OK) << numero;
        return Posicoes(lista.GetPS());
    }

    [[nodiscard]] std::string Listas() const { return Bytes(Arquivo("QDDIST.DAT")); }
    [[nodiscard]] std::string Itens() const { return Bytes(Arquivo("QDDISTIT.DAT")); }
};

}  // namespace kelvo::testing
