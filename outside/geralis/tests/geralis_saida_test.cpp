// The output file is whole or absent: a temporary file in the same folder takes its name only
// when everything was written.
#include "outside/geralis/saida_relatorio.h"
#include "outside/geralis/tests/apoio_relatorio.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Nomes = std::vector<std::string>;

// A producer that hands over `partes` one after another and then answers `fim`.
GeralisProducao Produtor(std::vector<std::string> partes, platform::HRESULT fim = platform::S_OK) {
    return [partes = std::move(partes), fim](const GeralisEscrita& escrita) {
        for (const std::string& parte : partes) {
            const platform::HRESULT hr = escrita(reinterpret_cast<const unsigned char*>(parte.data()), static_cast<unsigned>(parte.size()));
            if (platform::FAILED(hr)) return hr;
        }
        return fim;
    };
}

// A folder of its own for a test's outputs (the scratch folder also holds the registry).
std::filesystem::path PastaDeSaida(const kelvo::testing::TestEnvironment& ambiente) {
    const std::filesystem::path pasta = ambiente.Folder() / "saida";
    std::filesystem::create_directories(pasta);
    return pasta;
}

std::string Em(const std::filesystem::path& pasta, const char* nome) { return (pasta / nome).string(); }

}  // namespace

// What the producer writes is the file, and nothing else is left in the folder.
TEST(GeralisSaida, WrittenFileTakesTheOutputName) {
    kelvo::testing::TestEnvironment ambiente;
    const std::filesystem::path pasta = PastaDeSaida(ambiente);
    const std::string saida = Em(pasta, "relatorio.pdf");
    ASSERT_EQ(GeralisGravaSaida(CZTString(saida), Produtor({"%PDF-", "corpo", "%%EOF"})), platform::S_OK);
    EXPECT_EQ(kelvo::testing::ReadFile(saida), "%PDF-corpo%%EOF");
    EXPECT_EQ(geralis_teste::Conteudo(pasta), (Nomes{"relatorio.pdf"}));
}

// A new report replaces an older file of the same name.
TEST(GeralisSaida, OlderOutputIsReplacedOnSuccess) {
    kelvo::testing::TestEnvironment ambiente;
    const std::filesystem::path pasta = PastaDeSaida(ambiente);
    const std::string saida = Em(pasta, "relatorio.pdf");
    kelvo::testing::WriteFile(saida, "antigo, bem mais comprido que o novo");
    ASSERT_EQ(GeralisGravaSaida(CZTString(saida), Produtor({"novo"})), platform::S_OK);
    EXPECT_EQ(kelvo::testing::ReadFile(saida), "novo");
    EXPECT_EQ(geralis_teste::Conteudo(pasta), (Nomes{"relatorio.pdf"}));
}

// A producer that fails half-way leaves neither a half file nor its temporary file, and an
// older output stays as it was; the producer's own failure is the answer.
TEST(GeralisSaida, FailedProducerLeavesNothingHalfWritten) {
    kelvo::testing::TestEnvironment ambiente;
    const std::filesystem::path pasta = PastaDeSaida(ambiente);
    const platform::HRESULT discoCheio = platform::HResultFromWin32(112);
    const std::string nova = Em(pasta, "nova.pdf");
    EXPECT_EQ(GeralisGravaSaida(CZTString(nova), Produtor({"%PDF-", "metade"}, discoCheio)), discoCheio);
    EXPECT_FALSE(std::filesystem::exists(nova));

    const std::string antiga = Em(pasta, "antiga.pdf");
    kelvo::testing::WriteFile(antiga, "relatorio anterior");
    EXPECT_EQ(GeralisGravaSaida(CZTString(antiga), Produtor({"%PDF-"}, platform::E_FAIL)), platform::E_FAIL);
    EXPECT_EQ(kelvo::testing::ReadFile(antiga), "relatorio anterior");
    EXPECT_EQ(geralis_teste::Conteudo(pasta), (Nomes{"antiga.pdf"}));
}

// An output that cannot be placed is the file layer's error, and nothing is left anywhere: a
// missing folder, a "folder" that is a file, a name taken by a folder.
TEST(GeralisSaida, UnplaceableOutputIsRefusedWithoutLeftovers) {
    kelvo::testing::TestEnvironment ambiente;
    const std::filesystem::path pasta = PastaDeSaida(ambiente);
    EXPECT_EQ(GeralisGravaSaida(CZTString(Em(pasta, "nao/existe/r.pdf")), Produtor({"x"})), platform::HResultFromWin32(3));

    kelvo::testing::WriteFile(Em(pasta, "arquivo"), "sou um arquivo");
    EXPECT_EQ(GeralisGravaSaida(CZTString(Em(pasta, "arquivo/r.pdf")), Produtor({"x"})), platform::HResultFromWin32(3));

    std::filesystem::create_directories(pasta / "pasta" / "dentro");
    EXPECT_TRUE(platform::FAILED(GeralisGravaSaida(CZTString(Em(pasta, "pasta")), Produtor({"x"}))));
    EXPECT_TRUE(std::filesystem::is_directory(pasta / "pasta" / "dentro"));

    EXPECT_EQ(geralis_teste::Conteudo(pasta), (Nomes{"arquivo", "pasta"}));
    EXPECT_EQ(kelvo::testing::ReadFile(Em(pasta, "arquivo")), "sou um arquivo");
}
