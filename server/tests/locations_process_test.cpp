// Archive locations of the demo company in the real Vaultis process, reached through the client
// library: saving with the document count, recounting (whose own connection is made inside the
// server process), and what lands in the files and the log.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/system/process_spawn.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/tests/locations_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

class LocaisVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
        pasta_ = PastaDemo();
    }

    static std::uint32_t Grava(CConexaoGedSrv& conexao, const CQDLocArq& local, std::uint32_t posicao = 0) {
        EXPECT_EQ(conexao.GravaLocArq(&posicao, local), platform::S_OK);
        return posicao;
    }
    static std::int32_t Disponivel(CConexaoGedSrv& conexao, std::uint32_t posicao) {
        CQDLocArq local;
        EXPECT_EQ(conexao.LeLocArq(1, &posicao, &local, 0), platform::S_OK);
        return local->nQtdDisponivel;
    }

    TestEnvironment ambiente_;
    std::string pasta_;
};

// A save subtracts the documents lying there (−2 without maximum), the recount in the server
// process corrects that to 0 and gives 7 to a maximum of 10 holding 3, and leaves headings; the
// records and the log show it after the server has ended.
TEST_F(LocaisVaultis, SavesAndRecountsInTheServerProcess) {
    std::uint32_t semMaximo = 0;
    std::uint32_t dez = 0;
    std::uint32_t titulo = 0;
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        titulo = Grava(conexao, NovoLocal("1", 1, 4));
        semMaximo = Grava(conexao, NovoLocal("1.001", 0, 0, {3, 9}));
        dez = Grava(conexao, NovoLocal("1.002", 0, 10));
        GravaDocumentos(pasta_ + "QDDOC.DAT",
                        {Documento(semMaximo), Documento(semMaximo, 0, 5, 8), Documento(semMaximo, QD_DOC_EXCLUIDO),
                         Documento(dez), Documento(dez), Documento(dez, 0, 2), Documento(titulo)});

        Grava(conexao, NovoLocal("1.001", 0, 0, {3, 9}), semMaximo);
        EXPECT_EQ(Disponivel(conexao, semMaximo), -2);
        EXPECT_EQ(Disponivel(conexao, dez), 10);

        ASSERT_EQ(conexao.CalcularQtdDocs(), platform::S_OK);
        EXPECT_EQ(Disponivel(conexao, semMaximo), 0);
        EXPECT_EQ(Disponivel(conexao, dez), 7);
        EXPECT_EQ(Disponivel(conexao, titulo), 4);

        CQDLocArq lido;
        ASSERT_EQ(conexao.LeLocArq(1, &semMaximo, &lido, 0), platform::S_OK);
        EXPECT_EQ(Tipos(lido), (std::vector<std::uint32_t>{3, 9}));
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string bytes = RegistroBruto(pasta_ + "QDLOCARQ.DAT", dez, kTamanhoLocal);
    ASSERT_EQ(bytes.size(), kTamanhoLocal);
    EXPECT_EQ(NumeroEm(bytes, 12, 4), 10u);
    EXPECT_EQ(NumeroEm(bytes, 16, 4), 7u);
    EXPECT_EQ(bytes.substr(20, 6), std::string("1.002\0", 6));

    const std::vector<EntradaLog> log = EntradasLog(pasta_);
    ASSERT_EQ(log.size(), 5u) << "three inclusions and one change; the recount logs nothing";
    EXPECT_EQ(log[3].operacao, QD_OP_LOG_LOCARQ_ALTERACAO_DE);
    EXPECT_EQ(log[3].posicao, semMaximo);
    EXPECT_EQ(log[4].operacao, QD_OP_LOG_LOCARQ_ALTERACAO_PARA);
    ASSERT_EQ(log[4].itens.size(), 1u);
    EXPECT_EQ(log[4].itens[0].second, BytesTipos({3, 9}));
    QD_LOCARQ_ARQ depois{};
    ASSERT_EQ(log[4].dados.size(), sizeof depois);
    std::memcpy(&depois, log[4].dados.data(), sizeof depois);
    EXPECT_EQ(depois.nQtdDisponivel, -2);
}

}  // namespace
