// A company for the differential tests of the quick search, made quickly and at random (a seeded
// generator, so a failure repeats): types and locations stored through the server's methods, then
// many documents written straight into their record files, each file in one write, with
// descriptions, text and number fields, user lists, branches, web flags, versions and links; the
// queries that search it and the changes made to it between queries (in place at the same size, as
// another writer would, through the server, added, deleted).
#pragma once

#include "server/tests/document_test_support.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kelvo::testing {

class EmpresaGeradaBusca {
public:
    EmpresaGeradaBusca(EmpresaDocs& empresa, std::uint32_t semente) : empresa_(empresa), sorteio_(semente) {}

    // Types, locations and `quantidade` documents.
    void Gera(std::uint32_t quantidade);

    // A search text (Windows-1252): words in any case and accents, pieces of words, quoted
    // phrases, numbers, words found only in types, locations or link origins, and words nowhere.
    [[nodiscard]] std::string Consulta();

    // One change: a description or field value rewritten in place at its size, a record's type,
    // location, flags, number, file name or description and fields changed, a link added or
    // removed (all straight into the files, as another writer would), or a document rewritten,
    // added or deleted through the server.
    void Altera();

    [[nodiscard]] std::uint32_t QuantidadeDocs() const { return quantidadeDocs_; }

private:
    [[nodiscard]] std::uint32_t Entre(std::uint32_t minimo, std::uint32_t maximo) {
        return std::uniform_int_distribution<std::uint32_t>(minimo, maximo)(sorteio_);
    }
    [[nodiscard]] bool Chance(int porCento) { return Entre(1, 100) <= static_cast<std::uint32_t>(porCento); }
    template <class T>
    [[nodiscard]] const T& Um(const std::vector<T>& lista) { return lista[Entre(0, static_cast<std::uint32_t>(lista.size() - 1))]; }

    [[nodiscard]] std::string Palavra();
    [[nodiscard]] std::string Frase(std::uint32_t minimo, std::uint32_t maximo);
    [[nodiscard]] std::string FraseDeTamanho(std::size_t tamanho);
    [[nodiscard]] std::string Variante(std::string palavra);
    [[nodiscard]] std::uint32_t ChaveVinculo();
    [[nodiscard]] std::uint32_t DocQualquer() { return Entre(1, quantidadeDocs_); }
    [[nodiscard]] DadosDoc NovoDoc();

    void GeraTiposELocais();
    void GeraDocs(std::uint32_t quantidade);
    void ReescreveDescricao(std::uint32_t posicao);
    void ReescreveCampo(std::uint32_t posicao);
    void AlteraRegistro(std::uint32_t posicao);

    EmpresaDocs& empresa_;
    std::mt19937 sorteio_;
    std::vector<std::uint32_t> tipos_;
    std::vector<std::uint32_t> locais_;
    std::uint32_t quantidadeDocs_ = 0;
    std::uint32_t quantidadeVinculos_ = 0;
};

}  // namespace kelvo::testing
