// CQDBatchGravaLog: entries in call order, copied when added, and what arrives at the server's
// GravaLog after the wire.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_batch_grava_log.h"
#include "server/idl/tests/support/connection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using platform::HRESULT;

// One entry as a server would read it: every field and every byte behind the pointers.
struct EntradaLida {
    std::int32_t operacao;
    std::uint32_t posicao;
    std::uint16_t usuario;
    std::uint32_t data;
    std::string dados;
    std::vector<std::pair<std::int32_t, std::string>> itens;
};

std::vector<EntradaLida> Le(const QD_BATCH_GRAVA_LOG_PS& lote) {
    std::vector<EntradaLida> entradas;
    for (std::uint32_t i = 0; i < lote.qtd; ++i) {
        const QD_LOG_PS& log = lote.pLogs[i];
        EntradaLida entrada{log.eOperacao, log.lPosicao, log.iUsuario, log.dataGravacaoLog, {}, {}};
        if (log.pLogData) entrada.dados.assign(reinterpret_cast<const char*>(log.pLogData), log.cbLogData);
        EXPECT_EQ(entrada.dados.size(), log.cbLogData);
        for (std::uint32_t j = 0; log.pPtrs && j < log.nQtdPtrs; ++j) {
            const QD_LOG_PTRS_PS& item = log.pPtrs[j];
            std::string bytes;
            if (item.pData) bytes.assign(reinterpret_cast<const char*>(item.pData), item.cbData);
            EXPECT_EQ(bytes.size(), item.cbData);
            entrada.itens.emplace_back(item.eType, bytes);
        }
        EXPECT_EQ(entrada.itens.size(), log.nQtdPtrs);
        entradas.push_back(entrada);
    }
    return entradas;
}

QD_LOG_PTRS_PS Item(QD_E_TYPE_LOG_PTRS tipo, std::string& bytes) {
    QD_LOG_PTRS_PS item{};
    item.eType = tipo;
    item.cbData = static_cast<std::uint32_t>(bytes.size());
    item.pData = reinterpret_cast<std::uint8_t*>(bytes.data());
    return item;
}

// A change of a type: its before and after entries, each with a users and a processes item.
void AdicionaAlteracao(CQDBatchGravaLog& lote, std::string& antes, std::string& depois, std::string& usuarios,
                       std::string& processos) {
    QD_LOG_PTRS_PS itens[] = {Item(QD_TYPE_LOG_USUARIO, usuarios), Item(QD_TYPE_LOG_PROCESSO, processos)};
    ASSERT_EQ(lote.Add(QD_OP_LOG_TIPDOC_ALTERACAO_DE, 7, antes.data(), static_cast<std::uint32_t>(antes.size()), 2,
                       itens),
              platform::S_OK);
    ASSERT_EQ(lote.Add(QD_OP_LOG_TIPDOC_ALTERACAO_PARA, 7, depois.data(), static_cast<std::uint32_t>(depois.size()),
                       2, itens),
              platform::S_OK);
}

// Entries come out in the order added, with their operation, position, data and items; the
// caller's buffers may change afterwards without touching the batch.
TEST(CQDBatchGravaLog, KeepsOrderAndCopiesEverything) {
    std::string antes(128, 'a'), depois(128, 'd'), usuarios("\x01\x00\x02\x00", 4), processos("\x05\x00\x00\x00", 4);
    CQDBatchGravaLog lote;
    AdicionaAlteracao(lote, antes, depois, usuarios, processos);
    std::string nome = "contrato.pdf";
    ASSERT_EQ(lote.Add(QD_OP_LOG_DOC_VISUALIZAR_LOCAL, 33, nome.data(), 12, 0, nullptr), platform::S_OK);
    std::fill(antes.begin(), antes.end(), 'X');
    std::fill(usuarios.begin(), usuarios.end(), 'X');
    nome = "outro-nome.x";

    ASSERT_EQ(lote.GetQtd(), 3u);
    const auto entradas = Le(lote.GetPS());
    ASSERT_EQ(entradas.size(), 3u);
    EXPECT_EQ(entradas[0].operacao, QD_OP_LOG_TIPDOC_ALTERACAO_DE);
    EXPECT_EQ(entradas[0].dados, std::string(128, 'a'));
    EXPECT_EQ(entradas[1].operacao, QD_OP_LOG_TIPDOC_ALTERACAO_PARA);
    EXPECT_EQ(entradas[1].dados, std::string(128, 'd'));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(entradas[i].posicao, 7u);
        ASSERT_EQ(entradas[i].itens.size(), 2u);
        EXPECT_EQ(entradas[i].itens[0].first, QD_TYPE_LOG_USUARIO);
        EXPECT_EQ(entradas[i].itens[0].second, std::string("\x01\x00\x02\x00", 4));
        EXPECT_EQ(entradas[i].itens[1].first, QD_TYPE_LOG_PROCESSO);
        EXPECT_EQ(entradas[i].itens[1].second, std::string("\x05\x00\x00\x00", 4));
    }
    EXPECT_EQ(entradas[2].operacao, QD_OP_LOG_DOC_VISUALIZAR_LOCAL);
    EXPECT_EQ(entradas[2].posicao, 33u);
    EXPECT_EQ(entradas[2].dados, "contrato.pdf");
    EXPECT_TRUE(entradas[2].itens.empty());
    // The time and the user are the server's to set.
    for (const EntradaLida& entrada : entradas) {
        EXPECT_EQ(entrada.usuario, 0);
        EXPECT_EQ(entrada.data, 0u);
    }
}

