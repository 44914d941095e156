// Content files under temporary names: a new content takes its final name only once complete, an
// old one gives way to it without being lost when a rename fails, and what a crash left behind is
// cleared (or put back) when the company opens.
#include "server/content/qd_conteudo_provisorio.h"

#include "platform/tests/support/test_environment.h"
#include "server/tests/operacoes_arquivo_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

using namespace kelvo::testing;

namespace {

using Pasta = std::map<std::string, std::string>;

constexpr platform::HRESULT kAcessoNegado = platform::HResultFromWin32(platform::ERROR_ACCESS_DENIED);

class ConteudoProvisorio : public ::testing::Test {
protected:
    ConteudoProvisorio() { std::filesystem::create_directories(Docs()); }

    [[nodiscard]] std::string Docs() const { return ambiente_.Path("dados/Docs"); }
    [[nodiscard]] std::string Caminho(const std::string& nome) const { return Docs() + "/" + nome; }
    void Escreve(const Pasta& arquivos) const {
        for (const auto& [nome, bytes] : arquivos) WriteFile(Caminho(nome), bytes);
    }

    TestEnvironment ambiente_;
};

// Both temporary names are hidden files beside the final one, so no content listing takes them.
TEST(QDCaminhoConteudo, TemporaryNamesAreHiddenBesideTheContent) {
    EXPECT_EQ(QDCaminhoConteudoNovo("/d/Docs/0000001.pdf").str(), "/d/Docs/.0000001.pdf.novo");
    EXPECT_EQ(QDCaminhoConteudoAntigo("/d/Docs/0000001.").str(), "/d/Docs/.0000001..antigo");
}

// The new content takes the name; a stored content gives way and is gone once the new one holds
// the name, and stays under the name when a rename on the way fails.
TEST_F(ConteudoProvisorio, StoredContentStaysUntilTheNewOneHoldsTheName) {
    struct Caso {
        const char* nome;
        Pasta antes;
        std::pair<std::string, std::string> renomeacaoQueFalha;  // none when empty
        int depoisDe;  // renames of that pair that go through before it fails
        platform::HRESULT esperado;
        Pasta depois;
    };
    const Caso casos[] = {
        {"free name", {{".0000001.pdf.novo", "novo"}}, {}, 0, platform::S_OK, {{"0000001.pdf", "novo"}}},
        {"taken name",
         {{".0000001.pdf.novo", "novo"}, {"0000001.pdf", "velho"}},
         {},
         0,
         platform::S_OK,
         {{"0000001.pdf", "novo"}}},
        {"the old content cannot give way",
         {{".0000001.pdf.novo", "novo"}, {"0000001.pdf", "velho"}},
         {"0000001.pdf", ".0000001.pdf.antigo"},
         0,
         kAcessoNegado,
         {{".0000001.pdf.novo", "novo"}, {"0000001.pdf", "velho"}}},
        // The first try meets the stored content; the one after it gave way fails.
        {"the new content cannot take the name",
         {{".0000001.pdf.novo", "novo"}, {"0000001.pdf", "velho"}},
         {".0000001.pdf.novo", "0000001.pdf"},
         1,
         kAcessoNegado,
         {{".0000001.pdf.novo", "novo"}, {"0000001.pdf", "velho"}}},
    };
    for (const Caso& caso : casos) {
        std::filesystem::remove_all(Docs());
        std::filesystem::create_directories(Docs());
        Escreve(caso.antes);
        OperacoesComFalhas operacoes;
        if (!caso.renomeacaoQueFalha.first.empty()) {
            operacoes.FalhaRenomeacao(caso.renomeacaoQueFalha.first, caso.renomeacaoQueFalha.second, 1, caso.depoisDe);
        }
        EXPECT_EQ(QDPoeConteudoNoLugar(operacoes, Caminho(".0000001.pdf.novo").c_str(), Caminho("0000001.pdf").c_str()),
                  caso.esperado)
            << caso.nome;
        EXPECT_EQ(Fotografia(Docs()), caso.depois) << caso.nome;
    }
}

// A crash leaves at most a new content that never got its record (it goes) and an old content
// that had given way (it comes back when its name is free, else it goes); nothing else is touched.
TEST_F(ConteudoProvisorio, OpeningClearsWhatACrashLeft) {
    Escreve({{"0000001.pdf", "um"},
             {".0000001.pdf.novo", "um, novo"},
             {".0000002.pdf.antigo", "dois"},
             {"0000003.txt", "tres, novo"},
             {".0000003.txt.antigo", "tres"},
             {".outro", "de ninguem"},
             {"0000004.pdf.001", "guardado"}});
    std::filesystem::create_directory(Caminho(".0000005.pdf.novo"));
    EXPECT_EQ(QDLimpaConteudosProvisorios(QDOperacoesArquivoPadrao(), Docs().c_str()), platform::S_OK);
    const Pasta esperado = {{"0000001.pdf", "um"},         {"0000002.pdf", "dois"},
                            {"0000003.txt", "tres, novo"}, {".outro", "de ninguem"},
                            {"0000004.pdf.001", "guardado"}, {".0000005.pdf.novo", "<folder>"}};
    EXPECT_EQ(Fotografia(Docs()), esperado);

    // A content that cannot come back is reported and stays for the next start.
    Escreve({{".0000006.pdf.antigo", "seis"}});
    OperacoesComFalhas operacoes;
    operacoes.FalhaRenomeacao(".0000006.pdf.antigo", "0000006.pdf");
    EXPECT_EQ(QDLimpaConteudosProvisorios(operacoes, Docs().c_str()), kAcessoNegado);
    EXPECT_EQ(ReadFile(Caminho(".0000006.pdf.antigo")), "seis");

    EXPECT_EQ(QDLimpaConteudosProvisorios(QDOperacoesArquivoPadrao(), ambiente_.Path("falta").c_str()), platform::S_OK);
}

}  // namespace
