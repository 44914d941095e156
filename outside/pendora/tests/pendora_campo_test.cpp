// The data types of the document fields and the reading and writing of their 60-byte values.
#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "server/idl/records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

QD_E_CAMPO_DOC Campo(int id) { return static_cast<QD_E_CAMPO_DOC>(id); }

// Guards the rows of the table: every free field takes its block's type, and process fields the
// type their names say.
TEST(QDGetCampoDataType, TypesByBlockAndByName) {
    struct Caso { int id; int tipo; int subtipo; };
    const Caso casos[] = {
        {QD_CAMPO_LIVRE_DMA_0, 1, -1},      {QD_CAMPO_LIVRE_DMA_0 + 5, 1, -1},
        {QD_CAMPO_LIVRE_MA_0, 2, -1},       {QD_CAMPO_LIVRE_MA_0 + 5, 2, -1},
        {QD_CAMPO_LIVRE_TEXTO_0, 0, -1},    {QD_CAMPO_LIVRE_TEXTO_0 + 5, 0, -1},
        {QD_CAMPO_LIVRE_V0_0, 4, 1},        {QD_CAMPO_LIVRE_V0_0 + 5, 4, 1},
        {QD_CAMPO_LIVRE_V2_0, 4, 2},        {QD_CAMPO_LIVRE_V2_0 + 5, 4, 2},
        {QD_CAMPO_LIVRE_V4_0, 4, 3},        {QD_CAMPO_LIVRE_V4_0 + 5, 4, 3},
        {QD_CAMPO_LIVRE_V8_0, 3, 8},        {QD_CAMPO_LIVRE_V8_0 + 5, 3, 8},
        {QD_CAMPO_CLIFOR_CODIGO, 4, 0},     {QD_CAMPO_NUM_NF, 4, 4},
        {QD_CAMPO_VALOR_NF, 3, 4},          {QD_CAMPO_FILIAL, 4, 5},
        {QD_CAMPO_FN_DATA_VENCIMENTO, 1, -1}, {QD_CAMPO_FN_HISTORICO, 0, -1},
        {QD_CAMPO_FN_FILIAL, 4, 5},         {QD_CAMPO_FN_NUMERO_CHEQUE, 4, 4},
        {QD_CAMPO_GE_DATA_ENTREGA, 1, -1},  {QD_CAMPO_GE_HORA_ENTREGA, 5, -1},
        {QD_CAMPO_GE_COD_CONTRATO, 4, 0},   {QD_CAMPO_GE_DT_EMISSAO_AT_TEC, 1, -1},
        {QD_CAMPO_FN_CRE_NOSSO_NUMERO, 0, -1}, {QD_CAMPO_FN_CPA_CODIGO_BARRAS, 0, -1},
        {QD_CAMPO_FT_NF_CHAVE_NF, 0, -1},   {QD_CAMPO_FT_PD_VALOR_PEDIDO, 3, 4},
        {QD_CAMPO_Tovren_CODIGO, 4, 0},     {QD_CAMPO_CM_OC_EMISSA, 1, -1},
        {QD_CAMPO_MT_NRO_NOTA, 4, 4},       {QD_CAMPO_MT_DATA_EMI, 1, -1},
        {QD_CAMPO_MT_VALOR_TOTAL, 3, 4},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(QDGetCampoDataType(Campo(c.id)), c.tipo) << c.id;
        EXPECT_EQ(QDGetSpecificDataType(Campo(c.id)), c.subtipo) << c.id;
    }
}

// Guards against a row left out (it would read as an empty row) and against sub-types that the
// search's comparison does not know.
TEST(QDGetCampoDataType, EveryFieldHasAKnownTypeAndSubType) {
    for (int id = 0; id < QD_CAMPO_COUNT; ++id) {
        const int tipo = QDGetCampoDataType(Campo(id));
        const int subtipo = QDGetSpecificDataType(Campo(id));
        switch (tipo) {
        case QD_TIPO_DADO_NUMERICO: EXPECT_TRUE(subtipo >= 0 && subtipo <= 5) << id; break;
        case QD_TIPO_DADO_MOEDA: EXPECT_TRUE(subtipo == QD_CASAS_MOEDA || subtipo == QD_CASAS_V8) << id; break;
        case QD_TIPO_DADO_TEXTO:
        case QD_TIPO_DADO_DATA:
        case QD_TIPO_DADO_MES_ANO:
        case QD_TIPO_DADO_HORA: EXPECT_EQ(subtipo, QD_SUBTIPO_NENHUM) << id; break;
        default: ADD_FAILURE() << "field " << id << " has type " << tipo;
        }
    }
}

