// Documents of the demo company in the real Vaultis process, reached through the client library:
// a document travels both ways with every part and lies at its offsets in QDDOC.DAT, its log
// entries read back, a read past one message leaves the server's memory bounded, and two client
// processes that insert version chains at once get distinct positions and intact chains.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "platform/system/process_spawn.h"
#include "server/tests/demo_client_process.h"
#include "server/tests/document_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/server_memory_test_support.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <set>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr int kVersoes = 25;

class DocVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
        pasta_ = PastaDemo();
    }

    // A client process: once every client of `juntos` is connected, inserts kVersoes documents,
    // each the next version of the one before, and sends the HRESULT and the positions through
    // `relata`.
    static pid_t Cliente(ProcessBarrier& juntos, int relata, int sessao) {
        return ClienteDemo(juntos, relata, sessao, [sessao](CSilentConexaoGedSrv& conexao, std::vector<std::uint32_t>& posicoes) {
            DadosDoc dados;
            dados.usuarios = {static_cast<std::uint16_t>(sessao)};
            HRESULT hr = platform::S_OK;
            for (int i = 0; i < kVersoes && platform::SUCCEEDED(hr); ++i) {
                dados.lPrevDoc = posicoes.empty() ? 0 : posicoes.back();
                dados.iVersao = static_cast<std::uint32_t>(i);
                std::uint32_t posicao = 0;
                hr = conexao.GravaDoc(&posicao, Documento(dados), 0x1);
                posicoes.push_back(posicao);
            }
            return hr;
        });
    }

    TestEnvironment ambiente_;
    std::string pasta_;
};

// Written, read, rewritten and deleted through the server process: the parts come back, the
// record lies at its offsets, and the log holds inclusion, change and deletion.
TEST_F(DocVaultis, DocumentTravelsBothWaysAndLiesAtItsOffsets) {
    std::uint32_t posicao = 0;
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        DadosDoc dados;
        dados.iNrLocalizacao = 12;
        dados.iDataEmissao = 41000;
        dados.usuarios = {kelvo::setup::kDemoUser, 6};
        dados.campos = {{QD_CAMPO_NUM_NF, "987"}};
        dados.descricao = "Contrato de loca\xE7\xE3o";
        dados.conteudo = std::string(70000, 'c');
        dados.nome = "contrato.pdf";
        ASSERT_EQ(conexao.GravaDoc(&posicao, Documento(dados), 0xF), platform::S_OK);
        ASSERT_EQ(posicao, 1u);

        CQDDoc lido;
        ASSERT_EQ(conexao.LeDoc(1, &posicao, &lido, 0), platform::S_OK);
        EXPECT_EQ(Usuarios(lido), dados.usuarios);
        EXPECT_EQ(Descricao(lido), dados.descricao);
        EXPECT_EQ(Conteudo(lido), dados.conteudo);
        ASSERT_EQ(lido->nQtdCampos, 1u);
        EXPECT_EQ(lido->pCampos[0].id, QD_CAMPO_NUM_NF);
        EXPECT_EQ(lido->iUsuarioIncluiu, kelvo::setup::kDemoUser);

        dados.iFilial = 3;
        ASSERT_EQ(conexao.GravaDoc(&posicao, Documento(dados), 0), platform::S_OK);
        CQDDoc semNada;
        ASSERT_EQ(conexao.LeDoc(1, &posicao, &semNada, 0x1F), platform::S_OK);
        EXPECT_EQ(semNada->iFilial, 3);
        EXPECT_EQ(semNada->pUsuarios, nullptr);
        EXPECT_EQ(semNada->pArquivo, nullptr);
        EXPECT_EQ(semNada->bsDescricao, nullptr);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string docs = ReadFile(pasta_ + "QDDOC.DAT");
    ASSERT_EQ(docs.size(), 512u);
    EXPECT_EQ(NumeroEm(docs, 256 + 20, 4), 12u);
    EXPECT_EQ(NumeroEm(docs, 256 + 36, 4), 2u);
    EXPECT_EQ(NumeroEm(docs, 256 + 44, 4), 1u);
    EXPECT_EQ(NumeroEm(docs, 256 + 52, 4), 19u);
    EXPECT_EQ(NumeroEm(docs, 256 + 60, 2), 41000u);
    EXPECT_EQ(NumeroEm(docs, 256 + 64, 2), 3u);
    EXPECT_EQ(docs.substr(256 + 66, 13), std::string("contrato.pdf\0", 13));
    EXPECT_EQ(NumeroEm(docs, 256 + 240, 2), kelvo::setup::kDemoUser);
    EXPECT_EQ(ReadFile(pasta_ + "Docs/0000001.pdf"), std::string(70000, 'c'));
    const std::string descricoes = ReadFile(pasta_ + "QDDOCDSC.DAT");
    EXPECT_EQ(descricoes.substr(NumeroEm(docs, 256 + 56, 4), 19), "Contrato de loca\xE7\xE3o");

    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 2), platform::S_OK);
        ASSERT_EQ(conexao.ExcluiDoc(1, &posicao), platform::S_OK);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
    EXPECT_EQ(NumeroEm(ReadFile(pasta_ + "QDDOC.DAT"), 256, 4) & 0x2, 0x2u);

    std::vector<CQDLogEntrada> entradas;
    ASSERT_EQ(QDLeLog(pasta_.c_str(), entradas), platform::S_OK);
    std::vector<QD_E_OPERACAO_LOG> operacoes;
    for (const CQDLogEntrada& entrada : entradas) {
        const QD_LOG_PS& log = entrada.GetLog();
        if (log.eOperacao < QD_OP_LOG_DOC_INCLUSAO || log.eOperacao > QD_OP_LOG_DOC_EXCLUSAO) continue;
        operacoes.push_back(log.eOperacao);
        EXPECT_EQ(log.lPosicao, posicao);
        EXPECT_EQ(log.iUsuario, kelvo::setup::kDemoUser);
        EXPECT_EQ(log.cbLogData, 256u);
    }
    EXPECT_EQ(operacoes, (std::vector<QD_E_OPERACAO_LOG>{QD_OP_LOG_DOC_INCLUSAO, QD_OP_LOG_DOC_ALTERACAO_DE,
                                                          QD_OP_LOG_DOC_ALTERACAO_PARA, QD_OP_LOG_DOC_EXCLUSAO}));
}

