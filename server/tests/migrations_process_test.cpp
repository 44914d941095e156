// The demo company in the old layouts, opened through the client library in the real Vaultis
// process: the first session converts it, the converted locations are served as 160-byte records
// and the properties keep their texts.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_propriedades.h"
#include "platform/system/process_spawn.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "server/tests/migrations_test_support.h"
#include "server/tests/process_test_support.h"
#include "util/config/folders.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <cstring>
#include <string>

using namespace kelvo::testing;

namespace {

TEST(QDExecutaMigracoesVaultis, OldDemoCompanyIsConvertedByItsFirstSession) {
    TestEnvironment ambiente;
    ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente));
    const std::string pasta = PastaDemo();
    const std::string pastaBase = ZTGetDiretorioEmpresa(ZT_MODULO_EMPRESARIAL, kelvo::setup::kDemoCompany).str();
    ASSERT_FALSE(pasta.empty());
    ASSERT_FALSE(pastaBase.empty());
    const ConteudoAntigo c = ConteudoPadrao();
    GravaEmpresaAntiga(pasta, pastaBase, c);

    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        CQDPropriedades propriedades;
        ASSERT_EQ(conexao.LePropriedades(propriedades), platform::S_OK);
        EXPECT_EQ(propriedades->bFlags, 0x0B);
        EXPECT_EQ(propriedades->iVersaoSistema, 1);
        EXPECT_EQ(platform::AnsiFromBstr(propriedades->bsModeloEmail).str(), c.textos.modelo);
        EXPECT_EQ(platform::AnsiFromBstr(propriedades->bsEmailCC).str(), c.textos.cc);

        // The legacy group "2" was imported and converted: the third location, a group.
        CQDLocArq local;
        EXPECT_EQ(conexao.ExisteLocArq("2", 0x01, &local), 3u);
        EXPECT_EQ(local->dwFlags & 0x1, 1u);
        EXPECT_STREQ(local->szDescricao, "Arquivo morto");
        EXPECT_EQ(conexao.ExisteLocArq("1.001.0001"), 2u);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string documentos = ReadFile(pasta + "QDDOC.DAT");
    ASSERT_EQ(documentos.size(), 5u * 256u);
    QD_DOC_ARQ primeiro{};
    std::memcpy(&primeiro, documentos.data() + 256, sizeof primeiro);
    EXPECT_EQ(primeiro.iDataValidade, ZTCalculaDiasBase(15, 3, 2024, 1950));
    EXPECT_EQ(primeiro.iUsuarioIncluiu, 7);
    EXPECT_EQ(primeiro.iUsuarioAlterou, 11);
    EXPECT_EQ(ReadFile(pasta + "QDLOCARQ.DAT").size(), 5u * 160u);
    EXPECT_EQ(ReadFile(pasta + "QDLOCMSC.DAT").size(), 10u * 64u);
}

}  // namespace