// An entry without data or items carries null pointers and zero counts (a 40-byte entry in the
// log), and an empty item is carried as it is given.
TEST(CQDBatchGravaLog, EmptyDataAndItemsAreNullAndZero) {
    CQDBatchGravaLog lote;
    std::string vazio;
    const QD_LOG_PTRS_PS item = Item(QD_TYPE_LOG_STRING, vazio);
    ASSERT_EQ(lote.Add(QD_OP_LOG_TIPDOC_EXCLUSAO, 2, nullptr, 0, 0, nullptr), platform::S_OK);
    ASSERT_EQ(lote.Add(QD_OP_LOG_PROP_ALTERACAO_DE, 0, nullptr, 0, 1, &item), platform::S_OK);
    const QD_BATCH_GRAVA_LOG_PS ps = lote.GetPS();
    ASSERT_EQ(ps.qtd, 2u);
    EXPECT_EQ(ps.pLogs[0].cbLogData, 0u);
    EXPECT_EQ(ps.pLogs[0].pLogData, nullptr);
    EXPECT_EQ(ps.pLogs[0].nQtdPtrs, 0u);
    EXPECT_EQ(ps.pLogs[0].pPtrs, nullptr);
    ASSERT_EQ(ps.pLogs[1].nQtdPtrs, 1u);
    EXPECT_EQ(ps.pLogs[1].pPtrs[0].cbData, 0u);
    EXPECT_EQ(ps.pLogs[1].pPtrs[0].eType, QD_TYPE_LOG_STRING);

    const CQDBatchGravaLog nada;
    EXPECT_EQ(nada.GetPS().qtd, 0u);
    EXPECT_EQ(nada.GetPS().pLogs, nullptr);
}

// A length that promises bytes behind a null pointer would make the copy read from nowhere:
// refused, and the batch stays as it was.
TEST(CQDBatchGravaLog, LengthsWithoutBytesAreRefused) {
    CQDBatchGravaLog lote;
    std::string bytes = "abc";
    QD_LOG_PTRS_PS itens[] = {Item(QD_TYPE_LOG_STRING, bytes), Item(QD_TYPE_LOG_STRING, bytes)};
    itens[1].pData = nullptr;
    struct Caso {
        const void* dados;
        std::uint32_t tamanho;
        std::uint32_t qtdItens;
        const QD_LOG_PTRS_PS* pItens;
    };
    const Caso casos[] = {
        {nullptr, 3, 0, nullptr},       // data length without data
        {bytes.data(), 3, 1, nullptr},  // item count without items
        {bytes.data(), 3, 2, itens},    // an item's length without its bytes
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(lote.Add(QD_OP_LOG_DOC_INCLUSAO, 1, caso.dados, caso.tamanho, caso.qtdItens, caso.pItens),
                  platform::E_INVALIDARG);
    }
    EXPECT_EQ(lote.GetQtd(), 0u);
}

// Entries added before a move are still whole in the batch it moved to.
TEST(CQDBatchGravaLog, MoveKeepsTheEntries) {
    CQDBatchGravaLog lote;
    std::string dados(300, 'z');
    for (std::uint32_t i = 0; i < 20; ++i) {
        ASSERT_EQ(lote.Add(QD_OP_LOG_DOC_INCLUSAO, i, dados.data(), 300, 0, nullptr), platform::S_OK);
    }
    CQDBatchGravaLog destino(std::move(lote));
    const auto entradas = Le(destino.GetPS());
    ASSERT_EQ(entradas.size(), 20u);
    for (std::uint32_t i = 0; i < 20; ++i) {
        EXPECT_EQ(entradas[i].posicao, i);
        EXPECT_EQ(entradas[i].dados, dados);
    }
}

// The connection's GravaLog hands the batch to the server's GravaLog; after the wire the server
// reads the same entries, in order, and its answer comes back unchanged.
TEST(CQDBatchGravaLog, ArrivesWholeAtTheServersGravaLog) {
    server::idl::testing::Connection conexaoFio;
    std::vector<EntradaLida> recebidas;
    conexaoFio.server.On<31>([&](QD_BATCH_GRAVA_LOG_PS lote) {
        recebidas = Le(lote);
        return platform::MakeHResult(0x80043E95);
    });
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(conexaoFio.proxy);

    std::string antes(128, 'a'), depois(128, 'd'), usuarios("\x01\x00\x02\x00", 4), processos("\x05\x00\x00\x00", 4);
    CQDBatchGravaLog lote;
    AdicionaAlteracao(lote, antes, depois, usuarios, processos);
    EXPECT_EQ(conexao.GravaLog(lote), platform::MakeHResult(0x80043E95));
    EXPECT_EQ(recebidas.size(), 2u);
    const auto enviadas = Le(lote.GetPS());
    ASSERT_EQ(recebidas.size(), enviadas.size());
    for (std::size_t i = 0; i < enviadas.size(); ++i) {
        EXPECT_EQ(recebidas[i].operacao, enviadas[i].operacao);
        EXPECT_EQ(recebidas[i].posicao, enviadas[i].posicao);
        EXPECT_EQ(recebidas[i].dados, enviadas[i].dados);
        EXPECT_EQ(recebidas[i].itens, enviadas[i].itens);
    }

    // An empty batch still reaches the server, with no entries.
    recebidas.assign(1, EntradaLida{});
    EXPECT_EQ(conexao.GravaLog(CQDBatchGravaLog{}), platform::MakeHResult(0x80043E95));
    EXPECT_TRUE(recebidas.empty());
}

}  // namespace