// Guards the server's memory against a read whose reply can never be sent: one 16 MiB document
// asked 48 times is refused while the server's peak stays below two messages above its size
// before the call (it once built all 768 MiB first).
TEST_F(DocVaultis, AReadPastOneMessageKeepsTheServerBelowTwoMessages) {
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        DadosDoc dados;
        dados.conteudo = std::string(std::size_t{16} << 20, 'g');
        std::uint32_t posicao = 0;
        ASSERT_EQ(conexao.GravaDoc(&posicao, Documento(dados), 0xF), platform::S_OK);
        PicoMemoriaServidor pico;
        ASSERT_NO_FATAL_FAILURE(pico.Localiza(ambiente_));

        const std::vector<std::uint32_t> posicoes(48, posicao);
        std::vector<CQDDoc> docs(posicoes.size());
        ASSERT_NO_FATAL_FAILURE(pico.Inicia());
        EXPECT_EQ(conexao.LeDoc(48, posicoes.data(), docs.data(), 0), platform::E_OUTOFMEMORY);
        std::int64_t acima = 0;
        ASSERT_NO_FATAL_FAILURE(pico.AcimaDoInicio(acima));
        if (kPicoMemoriaMedido) {
            EXPECT_LT(acima, 2 * static_cast<std::int64_t>(platform::idl::kMaxMessageBytes));
        }
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

// Two processes inserting version chains at once: each write holds QDDOC.DAT for its whole call,
// so every document gets its own position and each chain links both ways without a gap.
TEST_F(DocVaultis, TwoProcessesInsertVersionChainsAtOnce) {
    Tubo relatosA, relatosB;
    // Both connected before either inserts: one server serves them, and their writes can meet.
    ProcessBarrier juntos(2);
    const pid_t a = Cliente(juntos, relatosA.fd[1], 1);
    const pid_t b = Cliente(juntos, relatosB.fd[1], 2);
    EXPECT_TRUE(juntos.ReleaseAll());
    std::vector<std::vector<std::uint32_t>> cadeias;
    for (const int fd : {relatosA.fd[0], relatosB.fd[0]}) {
        HRESULT hr = 0;
        std::vector<std::uint32_t> posicoes;
        ASSERT_TRUE(LeRelato(fd, hr, posicoes));
        ASSERT_EQ(hr, platform::S_OK);
        ASSERT_EQ(posicoes.size(), static_cast<std::size_t>(kVersoes));
        cadeias.push_back(posicoes);
    }
    EXPECT_EQ(EsperaFim(a), 0);
    EXPECT_EQ(EsperaFim(b), 0);
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string docs = ReadFile(pasta_ + "QDDOC.DAT");
    ASSERT_EQ(docs.size(), (2u * kVersoes + 1) * 256);
    std::set<std::uint32_t> todas;
    for (std::size_t c = 0; c < cadeias.size(); ++c) {
        const std::vector<std::uint32_t>& cadeia = cadeias[c];
        for (std::size_t i = 0; i < cadeia.size(); ++i) {
            todas.insert(cadeia[i]);
            const std::size_t offset = std::size_t{cadeia[i]} * 256;
            EXPECT_EQ(NumeroEm(docs, offset + 24, 4), i);
            EXPECT_EQ(NumeroEm(docs, offset + 16, 4), i == 0 ? 0 : cadeia[i - 1]);
            EXPECT_EQ(NumeroEm(docs, offset + 12, 4), i + 1 == cadeia.size() ? 0 : cadeia[i + 1]);
        }
    }
    EXPECT_EQ(todas.size(), 2u * kVersoes);
}

}  // namespace