// Guards the identifiers outside the enumeration: no type, so the search lets them match.
TEST(QDGetCampoDataType, UnknownFieldsHaveNoType) {
    for (int id : {-1, int{QD_CAMPO_COUNT}, QD_CAMPO_COUNT + 1, 0x7FFFFFFF, -0x7FFFFFFF - 1}) {
        EXPECT_EQ(QDGetCampoDataType(Campo(id)), QD_TIPO_DADO_DESCONHECIDO) << id;
        EXPECT_EQ(QDGetSpecificDataType(Campo(id)), QD_SUBTIPO_NENHUM) << id;
    }
}

// Guards the number layouts: little-endian from the value's first byte, signed where it should be.
TEST(QDCampoValor, ReadsNumbersFromTheirBytes) {
    QD_DOC_CAMPO_PS campo{};
    const std::uint8_t bytes[] = {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x11};
    std::memcpy(campo.BinaryData, bytes, sizeof bytes);
    EXPECT_EQ(QDLeCampoWord(campo.BinaryData), 0xFFFEu);
    EXPECT_EQ(QDLeCampoDWord(campo.BinaryData), 0xFFFFFFFEu);
    EXPECT_EQ(QDLeCampoLong(campo.BinaryData), -2);
    EXPECT_EQ(QDLeCampoMoeda(campo.BinaryData).int64, 0x7FFFFFFFFFFFFFFELL);
    const std::uint8_t menosUm[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::memcpy(campo.BinaryData, menosUm, sizeof menosUm);
    EXPECT_EQ(QDLeCampoMoeda(campo.BinaryData).int64, -1);
}

// Guards the writers: the bytes they leave, and a whole value cleared so that equal values are
// equal bytes.
TEST(QDCampoValor, WritesNumbersAndClearsTheRest) {
    QD_VALOR_CAMPO valor;
    std::memset(valor, 0xAA, sizeof valor);
    QDSetCampoWord(valor, 0x1234);
    EXPECT_EQ(valor[0], 0x34);
    EXPECT_EQ(valor[1], 0x12);
    for (int i = 2; i < QD_TAM_VALOR_CAMPO; ++i) ASSERT_EQ(valor[i], 0) << i;

    QDSetCampoLong(valor, -2);
    const std::uint8_t longo[] = {0xFE, 0xFF, 0xFF, 0xFF, 0x00};
    EXPECT_EQ(std::memcmp(valor, longo, sizeof longo), 0);
    QDSetCampoDWord(valor, 0x89ABCDEFu);
    const std::uint8_t dword[] = {0xEF, 0xCD, 0xAB, 0x89, 0x00};
    EXPECT_EQ(std::memcmp(valor, dword, sizeof dword), 0);
    QDSetCampoMoeda(valor, CyFromRaw(-15000));
    EXPECT_EQ(QDLeCampoMoeda(valor).int64, -15000);
    EXPECT_EQ(valor[7], 0xFF);
    EXPECT_EQ(valor[8], 0x00);
}

// Guards the text bound: a value without a NUL is read as its 60 bytes and not one past them.
TEST(QDCampoValor, ReadsTextUpToItsBound) {
    QD_DOC_CAMPO_PS campo{};
    campo.id = QD_CAMPO_FN_HISTORICO;  // the bytes right after the value are not 0
    std::memset(campo.BinaryData, 'z', sizeof campo.BinaryData);
    EXPECT_EQ(QDLeCampoTexto(campo.BinaryData), std::string(60, 'z'));

    EXPECT_TRUE(QDSetCampoTexto(campo.BinaryData, "Pagamento"));
    EXPECT_EQ(QDLeCampoTexto(campo.BinaryData), "Pagamento");
    for (int i = 9; i < QD_TAM_VALOR_CAMPO; ++i) ASSERT_EQ(campo.BinaryData[i], 0) << i;
    EXPECT_TRUE(QDSetCampoTexto(campo.BinaryData, ""));
    EXPECT_EQ(QDLeCampoTexto(campo.BinaryData), "");
    EXPECT_TRUE(QDSetCampoTexto(campo.BinaryData, std::string(60, 'y')));
    EXPECT_EQ(QDLeCampoTexto(campo.BinaryData), std::string(60, 'y'));
    // A longer text is cut to the value and says so.
    EXPECT_FALSE(QDSetCampoTexto(campo.BinaryData, std::string(61, 'w')));
    EXPECT_EQ(QDLeCampoTexto(campo.BinaryData), std::string(60, 'w'));
    EXPECT_EQ(campo.id, QD_CAMPO_FN_HISTORICO);
}

}  // namespace
