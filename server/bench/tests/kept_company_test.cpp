// Companies kept between benchmark runs: reused only while the stamp still describes the folder,
// so that a run never measures a company other than the one its parameters make.
#include "server/bench/kept_company.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

using kelvo::bench::EmpresaGerada;
using kelvo::bench::ParametrosEmpresa;
using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;
namespace fs = std::filesystem;

namespace {

EmpresaGerada Feita() {
    EmpresaGerada gerada;
    gerada.gruposTipos = {1, 6};
    gerada.tipos = {2, 3, 4, 5, 7};
    gerada.gruposLocais = {1};
    gerada.subgruposLocais = {2};
    gerada.locais = {3, 4, 5};
    gerada.usuarios = {2, 3};
    gerada.nQtdDocumentos = 1000;
    gerada.nQtdVinculos = 400;
    gerada.dataPrimeiraInclusao = 1'780'000'000;
    gerada.dataUltimaInclusao = 1'780'000'009;
    return gerada;
}

void SemErro(const std::error_code& erro) { ASSERT_FALSE(erro) << erro.message(); }

class EmpresaGuardada : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(origem_ / "QDDOC.DAT", std::string(512, 'd'));
        WriteFile(origem_ / "QDDOCDSC.DAT", std::string("\0texto", 6));
        fs::create_directories(origem_ / "Docs");  // the server's content folder, empty
        std::string erro;
        ASSERT_TRUE(kelvo::bench::GuardaEmpresa(origem_, guarda_, identidade_, Feita(), erro)) << erro;
    }

    [[nodiscard]] bool Reusada(const std::string& identidade) {
        EmpresaGerada gerada;
        return kelvo::bench::LeEmpresaGuardada(guarda_, identidade, gerada);
    }

    TestEnvironment ambiente_;
    fs::path origem_ = ambiente_.Path("trabalho");
    fs::path guarda_ = ambiente_.Path("guarda/documentos-1000");
    std::string identidade_ = kelvo::bench::IdentidadeEmpresa(ParametrosEmpresa{}, 1000, 1);
};

// What was made comes back whole, and the copy a run works on holds the files, not the stamp.
TEST_F(EmpresaGuardada, UnchangedFolderIsReusedWithWhatWasMade) {
    EmpresaGerada gerada;
    ASSERT_TRUE(kelvo::bench::LeEmpresaGuardada(guarda_, identidade_, gerada));
    const EmpresaGerada esperada = Feita();
    EXPECT_EQ(gerada.gruposTipos, esperada.gruposTipos);
    EXPECT_EQ(gerada.tipos, esperada.tipos);
    EXPECT_EQ(gerada.gruposLocais, esperada.gruposLocais);
    EXPECT_EQ(gerada.subgruposLocais, esperada.subgruposLocais);
    EXPECT_EQ(gerada.locais, esperada.locais);
    EXPECT_EQ(gerada.usuarios, esperada.usuarios);
    EXPECT_EQ(gerada.nQtdDocumentos, esperada.nQtdDocumentos);
    EXPECT_EQ(gerada.nQtdVinculos, esperada.nQtdVinculos);
    EXPECT_EQ(gerada.dataPrimeiraInclusao, esperada.dataPrimeiraInclusao);
    EXPECT_EQ(gerada.dataUltimaInclusao, esperada.dataUltimaInclusao);

    const fs::path copia = ambiente_.Path("copia");
    WriteFile(copia / "QDLOG.DAT", "de outra empresa");
    std::string erro;
    ASSERT_TRUE(kelvo::bench::CopiaEmpresaGuardada(guarda_, copia, erro)) << erro;
    EXPECT_EQ(ReadFile(copia / "QDDOC.DAT"), std::string(512, 'd'));
    EXPECT_EQ(ReadFile(copia / "QDDOCDSC.DAT"), std::string("\0texto", 6));
    EXPECT_FALSE(fs::exists(copia / "QDLOG.DAT"));  // the working folder is emptied first
    EXPECT_FALSE(fs::exists(copia / "ESTAMPA.TXT"));
    EXPECT_TRUE(fs::is_directory(copia / "Docs"));
    // Working on the copy leaves the kept company as it was.
    WriteFile(copia / "QDDOC.DAT", "mudou");
    EXPECT_TRUE(Reusada(identidade_));
}

// Any sign that the kept files are not those the stamp describes, or that they were made from
// other parameters, must send the run to generating again.
TEST_F(EmpresaGuardada, AnyChangeOrOtherParametersMakeItGeneratedAgain) {
    const std::string outros = kelvo::bench::IdentidadeEmpresa(ParametrosEmpresa{}, 1001, 1);
    const struct {
        const char* caso;
        std::function<void()> muda;
        const std::string& identidade;  // what the run asks for
    } casos[] = {
        {"another document count", [] {}, outros},
        {"a file grown", [&] { WriteFile(guarda_ / "QDDOC.DAT", std::string(513, 'd')); }, identidade_},
        {"a file removed", [&] { fs::remove(guarda_ / "QDDOCDSC.DAT"); }, identidade_},
        {"a file added", [&] { WriteFile(guarda_ / "QDLOG.DAT", "x"); }, identidade_},
        {"a file touched back to another time",
         [&] {
             std::error_code erro;
             fs::last_write_time(guarda_ / "QDDOC.DAT", fs::file_time_type::clock::now() - std::chrono::hours(1), erro);
             SemErro(erro);
         },
         identidade_},
        {"a file replaced by one of the same size",
         [&] {
             WriteFile(guarda_ / "novo", std::string(512, 'e'));
             fs::rename(guarda_ / "novo", guarda_ / "QDDOC.DAT");
         },
         identidade_},
        {"a file put in the empty folder", [&] { WriteFile(guarda_ / "Docs" / "1.pdf", "%PDF"); }, identidade_},
        {"the stamp cut short",
         [&] {
             const std::string estampa = ReadFile(guarda_ / "ESTAMPA.TXT");
             WriteFile(guarda_ / "ESTAMPA.TXT", estampa.substr(0, estampa.find("arquivo")));
         },
         identidade_},
        {"the stamp missing", [&] { fs::remove(guarda_ / "ESTAMPA.TXT"); }, identidade_},
    };
    for (const auto& caso : casos) {
        std::string erro;
        ASSERT_TRUE(kelvo::bench::GuardaEmpresa(origem_, guarda_, identidade_, Feita(), erro)) << erro;
        ASSERT_TRUE(Reusada(identidade_)) << caso.caso;
        caso.muda();
        EXPECT_FALSE(Reusada(caso.identidade)) << caso.caso;
    }
}

}  // namespace
