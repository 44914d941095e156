// The code masks of the location groups and the re-coding of a group's locations after its mask
// changed, in a server object of this process.
#include "server/tests/locations_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kAlemDoFim = platform::HResultFromMessage(16021);
constexpr std::size_t kTamanhoMascara = 64;

class Mascaras : public LocaisTeste {
protected:
    QD_LOCARQ_MSC_PS Mascara(const char* texto, std::uint32_t lPosicao) {
        QD_LOCARQ_MSC_PS mascara{};
        mascara.lPosicao = lPosicao;
        std::strncpy(mascara.szCodigo, texto, sizeof mascara.szCodigo - 1);
        return mascara;
    }
    // Stores the mask of group `grupo`.
    void DefineMascara(std::uint32_t grupo, const char* texto) {
        std::uint32_t posicao = grupo;
        ASSERT_EQ(srv_->GravaMascaraLocArq(&posicao, Mascara(texto, grupo)), platform::S_OK);
    }
    HRESULT Converte(std::uint32_t grupo) { return conexao_.ConverteLocArq(&grupo); }
};

// A new company has the mask "1.222.333" for groups 0 to 9, each holding its own position.
TEST_F(Mascaras, ANewCompanyHasTenDefaultMasks) {
    std::uint32_t grupos[] = {2, 0, 9};
    QD_LOCARQ_MSC_PS lidas[3];
    ASSERT_EQ(srv_->LeMascaraLocArq(3, grupos, lidas), platform::S_OK);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lidas[i].lPosicao, grupos[i]);
        EXPECT_EQ(std::string(lidas[i].szCodigo), "1.222.333");
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(lidas[i].filler), 20), std::string(20, '\0'));
    }
}

// A mask lies at its group's position with lPosicao as given, its text cut to 39 characters
// and the rest zero; it reads back the same.
TEST_F(Mascaras, WritesAtTheGroupsPositionAndReadsBack) {
    std::uint32_t posicao = 3;
    ASSERT_EQ(srv_->GravaMascaraLocArq(&posicao, Mascara("1.22.3333", 77)), platform::S_OK);
    EXPECT_EQ(posicao, 3u);
    const std::string bytes = RegistroBruto(Arquivo("QDLOCMSC.DAT"), 3, kTamanhoMascara);
    ASSERT_EQ(bytes.size(), kTamanhoMascara);
    EXPECT_EQ(NumeroEm(bytes, 0, 4), 77u);
    EXPECT_EQ(bytes.substr(4, 40), std::string("1.22.3333") + std::string(31, '\0'));
    EXPECT_EQ(bytes.substr(44), std::string(20, '\0'));

    QD_LOCARQ_MSC_PS lida{};
    ASSERT_EQ(srv_->LeMascaraLocArq(1, &posicao, &lida), platform::S_OK);
    EXPECT_EQ(lida.lPosicao, 77u);
    EXPECT_EQ(std::string(lida.szCodigo), "1.22.3333");

    QD_LOCARQ_MSC_PS longa = Mascara("", 4);
    std::memset(longa.szCodigo, '9', sizeof longa.szCodigo);  // no terminator from the client
    posicao = 4;
    ASSERT_EQ(srv_->GravaMascaraLocArq(&posicao, longa), platform::S_OK);
    const std::string cortada = RegistroBruto(Arquivo("QDLOCMSC.DAT"), 4, kTamanhoMascara);
    EXPECT_EQ(cortada.substr(4, 40), std::string(39, '9') + '\0');
}

// Position 0 appends the mask and is left 0: the operation does not tell where it went.
TEST_F(Mascaras, PositionZeroAppendsAndStaysZero) {
    const std::size_t antes = ReadFile(Arquivo("QDLOCMSC.DAT")).size();
    std::uint32_t posicao = 0;
    ASSERT_EQ(conexao_.GravaMascaraLocArq(&posicao, CQDLocMascara()), platform::S_OK);
    EXPECT_EQ(posicao, 0u);
    EXPECT_EQ(ReadFile(Arquivo("QDLOCMSC.DAT")).size(), antes + kTamanhoMascara);
    EXPECT_EQ(RegistroBruto(Arquivo("QDLOCMSC.DAT"), antes / kTamanhoMascara, kTamanhoMascara),
              std::string(kTamanhoMascara, '\0'));
}

