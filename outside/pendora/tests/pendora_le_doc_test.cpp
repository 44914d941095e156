// CConexaoGedSrv::LeDocEx: any number of documents read in calls that a response can carry
// (one document per call while contents are read), against a stand-in server.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/tests/pendora_docs_falsos.h"
#include "platform/idl/wire_limits.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "server/idl/tests/support/connection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::HRESULT;
using pendora::testing::DocsFalsos;
using server::idl::testing::Connection;
using server::idl::testing::RecordingServer;

constexpr std::uint32_t kLote = CConexaoGedSrv::kQtdPorLeitura;
constexpr std::uint32_t kSemConteudo = 0x08;

// Positions that no off-by-one can confuse: distinct, not consecutive, not starting at 1.
std::vector<std::uint32_t> Posicoes(std::uint32_t qtd) {
    std::vector<std::uint32_t> posicoes;
    for (std::uint32_t i = 0; i < qtd; ++i) posicoes.push_back(500 + 3 * i);
    return posicoes;
}

std::string Conteudo(const CQDDoc& doc) {
    if (!doc->pArquivo) return {};
    return std::string(reinterpret_cast<const char*>(doc->pArquivo), doc->cbArquivo);
}

class LeDocEx : public ::testing::Test {
protected:
    // Reads `posicoes` with a silent connection to the local stand-in.
    HRESULT Le(const std::vector<std::uint32_t>& posicoes, std::vector<CQDDoc>& docs, std::uint32_t dwFlags) {
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&servidor_);
        docs.resize(posicoes.size());
        return conexao.LeDocEx(static_cast<std::uint32_t>(posicoes.size()), posicoes.data(), docs.data(), dwFlags);
    }

    kelvo::testing::TestEnvironment ambiente_;
    kelvo::testing::RecordedBoxes caixas_;
    RecordingServer servidor_;
    DocsFalsos base_{servidor_};
};

// Without contents the documents travel in chunks of kQtdPorLeitura; with contents one per call,
// since one content may fill a whole message. Every document gets its own record and position
// in order, whatever the chunk (a wrong offset would pair objects with other positions).
TEST_F(LeDocEx, CallSizeFollowsWhetherContentsAreRead) {
    struct Caso {
        std::uint32_t qtd;
        std::uint32_t dwFlags;
        std::uint32_t porChamada;
    };
    const Caso casos[] = {
        {1, kSemConteudo, kLote},         {kLote - 1, kSemConteudo, kLote},  {kLote, kSemConteudo, kLote},
        {kLote + 1, kSemConteudo, kLote}, {2 * kLote + 3, 0x1F, kLote},      {1, 0, 1},
        {3, 0, 1},                        {4, 0x17, 1},                      {kLote + 1, 0x07, 1},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.qtd << " flags " << caso.dwFlags);
        base_.leituras.clear();
        const std::vector<std::uint32_t> posicoes = Posicoes(caso.qtd);
        base_.PreencheAPartirDe(posicoes);
        std::vector<CQDDoc> docs;
        ASSERT_EQ(Le(posicoes, docs, caso.dwFlags), platform::S_OK);

        ASSERT_EQ(base_.leituras.size(), (caso.qtd + caso.porChamada - 1) / caso.porChamada);
        std::vector<std::uint32_t> pedidas;
        for (const auto& leitura : base_.leituras) {
            EXPECT_EQ(leitura.dwFlags, caso.dwFlags);
            EXPECT_LE(leitura.posicoes.size(), caso.porChamada);
            pedidas.insert(pedidas.end(), leitura.posicoes.begin(), leitura.posicoes.end());
        }
        EXPECT_EQ(pedidas, posicoes);
        const bool comConteudo = (caso.dwFlags & kSemConteudo) == 0;
        for (std::size_t i = 0; i < posicoes.size(); ++i) {
            const std::string n = std::to_string(posicoes[i]);
            EXPECT_EQ(docs[i].GetPosicao(), posicoes[i]);
            EXPECT_EQ(std::string(docs[i]->szOriginalFileName), "D" + n + ".txt");
            EXPECT_EQ(Conteudo(docs[i]), comConteudo ? "C" + n : "");
        }
    }
}

