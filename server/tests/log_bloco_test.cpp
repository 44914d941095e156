#include "server/log/qd_log_bloco.h"

#include "server/log/qd_log_layout.h"
#include "server/tests/log_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvo::testing;
using namespace std::string_literals;
using platform::E_INVALIDARG;
using platform::S_OK;

namespace {

constexpr std::uint32_t kAgora = 0x61626364;
constexpr std::uint16_t kUsuario = 0x0102;

std::string Monta(const LogBatch& batch, platform::HRESULT esperado = S_OK) {
    std::vector<std::uint8_t> bloco{1, 2, 3};
    EXPECT_EQ(QDMontaBlocoLog(batch.Get(), kAgora, kUsuario, bloco), esperado);
    return std::string(bloco.begin(), bloco.end());
}

}  // namespace

// Every header field sits at the offset the file format gives, followed by the data and then
// each item's 8-byte header and bytes: a drifting layout makes old logs unreadable.
TEST(QDMontaBlocoLog, FieldsSitAtTheirOffsets) {
    const LogBatch batch({{QD_OP_LOG_DOC_ALTERACAO_PARA, 0x0A0B0C0D, "abc",
                           {{QD_TYPE_LOG_USUARIO, "\x01\x00\x02\x00"s}, {QD_TYPE_LOG_STRING, "xy"}}}});
    const std::string bloco = Monta(batch);
    ASSERT_EQ(bloco.size(), 40u + 3 + 8 + 4 + 8 + 2);
    EXPECT_EQ(U32At(bloco, 0), kAgora);
    EXPECT_EQ(U32At(bloco, 4), 3u);
    EXPECT_EQ(U32At(bloco, 8), 2u);
    EXPECT_EQ(U16At(bloco, 12), QD_OP_LOG_DOC_ALTERACAO_PARA);
    EXPECT_EQ(U16At(bloco, 14), kUsuario);
    EXPECT_EQ(U32At(bloco, 16), 0x0A0B0C0Du);
    EXPECT_EQ(bloco.substr(20, 20), std::string(20, '\0'));
    EXPECT_EQ(bloco.substr(40, 3), "abc");
    EXPECT_EQ(U32At(bloco, 43), static_cast<std::uint32_t>(QD_TYPE_LOG_USUARIO));
    EXPECT_EQ(U32At(bloco, 47), 4u);
    EXPECT_EQ(bloco.substr(51, 4), std::string("\x01\x00\x02\x00", 4));
    EXPECT_EQ(U32At(bloco, 55), static_cast<std::uint32_t>(QD_TYPE_LOG_STRING));
    EXPECT_EQ(U32At(bloco, 59), 2u);
    EXPECT_EQ(bloco.substr(63), "xy");
}

// The time and the user are the server's: a client cannot forge who changed what, or when.
TEST(QDMontaBlocoLog, ClientTimeAndUserAreIgnored) {
    const LogBatch batch({{QD_OP_LOG_DOC_VISUALIZAR_LOCAL, 7, "", {}}, {QD_OP_LOG_DOC_EXCLUSAO, 8, "", {}}},
                         /*tempoCliente=*/12345, /*usuarioCliente=*/999);
    const std::string bloco = Monta(batch);
    ASSERT_EQ(bloco.size(), 80u);
    for (std::size_t entrada : {0u, 40u}) {
        EXPECT_EQ(U32At(bloco, entrada), kAgora);
        EXPECT_EQ(U16At(bloco, entrada + 14), kUsuario);
    }
}

// The operation takes 16 bits in the file: higher bits must not spill into the user field.
TEST(QDMontaBlocoLog, OperationIsCutTo16Bits) {
    const LogBatch batch({{static_cast<QD_E_OPERACAO_LOG>(0x00123456), 1, "", {}}});
    const std::string bloco = Monta(batch);
    ASSERT_EQ(bloco.size(), 40u);
    EXPECT_EQ(U16At(bloco, 12), 0x3456);
    EXPECT_EQ(U16At(bloco, 14), kUsuario);
}