// A group without mask fails the read, which then hands nothing out.
TEST_F(Mascaras, AGroupWithoutMaskFailsTheRead) {
    std::uint32_t grupos[] = {1, 50};
    QD_LOCARQ_MSC_PS lidas[2];
    std::memset(lidas, 0x33, sizeof lidas);
    EXPECT_EQ(srv_->LeMascaraLocArq(2, grupos, lidas), kAlemDoFim);
    EXPECT_EQ(lidas[0].lPosicao, 0x33333333u);
    EXPECT_EQ(srv_->LeMascaraLocArq(1, nullptr, lidas), platform::E_POINTER);
    EXPECT_EQ(srv_->LeMascaraLocArq(1, grupos, nullptr), platform::E_POINTER);
    EXPECT_EQ(srv_->GravaMascaraLocArq(nullptr, lidas[0]), platform::E_POINTER);
}

// The group's locations get the widths of its new mask; other groups, group 10 included,
// keep their codes, and nothing else of a location changes; nothing is logged.
TEST_F(Mascaras, ConvertingReCodesOnlyTheGroupsLocations) {
    const std::uint32_t titulo = Grava("1", 1, 3);
    const std::uint32_t a = Grava("1.001", 0, 0, {4, 5});
    const std::uint32_t b = Grava("1.001.002", 0, 6);
    const std::uint32_t c = Grava("1.12345.7");
    const std::uint32_t dez = Grava("10.001.002");
    const std::uint32_t dois = Grava("2.001.002");
    const QD_LOCARQ_ARQ bAntes = LocalGravado(Arquivo("QDLOCARQ.DAT"), b);
    const std::string log = ReadFile(Arquivo("QDLOG.DAT"));
    const std::string tipos = ReadFile(Arquivo("QDLAQTPD.DAT"));

    DefineMascara(1, "1.2222.33");
    ASSERT_EQ(Converte(1), platform::S_OK);
    EXPECT_EQ(Codigo(titulo), "1");
    EXPECT_EQ(Codigo(a), "1.0001");
    EXPECT_EQ(Codigo(b), "1.0001.02");
    EXPECT_EQ(Codigo(c), "1.2345.07");
    EXPECT_EQ(Codigo(dez), "10.001.002");
    EXPECT_EQ(Codigo(dois), "2.001.002");

    QD_LOCARQ_ARQ bEsperado = bAntes;
    std::memset(bEsperado.szCodigo, 0, sizeof bEsperado.szCodigo);
    std::strcpy(bEsperado.szCodigo, "1.0001.02");
    EXPECT_EQ(BytesLocal(LocalGravado(Arquivo("QDLOCARQ.DAT"), b)), BytesLocal(bEsperado));
    EXPECT_EQ(Tipos(Le(a)), (std::vector<std::uint32_t>{4, 5}));
    EXPECT_EQ(ReadFile(Arquivo("QDLOG.DAT")), log);
    EXPECT_EQ(ReadFile(Arquivo("QDLAQTPD.DAT")), tipos);

    // Back to the default mask: the wide level loses its leftmost characters.
    DefineMascara(1, "1.222.333");
    ASSERT_EQ(Converte(1), platform::S_OK);
    EXPECT_EQ(Codigo(a), "1.001");
    EXPECT_EQ(Codigo(b), "1.001.002");
    EXPECT_EQ(Codigo(c), "1.345.007");
}

// Group 10's first level is its number: a mask whose first level is one character wide does not
// turn "10" into "1".
TEST_F(Mascaras, GroupTenKeepsItsNumber) {
    const std::uint32_t dez = Grava("10.001.002");
    const std::uint32_t um = Grava("1.001.002");
    DefineMascara(10, "1.2222.333");
    ASSERT_EQ(Converte(10), platform::S_OK);
    EXPECT_EQ(Codigo(dez), "10.0001.002");
    EXPECT_EQ(Codigo(um), "1.001.002");
}

// A code that the mask makes longer than its field is cut to 39 characters.
TEST_F(Mascaras, ACodeGrownByItsMaskIsCutToItsField) {
    const std::uint32_t posicao = Grava("1.1.2.3.4.5.6");
    DefineMascara(1, "1.22222222.33333333.44444444.55555555");
    ASSERT_EQ(Converte(1), platform::S_OK);
    EXPECT_EQ(Codigo(posicao), "1.00000001.00000002.00000003.00000004.5");
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), posicao).szCodigo[39], '\0');
}

// Converting a group without mask fails and changes nothing; a null pointer is refused.
TEST_F(Mascaras, ConvertingAGroupWithoutMaskFails) {
    Grava("50.001");
    const std::string antes = ReadFile(Arquivo("QDLOCARQ.DAT"));
    EXPECT_EQ(Converte(50), kAlemDoFim);
    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")), antes);
    EXPECT_EQ(srv_->ConverteLocArq(nullptr), platform::E_POINTER);
}

}  // namespace
