// Links in the real Vaultis process, with the other modules' stand-in servers in a process of
// their own that Vaultis starts through their registration: adding a requisition's link links
// the document to the origins the stand-ins relate to it, and AtualizaVinculoDoc does the same
// for a second document; both server processes end once their clients let go.
#include "outside/modulos/zt_modulos_dados.h"
#include "outside/modulos/zt_modulos_servidores.h"
#include "platform/system/process_spawn.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "server/tests/links_test_support.h"
#include "server/tests/process_test_support.h"
#include "util/config/folders.h"

#include <gtest/gtest.h>

#include <array>

#include <sys/prctl.h>

#include <algorithm>

using namespace kelvo::testing;

namespace {

TEST(VinculosVaultis, RelatedOriginsComeFromTheStandInProcess) {
    TestEnvironment ambiente;
    ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente, KELVO_MODULOS));
    ASSERT_TRUE(ZTServidorModulosRegistrado(KELVO_MODULOS));
    WriteFile(ZTArquivoDadosModulos(kelvo::setup::kDemoCompany).str(), DadosRequisicao());

    const std::vector<std::pair<std::uint32_t, std::uint32_t>> relacionadas = OrigensDaRequisicao();
    const QD_ORIGEM_VINCULO_DOC_PS requisicao = OrigemDe(QD_PROCESSO_CM_RE, ChaveRequisicao());
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        ASSERT_EQ(conexao.SetModoServico(), platform::S_OK);
        std::uint32_t posicao = 0;
        ASSERT_EQ(conexao.GravaDoc(&posicao, Documento(DadosDoc{}), 0xF), platform::S_OK);
        ASSERT_EQ(posicao, 1u);
        ASSERT_EQ(conexao.AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_CM_RE, ChaveRequisicao(), 1), REG_ZTDMC{0}),
                  platform::S_OK);
        CQDArrayPonteiros docs;
        const QD_ORIGEM_VINCULO_DOC_PS contrato = OrigemDe(QD_PROCESSO_CM_OC, 901);
        ASSERT_EQ(conexao.BuscaVinculosDocByOrigem(1, &contrato, docs), platform::S_OK);
        ASSERT_EQ(docs->qtd, 1u);
        EXPECT_EQ(docs->pPtrs[0], 1u);

        // The related links removed, AtualizaVinculoDoc brings them back as new records.
        std::vector<QD_VINCULO_DOC_PS> remover;
        for (const auto& [proc, chave] : relacionadas) remover.push_back(VinculoDe(static_cast<QD_E_PROCESSO>(proc), chave, 0));
        ASSERT_EQ(conexao.ExcluiVinculoDoc(static_cast<std::uint32_t>(remover.size()), remover.data()), platform::S_OK);
        ASSERT_EQ(conexao.AtualizaVinculoDoc(requisicao), platform::S_OK);
    }
    // Vaultis, and the stand-ins' process that it started for each operation (once or twice,
    // as their first process may still be ending when the second operation asks): all ended well.
    const std::vector<int> codigos = EsperaServidores();
    EXPECT_GE(codigos.size(), 2u);
    EXPECT_LE(codigos.size(), 3u);
    EXPECT_TRUE(std::all_of(codigos.begin(), codigos.end(), [](int c) { return c == 0; }));

    const std::string pasta = PastaDemo();
    const std::string bytes = ReadFile(pasta + "QDVINDOC.DAT");
    std::vector<Vinculo3> esperado = {{1, QD_PROCESSO_CM_RE, ChaveRequisicao()}};
    for (const auto& [proc, chave] : relacionadas) esperado.emplace_back(1, proc, chave);
    EXPECT_EQ(VinculosVivos(bytes), esperado);
    ASSERT_EQ(bytes.size(), 16u * (1 + 1 + 2 * relacionadas.size()));
    for (std::size_t i = 0; i < relacionadas.size(); ++i) EXPECT_EQ(U32At(bytes, 16 * (2 + i) + 12), 1u) << i;
}

}  // namespace