// A count of 0 asks the server nothing and succeeds, even without arrays or a bound object.
TEST_F(LeDocEx, ZeroCountMakesNoCall) {
    CConexaoGedSrv conexao;
    conexao.SetInterface(&servidor_);
    EXPECT_EQ(conexao.LeDocEx(0, nullptr, nullptr, 0), platform::S_OK);
    EXPECT_TRUE(servidor_.calls.empty());
    CConexaoGedSrv semObjeto;
    EXPECT_EQ(semObjeto.LeDocEx(0, nullptr, nullptr, 0), platform::S_OK);
    EXPECT_TRUE(caixas_.boxes.empty());
}

// A count with a missing array is refused before anything is sent.
TEST_F(LeDocEx, CountWithoutArraysIsRefused) {
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(&servidor_);
    const std::uint32_t posicao = 4;
    CQDDoc doc;
    EXPECT_EQ(conexao.LeDocEx(1, nullptr, &doc, 0), platform::E_POINTER);
    EXPECT_EQ(conexao.LeDocEx(1, &posicao, nullptr, 0), platform::E_POINTER);
    EXPECT_TRUE(servidor_.calls.empty());
}

// The first failing call ends the reading with its result; documents of later calls are neither
// asked for nor touched, and the plain connection shows the failure once.
TEST_F(LeDocEx, FirstFailureStopsTheReading) {
    const std::vector<std::uint32_t> posicoes = Posicoes(3);
    base_.PreencheAPartirDe(posicoes);
    base_.respostas = {platform::S_OK, platform::E_NOTIMPL};
    CConexaoGedSrv conexao;
    conexao.SetInterface(&servidor_);
    std::vector<CQDDoc> docs(3);
    docs[2].SetPosicao(77);

    EXPECT_EQ(conexao.LeDocEx(3, posicoes.data(), docs.data(), 0), platform::E_NOTIMPL);
    EXPECT_EQ(base_.leituras.size(), 2u);
    EXPECT_EQ(docs[0].GetPosicao(), posicoes[0]);
    EXPECT_EQ(Conteudo(docs[0]), "C" + std::to_string(posicoes[0]));
    EXPECT_EQ(docs[1].GetPosicao(), 0u);
    EXPECT_EQ(docs[2].GetPosicao(), 77u);
    EXPECT_EQ(caixas_.boxes.size(), 1u);
}

// A success status of one call is not lost behind the S_OK of the others.
TEST_F(LeDocEx, SuccessStatusOfACallIsKept) {
    const std::vector<std::uint32_t> posicoes = Posicoes(3);
    base_.PreencheAPartirDe(posicoes);
    base_.respostas = {platform::S_OK, platform::S_FALSE};
    std::vector<CQDDoc> docs;
    EXPECT_EQ(Le(posicoes, docs, 0), platform::S_FALSE);
    EXPECT_EQ(base_.leituras.size(), 3u);
    EXPECT_EQ(docs.back().GetPosicao(), posicoes.back());
}

// Through the proxy, two contents that together outgrow one message each come back whole in a
// call of their own (asked for together, the response could not be carried).
TEST(LeDocExRemoto, ContentsLargerThanOneMessageTogetherTravelOneByOne) {
    kelvo::testing::TestEnvironment ambiente;
    Connection remoto;
    remoto.hooks.keepRequests = false;
    DocsFalsos base(remoto.server);
    const std::size_t tamanho = platform::idl::kMaxMessageBytes / 2 + 4096;
    const std::vector<std::uint32_t> posicoes = {9, 4};
    base.docs[9] = {0, "grande.bin", std::string(tamanho, 'x'), "", {}};
    base.docs[4] = {0, "outro.bin", std::string(tamanho, 'y'), "", {}};
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(remoto.proxy);
    std::vector<CQDDoc> docs(2);

    ASSERT_EQ(conexao.LeDocEx(2, posicoes.data(), docs.data(), 0x17), platform::S_OK);
    EXPECT_EQ(remoto.hooks.calls, 2);
    EXPECT_EQ(docs[0].GetPosicao(), 9u);
    EXPECT_EQ(docs[1].GetPosicao(), 4u);
    EXPECT_EQ(Conteudo(docs[0]), base.docs[9].conteudo);
    EXPECT_EQ(Conteudo(docs[1]), base.docs[4].conteudo);
}

}  // namespace
