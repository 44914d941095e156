// The client-library texts the reports print: a field value by its data type, the record kind
// and service of a log operation, and the report's option bits.
#include "outside/conexo/conexo_dados.h"
#include "outside/pendora/qd_binary_to_string.h"
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_rel_flags.h"
#include "outside/pendora/qd_tipo_log.h"
#include "platform/tests/support/test_environment.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

using namespace kelvo::testing;

namespace {

struct CasoValor {
    QD_E_CAMPO_DOC id;
    std::function<void(QD_VALOR_CAMPO&)> grava;
    std::string esperado;
};

// Each data type and sub-type prints its own way: decimals and thousands where the value counts
// parts of a unit, dates and times in their text forms, nothing for an unknown field.
TEST(QDBinaryDataToString, EachDataTypeHasItsText) {
    const CasoValor casos[] = {
        {QD_CAMPO_LIVRE_TEXTO_0, [](QD_VALOR_CAMPO& v) { (void)QDSetCampoTexto(v, "Padaria\x01" "Central"); }, "Padaria Central"},
        {QD_CAMPO_LIVRE_DMA_0, [](QD_VALOR_CAMPO& v) { QDSetCampoWord(v, ZTMontaData(3, 4, 2025)); }, "03/04/2025"},
        {QD_CAMPO_LIVRE_DMA_0, [](QD_VALOR_CAMPO&) {}, ""},
        {QD_CAMPO_LIVRE_MA_0, [](QD_VALOR_CAMPO& v) { QDSetCampoWord(v, ZTMontaMesAno(4, 2025)); }, "04/2025"},
        {QD_CAMPO_LIVRE_V0_0, [](QD_VALOR_CAMPO& v) { QDSetCampoLong(v, 1234567); }, "1.234.567"},
        {QD_CAMPO_LIVRE_V2_0, [](QD_VALOR_CAMPO& v) { QDSetCampoLong(v, -123456); }, "-1.234,56"},
        {QD_CAMPO_LIVRE_V2_0, [](QD_VALOR_CAMPO& v) { QDSetCampoLong(v, INT_MIN); }, "-21.474.836,48"},
        {QD_CAMPO_LIVRE_V4_0, [](QD_VALOR_CAMPO& v) { QDSetCampoLong(v, 5); }, "0,0005"},
        {QD_CAMPO_LIVRE_V8_0, [](QD_VALOR_CAMPO& v) { QDSetCampoMoeda(v, CyFromRaw(150000000)); }, "1,50000000"},
        {QD_CAMPO_VALOR_NF, [](QD_VALOR_CAMPO& v) { QDSetCampoMoeda(v, CyFromRaw(12345678)); }, "1.234,57"},
        {QD_CAMPO_CLIFOR_CODIGO, [](QD_VALOR_CAMPO& v) { QDSetCampoDWord(v, 4000000000u); }, "4000000000"},
        {QD_CAMPO_GE_HORA_ENTREGA, [](QD_VALOR_CAMPO& v) { QDSetCampoWord(v, 615); }, "10:15"},
        {static_cast<QD_E_CAMPO_DOC>(999), [](QD_VALOR_CAMPO& v) { (void)QDSetCampoTexto(v, "x"); }, ""},
    };
    CQDContextoBinaryToString contexto;
    for (const CasoValor& caso : casos) {
        QD_VALOR_CAMPO valor{};
        caso.grava(valor);
        EXPECT_EQ(QDBinaryDataToString(valor, caso.id, contexto).str(), caso.esperado) << caso.id;
    }
}

// A branch shows its name when the company has one for it, else its number alone.
TEST(QDBinaryDataToString, BranchShowsItsNameWhenItHasOne) {
    TestEnvironment ambiente;
    ASSERT_EQ(ConexoGravaFilial("EMPREL", 3, "Centro"), platform::S_OK);
    CQDContextoBinaryToString contexto;
    ASSERT_EQ(contexto.Inicializa("EMPREL", 1, 1), platform::S_OK);
    QD_VALOR_CAMPO valor{};
    QDSetCampoWord(valor, 3);
    EXPECT_EQ(QDBinaryDataToString(valor, QD_CAMPO_FILIAL, contexto).str(), "3 - Centro");
    QDSetCampoWord(valor, 4);
    EXPECT_EQ(QDBinaryDataToString(valor, QD_CAMPO_FILIAL, contexto).str(), "4");
}

// Every operation belongs to the record kind whose option bit selects it, and only known
// operations have texts.
TEST(QDGetTypeFromLog, OperationsMapToTheirRecordKinds) {
    const QD_E_TIPO_REGISTRO_LOG esperados[] = {
        QD_TIPO_REGISTRO_LOG_TIPDOC,       QD_TIPO_REGISTRO_LOG_TIPDOC,       QD_TIPO_REGISTRO_LOG_TIPDOC,
        QD_TIPO_REGISTRO_LOG_TIPDOC,       QD_TIPO_REGISTRO_LOG_DOC,          QD_TIPO_REGISTRO_LOG_DOC,
        QD_TIPO_REGISTRO_LOG_DOC,          QD_TIPO_REGISTRO_LOG_DOC,          QD_TIPO_REGISTRO_LOG_VISUALIZACAO,
        QD_TIPO_REGISTRO_LOG_VISUALIZACAO, QD_TIPO_REGISTRO_LOG_LOCARQ,       QD_TIPO_REGISTRO_LOG_LOCARQ,
        QD_TIPO_REGISTRO_LOG_LOCARQ,       QD_TIPO_REGISTRO_LOG_PROPRIEDADES, QD_TIPO_REGISTRO_LOG_PROPRIEDADES,
    };
    for (int op = 0; op < 15; ++op) {
        const auto eOp = static_cast<QD_E_OPERACAO_LOG>(op);
        EXPECT_EQ(QDGetTypeFromLog(eOp), esperados[op]) << op;
        EXPECT_STRNE(QDGetTipoRegistroFromLog(eOp), "") << op;
        EXPECT_STRNE(QDGetTipoServicoFromLog(eOp), "") << op;
    }
    // The before and after entries of one change are told apart.
    EXPECT_STRNE(QDGetTipoServicoFromLog(QD_OP_LOG_DOC_ALTERACAO_DE), QDGetTipoServicoFromLog(QD_OP_LOG_DOC_ALTERACAO_PARA));
    for (int op : {-1, 15, 1000}) {
        const auto eOp = static_cast<QD_E_OPERACAO_LOG>(op);
        EXPECT_EQ(QDGetTypeFromLog(eOp), QD_TIPO_REGISTRO_LOG_DESCONHECIDO) << op;
        EXPECT_STREQ(QDGetTipoRegistroFromLog(eOp), "") << op;
        EXPECT_STREQ(QDGetTipoServicoFromLog(eOp), "") << op;
    }
}

// Bits are read and changed one at a time; a bit number outside 0..31 reads clear and changes
// nothing (no shift past the word).
TEST(CQDRelFlags, BitsByNumber) {
    CQDRelFlags flags;
    flags.ChangeState(0, true);
    flags.ChangeState(9, true);
    flags.ChangeState(31, true);
    EXPECT_EQ(flags.GetFlags().dwFlags, 0x80000201u);
    EXPECT_TRUE(flags.GetState(9));
    EXPECT_FALSE(flags.GetState(8));
    flags.ChangeState(9, false);
    flags.ChangeState(32, true);
    flags.ChangeState(-1, true);
    EXPECT_EQ(flags.GetFlags().dwFlags, 0x80000001u);
    EXPECT_FALSE(flags.GetState(32));
    EXPECT_FALSE(flags.GetState(-1));
}

}  // namespace
