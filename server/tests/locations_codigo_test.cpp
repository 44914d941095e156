// The pure parts of archive locations: re-coding a code to its mask, moving a code under a
// renamed heading, the search's tests, the recount rule and the conversions of the record.
#include "platform/idl/wire_limits.h"
#include "server/locations/qd_calcular_qtd_docs.h"
#include "server/locations/qd_filtro_locarq.h"
#include "server/locations/qd_locarq_conversao.h"
#include "server/locations/qd_recodifica_codigo.h"
#include "server/locations/qd_troca_prefixo_codigo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

struct CasoRecodifica {
    const char* codigo;
    const char* mascara;
    const char* esperado;
};

TEST(QDRecodificaCodigo, GivesEveryLevelAfterTheGroupTheMasksWidth) {
    const CasoRecodifica casos[] = {
        // A level wider than the mask loses its leftmost characters, a narrower one gains zeros.
        {"1.12345.7", "1.222.333", "1.345.007"},
        {"1.001.002", "1.2222.33", "1.0001.02"},
        // The group's number is not a placeholder: group 10 must stay group 10.
        {"10.001", "1.222.333", "10.001"},
        {"10.0001.02", "1.222.333", "10.001.002"},
        // Levels beyond the mask's stay as they are; a code with fewer levels stops early.
        {"1.001.002.9", "1.222.333", "1.001.002.9"},
        {"1.5", "1.222.333", "1.005"},
        {"1", "1.222.333", "1"},
        {"1.001", "1", "1.001"},
        {"1.001.002", "", "1.001.002"},
        // An empty level is padded like any other.
        {"1..7", "1.222.333", "1.000.007"},
        // A code already in the mask comes back unchanged.
        {"3.123.456", "1.222.333", "3.123.456"},
    };
    for (const CasoRecodifica& caso : casos) {
        EXPECT_EQ(QDRecodificaCodigo(caso.codigo, caso.mascara), caso.esperado) << caso.codigo << " / " << caso.mascara;
    }
}

// A mask wider than the room of a stored code gives a longer text; cutting is the writer's job.
TEST(QDRecodificaCodigo, MayGrowBeyondAStoredCode) {
    const std::string mascara = "1.222222222.333333333.444444444.555555555";
    EXPECT_EQ(QDRecodificaCodigo("1.1.2.3.4", mascara), "1.000000001.000000002.000000003.000000004");
    EXPECT_GT(QDRecodificaCodigo("1.1.2.3.4", mascara).size(), QD_LOCARQ_MAX_CODIGO);
}

struct CasoPrefixo {
    const char* codigo;
    const char* antigo;
    const char* novo;
    const char* esperado;
};

TEST(QDTrocaPrefixoCodigo, ReplacesTheOldCodesLevelsWhateverTheNewCodesLevelCount) {
    const CasoPrefixo casos[] = {
        {"1.001.005", "1.001", "1.002", "1.002.005"},
        {"1.001.001.003", "1.001", "1.002", "1.002.001.003"},
        // A new code with more levels must not eat the descendant's own levels...
        {"1.001.005", "1.001", "1.002.003", "1.002.003.005"},
        // ...nor one with fewer levels repeat the old code's.
        {"1.001.002.005", "1.001.002", "1.003", "1.003.005"},
        {"1.001", "1", "2", "2.001"},
        // A code that is not under the old one stays as it is.
        {"1.001", "1.001", "2", "1.001"},
    };
    for (const CasoPrefixo& caso : casos) {
        EXPECT_EQ(QDTrocaPrefixoCodigo(caso.codigo, caso.antigo, caso.novo), caso.esperado) << caso.codigo;
    }
}

TEST(QDNumeroGrupoLocArq, ReadsTheDigitsAtTheStart) {
    EXPECT_EQ(QDNumeroGrupoLocArq("1.001"), 1u);
    EXPECT_EQ(QDNumeroGrupoLocArq("10.001"), 10u);
    EXPECT_EQ(QDNumeroGrupoLocArq("1"), 1u);
    EXPECT_EQ(QDNumeroGrupoLocArq("7A.1"), 7u);
    EXPECT_EQ(QDNumeroGrupoLocArq(""), 0u);
    EXPECT_EQ(QDNumeroGrupoLocArq("A.1"), 0u);
    EXPECT_EQ(QDNumeroGrupoLocArq("4294967295.1"), 4294967295u);
    // A number past 32 bits must not wrap round onto a small group.
    EXPECT_GT(QDNumeroGrupoLocArq("4294967297.1"), std::numeric_limits<std::uint32_t>::max());
    EXPECT_GT(QDNumeroGrupoLocArq("999999999999999999999999999.1"), std::numeric_limits<std::uint32_t>::max());
}

