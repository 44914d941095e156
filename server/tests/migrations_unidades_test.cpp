// The parts of the migrations on their own: validity dates into day counts from 1950, the record
// conversions of the old location layouts, setting a leftover aside, and the one wait for the
// database lock per run.
#include "server/lock/qd_db_lock.h"
#include "server/migrations/qd_contexto_migracao.h"
#include "server/migrations/qd_migra_refaz_docs.h"
#include "server/migrations/qd_sobras_conversao.h"
#include "server/tests/migrations_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;

namespace {

// A validity date becomes the day count from 1950 of the same day, the stored values after
// 4 June 2027 included; never 0 ("no expiry"): a date before 1950 has no count and stays expired
// as 1.
TEST(QDValidadeDias1950, ShortDatesBecomeDayCountsFrom1950) {
    struct Caso {
        int dia, mes, ano;
        std::int32_t esperado;
    };
    const Caso casos[] = {
        {1, 1, 1950, 1},
        {31, 12, 1950, 365},
        {1, 1, 1951, 366},
        {29, 2, 2000, ZTCalculaDiasBase(29, 2, 2000, 1950)},
        {15, 3, 2024, ZTCalculaDiasBase(15, 3, 2024, 1950)},
        {4, 6, 2027, ZTCalculaDiasBase(4, 6, 2027, 1950)},
        {5, 6, 2027, ZTCalculaDiasBase(5, 6, 2027, 1950)},
        {31, 12, 1949, 1},
        {1, 1, 1927, 1},
    };
    for (const Caso& caso : casos) {
        const std::uint16_t curta = ZTMontaData(caso.dia, caso.mes, caso.ano);
        ASSERT_NE(curta, 0) << caso.dia << "/" << caso.mes << "/" << caso.ano;
        EXPECT_EQ(QDValidadeDias1950(curta), caso.esperado) << caso.dia << "/" << caso.mes << "/" << caso.ano;
    }
}

// The old 128-byte record keeps its first 20 bytes, its 10 code bytes and its 66 description bytes
// in their new places; everything else of the 160 bytes is zero.
TEST(QDLocArqDeLocArq1, FieldsMoveToTheirNewOffsets) {
    QD_LOCARQ_ARQ_1 antigo = LocalAntigo(0x81, "1.001.0001", std::string(66, 'D'), 9);
    std::memset(antigo.cReservado, 0xEE, sizeof antigo.cReservado);  // never carried over
    const QD_LOCARQ_ARQ novo = QDLocArqDeLocArq1(antigo);
    std::string esperado = LocalConvertido(BytesDe(&antigo, sizeof antigo));
    EXPECT_EQ(BytesDe(&novo, sizeof novo), esperado);
    EXPECT_EQ(novo.dwFlags, 0x81u);
    EXPECT_EQ(novo.nQtdMaximaDocs, 9);
    EXPECT_EQ(std::string(novo.szCodigo), "1.001.0001");
}

// A legacy record keeps at most 9 code and 65 description characters, terminated, and is a group
// exactly for the type letter 'G'.
TEST(QDLocArq1DeLegado, TextsAreCutAndOnlyGMakesAGroup) {
    struct Caso {
        std::string codigo;
        std::string descricao;
        char tipo;
        std::string codigoEsperado;
        std::string descricaoEsperada;
        std::uint32_t flags;
    };
    const Caso casos[] = {
        {"1", "Sala", 'G', "1", "Sala", 1},
        {"123456789", std::string(65, 'a'), 'C', "123456789", std::string(65, 'a'), 0},
        {"1234567890", std::string(66, 'b'), 'g', "123456789", std::string(65, 'b'), 0},
        {"", "", ' ', "", "", 0},
    };
    for (const Caso& caso : casos) {
        const DF_LOCARM_ARQ legado = Legado(caso.codigo, caso.descricao, caso.tipo);
        const QD_LOCARQ_ARQ_1 novo = QDLocArq1DeLegado(legado);
        EXPECT_EQ(BytesDe(&novo, sizeof novo), LocalImportado(legado)) << caso.codigo;
        EXPECT_EQ(std::string(novo.szCodigo, strnlen(novo.szCodigo, sizeof novo.szCodigo)), caso.codigoEsperado);
        EXPECT_EQ(std::string(novo.szDescricao, strnlen(novo.szDescricao, sizeof novo.szDescricao)), caso.descricaoEsperada);
        EXPECT_EQ(novo.dwFlags, caso.flags) << caso.codigo;
    }
}

// A leftover goes to the first free ".NNN" name and keeps its bytes; a rename that fails for
// another reason is reported with its OS error, the leftover left where it was.
TEST(QDPoeDeLado, TakesTheFirstFreeSuffix) {
    TestEnvironment ambiente;
    const std::string sobra = ambiente.Path("QDDOC.TMP");
    WriteFile(sobra, "sobra");
    WriteFile(ambiente.Path("QDDOC.TMP.001"), "um");
    ASSERT_EQ(QDPoeDeLado(QDOperacoesArquivoPadrao(), sobra.c_str()), platform::S_OK);
    EXPECT_EQ(ReadFile(ambiente.Path("QDDOC.TMP.002")), "sobra");
    EXPECT_EQ(ReadFile(ambiente.Path("QDDOC.TMP.001")), "um");
    EXPECT_FALSE(std::filesystem::exists(sobra));

    WriteFile(sobra, "outra");
    OperacoesComFalhas operacoes;
    operacoes.FalhaRenomeacao("QDDOC.TMP", "QDDOC.TMP.003");
    EXPECT_EQ(QDPoeDeLado(operacoes, sobra.c_str()), platform::HResultFromMessage(platform::ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadFile(sobra), "outra");
    EXPECT_FALSE(std::filesystem::exists(ambiente.Path("QDDOC.TMP.003")));
    ASSERT_EQ(QDPoeDeLado(operacoes, sobra.c_str()), platform::S_OK);
    EXPECT_EQ(ReadFile(ambiente.Path("QDDOC.TMP.003")), "outra");
}

// The database lock is tried once per run: a busy lock costs one wait of the deadline, and the
// second migration that asks gets the same answer at once; a free one is held until the run ends.
TEST(CQDContextoMigracao, LockIsTriedOncePerRun) {
    EmpresaTeste empresa;
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    FakeTicker relogio;
    QDAmbienteMigracoes ambiente;
    ambiente.relogio = &relogio;
    {
        CQDDBLock outro(empresa.Pasta().c_str());
        ASSERT_EQ(outro.Acquire(), 0);
        CQDContextoMigracao contexto(*srv, srv->GetDiretorio(), kEmpresaTeste, ambiente);
        EXPECT_EQ(contexto.Trava(), 17396);
        const std::size_t esperas = relogio.sleeps.size();
        EXPECT_GT(esperas, 0u);
        EXPECT_EQ(contexto.Trava(), 17396);
        EXPECT_EQ(relogio.sleeps.size(), esperas);
    }
    CQDContextoMigracao contexto(*srv, srv->GetDiretorio(), kEmpresaTeste, ambiente);
    EXPECT_EQ(contexto.Trava(), 0);
    EXPECT_EQ(contexto.Trava(), 0);
    CQDDBLock outro(empresa.Pasta().c_str(), relogio, 100);
    EXPECT_EQ(outro.Acquire(), 17396);
}

// The lock's answers as HRESULTs: a message code gets 0x80040000, an HRESULT stays as it is.
TEST(QDHResultTrava, MessageCodesAndHResults) {
    EXPECT_EQ(QDHResultTrava(0), platform::S_OK);
    EXPECT_EQ(QDHResultTrava(17396), platform::HResultFromMessage(17396));
    EXPECT_EQ(QDHResultTrava(16080), platform::HResultFromMessage(16080));
    EXPECT_EQ(QDHResultTrava(platform::HResultFromWin32(3)), platform::HResultFromWin32(3));
}

}  // namespace