// The sizes of the format's own examples: a mistake in the size sum overflows or pads the block.
TEST(QDMontaBlocoLog, BlockSizeIsHeadersPlusDataPlusItems) {
    const std::string tipo128 = Bytes(128, 1);
    const std::string doisUsuarios("\x05\x00\x06\x00", 4);
    const std::string umProcesso = LittleEndian32(QD_PROCESSO_FT_NF);
    struct Caso {
        const char* nome;
        std::vector<LogEntry> entradas;
        std::size_t bytes;
    };
    const std::vector<Caso> casos = {
        {"no entries", {}, 0},
        {"entry with nothing", {{QD_OP_LOG_TIPDOC_EXCLUSAO, 3, "", {}}}, 40},
        {"type change: before and after",
         {{QD_OP_LOG_TIPDOC_ALTERACAO_DE, 3, tipo128, {{QD_TYPE_LOG_USUARIO, doisUsuarios}, {QD_TYPE_LOG_PROCESSO, umProcesso}}},
          {QD_OP_LOG_TIPDOC_ALTERACAO_PARA, 3, tipo128, {{QD_TYPE_LOG_USUARIO, doisUsuarios}, {QD_TYPE_LOG_PROCESSO, umProcesso}}}},
         2 * (40 + 128 + (8 + 4) + (8 + 4))},
        {"local view", {{QD_OP_LOG_DOC_VISUALIZAR_LOCAL, 9, Bytes(174, 2), {}}}, 40 + 174},
    };
    for (const Caso& caso : casos) {
        const LogBatch batch(caso.entradas);
        EXPECT_EQ(Monta(batch).size(), caso.bytes) << caso.nome;
    }
}

// A batch whose counts have no arrays behind them, or that claims more bytes than any batch can
// hold, is refused before a byte of it is read or allocated.
TEST(QDMontaBlocoLog, BadCountsAreRefused) {
    std::uint8_t byte = 0;
    QD_LOG_PTRS_PS item{};
    item.eType = QD_TYPE_LOG_STRING;
    QD_LOG_PS logs[2] = {};

    struct Caso {
        const char* nome;
        void (*estraga)(QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS*, QD_LOG_PTRS_PS&, std::uint8_t*);
    };
    const Caso casos[] = {
        {"entries without array", [](QD_BATCH_GRAVA_LOG_PS& b, QD_LOG_PS*, QD_LOG_PTRS_PS&, std::uint8_t*) { b.pLogs = nullptr; }},
        {"entry count beyond any batch",
         [](QD_BATCH_GRAVA_LOG_PS& b, QD_LOG_PS*, QD_LOG_PTRS_PS&, std::uint8_t*) { b.qtd = 0xFFFFFFFFu; }},
        {"data without bytes", [](QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS* l, QD_LOG_PTRS_PS&, std::uint8_t*) { l[0].cbLogData = 4; }},
        {"items without array", [](QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS* l, QD_LOG_PTRS_PS&, std::uint8_t*) { l[1].nQtdPtrs = 1; }},
        {"item without bytes",
         [](QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS* l, QD_LOG_PTRS_PS& i, std::uint8_t*) {
             i.cbData = 2;
             l[0].nQtdPtrs = 1;
             l[0].pPtrs = &i;
         }},
        {"data beyond any batch",
         [](QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS* l, QD_LOG_PTRS_PS&, std::uint8_t* p) {
             l[0].cbLogData = static_cast<std::uint32_t>(kQDLogMaxBloco);
             l[0].pLogData = p;
         }},
        {"entries that together exceed a batch",
         [](QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS* l, QD_LOG_PTRS_PS&, std::uint8_t* p) {
             for (int k = 0; k < 2; ++k) {
                 l[k].cbLogData = static_cast<std::uint32_t>(kQDLogMaxBloco / 2);
                 l[k].pLogData = p;
             }
         }},
        {"item count beyond any batch",
         [](QD_BATCH_GRAVA_LOG_PS&, QD_LOG_PS* l, QD_LOG_PTRS_PS& i, std::uint8_t*) {
             l[0].nQtdPtrs = 0xFFFFFFFFu;
             l[0].pPtrs = &i;
         }},
    };
    for (const Caso& caso : casos) {
        logs[0] = logs[1] = QD_LOG_PS{};
        item.cbData = 0;
        item.pData = nullptr;
        QD_BATCH_GRAVA_LOG_PS batch{2, logs};
        caso.estraga(batch, logs, item, &byte);
        std::vector<std::uint8_t> bloco{9};
        EXPECT_EQ(QDMontaBlocoLog(batch, kAgora, kUsuario, bloco), E_INVALIDARG) << caso.nome;
        EXPECT_TRUE(bloco.empty()) << caso.nome;
    }
}