QD_LOCARQ_ARQ Local(const char* codigo, std::uint32_t flags = 0, std::int32_t maximo = 0, std::int32_t disponivel = 0) {
    QD_LOCARQ_ARQ arq{};
    arq.dwFlags = flags;
    arq.nQtdMaximaDocs = maximo;
    arq.nQtdDisponivel = disponivel;
    std::strncpy(arq.szCodigo, codigo, sizeof arq.szCodigo - 1);
    return arq;
}

QD_LOCARQ_FILTRO_PS Filtro(std::uint32_t flags, const char* codigo = "", std::uint32_t grupo = 0) {
    QD_LOCARQ_FILTRO_PS filtro{};
    filtro.dwFlags = flags;
    filtro.lPosGrupo = grupo;
    std::strncpy(filtro.szCodigo, codigo, sizeof filtro.szCodigo - 1);
    return filtro;
}

struct CasoFiltro {
    QD_LOCARQ_ARQ arq;
    QD_LOCARQ_FILTRO_PS filtro;
    bool passa;
    const char* porque;
};

TEST(QDLocArqPassaFiltro, AppliesEachBitOfTheFilter) {
    const CasoFiltro casos[] = {
        {Local("1.001"), Filtro(0), true, "an empty filter keeps everything"},
        {Local("1.001"), Filtro(0x40, "", 1), true, "a location of group 1"},
        {Local("1", 1), Filtro(0x40, "", 1), true, "group 1's heading"},
        {Local("10.001"), Filtro(0x40, "", 1), false, "group 10 is not group 1"},
        {Local("1.001", 1), Filtro(0x04), true, "a heading among headings"},
        {Local("1.001"), Filtro(0x04), false, "not a heading"},
        {Local("1.001", 1), Filtro(0x08), false, "a heading among non-headings"},
        {Local("1.001", 0x100), Filtro(0x08), true, "other bits do not make a heading"},
        {Local("1.001"), Filtro(0x01, "1.001"), true, "the same code"},
        {Local("1.0010"), Filtro(0x01, "1.001"), false, "a longer code is not equal"},
        {Local("1.001.001"), Filtro(0x03, "1.001."), true, "a code under the prefix"},
        {Local("1.0010"), Filtro(0x03, "1.001."), false, "a code that only shares digits"},
        {Local("1.00"), Filtro(0x03, "1.001"), false, "a code shorter than the prefix"},
        {Local("1.0010"), Filtro(0x02, "9"), true, "the prefix bit alone compares nothing"},
        {Local("1.001", 0, 0, -5), Filtro(0x10), true, "no maximum always has room"},
        {Local("1.001", 0, 10, 0), Filtro(0x10), false, "a full location"},
        {Local("1.001", 0, 10, -1), Filtro(0x10), false, "an over-full location"},
        {Local("1.001", 0, 10, 1), Filtro(0x10), true, "one place left"},
        {Local("2.001", 1), Filtro(0x40 | 0x08, "", 2), false, "every set bit must pass"},
    };
    for (const CasoFiltro& caso : casos) EXPECT_EQ(QDLocArqPassaFiltro(caso.arq, caso.filtro), caso.passa) << caso.porque;
}

TEST(QDLocArqAceitaTipDoc, KeepsAnyTypeWithoutListAndTheListedOnes) {
    EXPECT_TRUE(QDLocArqAceitaTipDoc({3, 4}, 0));
    EXPECT_TRUE(QDLocArqAceitaTipDoc({}, 9));
    EXPECT_TRUE(QDLocArqAceitaTipDoc({3, 4}, 4));
    EXPECT_FALSE(QDLocArqAceitaTipDoc({3, 4}, 5));
}

TEST(QDDisponivelRecontado, NeverBelowZeroWithoutMaximum) {
    EXPECT_EQ(QDDisponivelRecontado(10, 3), 7);
    EXPECT_EQ(QDDisponivelRecontado(10, 0), 10);
    EXPECT_EQ(QDDisponivelRecontado(5, 7), -2);
    EXPECT_EQ(QDDisponivelRecontado(0, 2), 0);
    EXPECT_EQ(QDDisponivelRecontado(0, 0), 0);
}

// Texts are cut to their field and terminated; a stored code that fills its field is read
// without running into the next field.
TEST(QDLocArqConversao, CutsTextsAndNeverTakesTheServersFields) {
    QD_LOCARQ_ARQ arq{};
    std::memset(arq.szCodigo, '7', sizeof arq.szCodigo);
    std::memset(arq.szDescricao, 'd', sizeof arq.szDescricao);
    arq.dwFlags = 0x101;
    arq.nQtdTipDocs = 4;
    arq.lPrimeiroTipDoc = 9;
    arq.nQtdMaximaDocs = 12;
    arq.nQtdDisponivel = -3;
    QD_LOCARQ_PS ps;
    QDLocArqParaPS(arq, ps);
    EXPECT_EQ(ps.dwFlags, 0x101u);
    EXPECT_EQ(ps.nQtdTipDocs, 0u);
    EXPECT_EQ(ps.pPtrsTipDocs, nullptr);
    EXPECT_EQ(ps.nQtdMaximaDocs, 12u);
    EXPECT_EQ(ps.nQtdDisponivel, -3);
    EXPECT_EQ(std::string(ps.szCodigo), std::string(39, '7'));
    EXPECT_EQ(std::string(ps.szDescricao), std::string(65, 'd'));
    EXPECT_EQ(QDCodigoLocArq(arq), std::string(39, '7'));

    QD_LOCARQ_PS cliente{};
    cliente.dwFlags = 0x1;
    cliente.nQtdTipDocs = 2;
    cliente.nQtdMaximaDocs = 30;
    cliente.nQtdDisponivel = 999;
    std::strcpy(cliente.szCodigo, "2.001");
    std::strcpy(cliente.szDescricao, "Sala");
    QDLocArqDePS(cliente, arq);
    EXPECT_EQ(arq.dwFlags, 0x1u);
    EXPECT_EQ(arq.nQtdTipDocs, 2u);
    EXPECT_EQ(arq.nQtdMaximaDocs, 30);
    EXPECT_EQ(arq.nQtdDisponivel, -3) << "the client's count is not taken";
    EXPECT_EQ(arq.lPrimeiroTipDoc, 9u) << "the run's position is not the client's";
    EXPECT_EQ(std::string(arq.szCodigo, 6), std::string("2.001\0", 6));
    EXPECT_EQ(std::string(arq.szCodigo + 5, 35), std::string(35, '\0')) << "the old code's tail is cleared";
    EXPECT_EQ(std::string(arq.szDescricao + 4, 62), std::string(62, '\0'));
}

TEST(QDVerificaLocArqPS, RefusesCountsThatCannotBeRight) {
    std::uint32_t tipos[2] = {1, 2};
    QD_LOCARQ_PS ps{};
    EXPECT_EQ(QDVerificaLocArqPS(ps), platform::S_OK);
    ps.nQtdTipDocs = 2;
    ps.pPtrsTipDocs = tipos;
    EXPECT_EQ(QDVerificaLocArqPS(ps), platform::S_OK);
    // A count without its array would be read from nowhere.
    ps.pPtrsTipDocs = nullptr;
    EXPECT_EQ(QDVerificaLocArqPS(ps), platform::E_INVALIDARG);
    // More types than any request can carry.
    ps.pPtrsTipDocs = tipos;
    ps.nQtdTipDocs = static_cast<std::uint32_t>(platform::idl::kMaxMessageBytes / 4 + 1);
    EXPECT_EQ(QDVerificaLocArqPS(ps), platform::E_INVALIDARG);
    // A maximum the stored signed field would turn negative.
    ps.nQtdTipDocs = 0;
    ps.nQtdMaximaDocs = 0x80000000u;
    EXPECT_EQ(QDVerificaLocArqPS(ps), platform::E_INVALIDARG);
    ps.nQtdMaximaDocs = 0x7FFFFFFFu;
    EXPECT_EQ(QDVerificaLocArqPS(ps), platform::S_OK);
}

}  // namespace
