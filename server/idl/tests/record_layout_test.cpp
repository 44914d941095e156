// The wire form of every interface record against the byte layout the clients were built with:
// each field is written in memory and looked for at its offset in the encoded bytes.
#include "server/idl/records.h"
#include "server/idl/guids.h"
#include "server/idl/tests/support/all_records.h"
#include "server/idl/tests/support/record_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace server::idl {
namespace {

using namespace platform::idl;  // the marshalling that these tests exercise

using testing::AllocateArray;
using testing::AllRecords;
using testing::Encode;

struct FieldRow {
    std::string name;
    std::size_t offset;
    std::size_t size;
};

struct RecordLayout {
    std::size_t size;
    std::vector<FieldRow> fields;
};

// The layouts as the interface's contract gives them (offset, size in bytes).
const std::map<std::string, RecordLayout>& Layouts() {
    static const std::map<std::string, RecordLayout> layouts{
        {"QD_INICIALIZA_PS", {32, {{"szEmpresa", 0, 24}, {"lNumeroSessao", 24, 4}, {"iUsuario", 28, 2}}}},
        {"QD_PROPRIEDADES_PS",
         {56,
          {{"iProxNumeroDoc", 0, 4}, {"iCodigoCliente", 4, 4}, {"iPorta", 8, 2}, {"iVersaoSistema", 10, 2},
           {"bBaseControlada", 12, 1}, {"bAcessoTotalSupervisor", 13, 1}, {"bExcluiDocumentoRegistrado", 14, 1},
           {"bUsaEncriptacao", 15, 1}, {"bFlags", 16, 1}, {"bEnviarEmail", 17, 1}, {"timeControle", 20, 4},
           {"bsDominio", 24, 4}, {"bsModeloEmail", 28, 4}, {"bsEmailPara", 32, 4}, {"bsEmailCC", 36, 4},
           {"bPermitirPreVisualizacao", 40, 1}, {"bManterTelaRelatorioAtiva", 41, 1}, {"bFiller", 42, 12}}}},
        {"QD_LOCARQ_PS",
         {132,
          {{"dwFlags", 0, 4}, {"nQtdTipDocs", 4, 4}, {"pPtrsTipDocs", 8, 4}, {"nQtdMaximaDocs", 12, 4},
           {"nQtdDisponivel", 16, 4}, {"szCodigo", 20, 40}, {"szDescricao", 60, 66}, {"cFiller", 126, 4}}}},
        {"QD_LOCARQ_FILTRO_PS",
         {60, {{"dwFlags", 0, 4}, {"lTipDoc", 4, 4}, {"lPosGrupo", 8, 4}, {"szCodigo", 12, 40}, {"cFiller", 52, 6}}}},
        {"QD_ARRAY_PONTEIROS_PS", {8, {{"qtd", 0, 4}, {"pPtrs", 4, 4}}}},
        {"QD_LOCARQ_MSC_PS", {64, {{"lPosicao", 0, 4}, {"szCodigo", 4, 40}, {"filler", 44, 20}}}},
        {"QD_TIPDOC_PS",
         {96,
          {{"dwFlags", 0, 4}, {"nQtdUsuarios", 4, 4}, {"pUsuarios", 8, 4}, {"nQtdProcessos", 12, 4},
           {"pProcessos", 16, 4}, {"nQtdCampos", 20, 4}, {"pCampos", 24, 4}, {"szCodigo", 28, 9}, {"szNome", 37, 51},
           {"eValidade", 88, 4}, {"iValorValidade", 92, 1}, {"iDiasEnviarEmail", 93, 1}}}},
        {"QD_TIPDOC_CAMPO_PS", {60, {{"dwFlags", 0, 4}, {"id", 4, 4}, {"szNome", 8, 51}}}},
        {"QD_TIPDOC_FILTRO_PS", {20, {{"dwFlags", 0, 4}, {"eProc", 4, 4}, {"szCodigo", 8, 9}}}},
        {"QD_DOC_PS",
         {272,
          {{"dwFlags", 0, 4},          {"lTipDoc", 4, 4},          {"lLocArq", 8, 4},
           {"lNextDoc", 12, 4},        {"lPrevDoc", 16, 4},        {"iNrLocalizacao", 20, 4},
           {"iVersao", 24, 4},         {"iFiller", 28, 4},         {"dataInclusao", 32, 4},
           {"dataModificacao", 36, 4}, {"nQtdUsuarios", 40, 4},    {"pUsuarios", 44, 4},
           {"nQtdCampos", 48, 4},      {"pCampos", 52, 4},         {"nQtdVinculos", 56, 4},
           {"pVinculos", 60, 4},       {"cbArquivo", 64, 4},       {"pArquivo", 68, 4},
           {"bsDescricao", 72, 4},     {"bsFiller", 76, 4},        {"iDataEmissao", 80, 2},
           {"iDataValidade", 82, 2},   {"iFilial", 84, 2},         {"iFiller2", 86, 2},
           {"szOriginalFileName", 88, 174}, {"szFiller", 262, 2},  {"iUsuarioIncluiu", 264, 2},
           {"iUsuarioAlterou", 266, 2}, {"iFiller3", 268, 4}}}},
        {"QD_DOC_CAMPO_PS", {64, {{"BinaryData", 0, 60}, {"id", 60, 4}}}},
        {"QD_ORIGEM_VINCULO_DOC_PS", {8, {{"eProc", 0, 4}, {"lChave", 4, 4}}}},
        {"QD_DOC_FILTRO_PS",
         {256,
          {{"dwFlags", 0, 4},           {"lPosDocIni", 4, 4},          {"lPosDocFim", 8, 4},
           {"nQtdTipDoc", 12, 4},       {"pTipDoc", 16, 4},            {"nQtdDoc", 20, 4},
           {"pDoc", 24, 4},             {"lLocArq", 28, 4},            {"iNrLocalizacaoIni", 32, 4},
           {"iNrLocalizacaoFim", 36, 4}, {"dataInclusaoIni", 40, 4},   {"dataInclusaoFim", 44, 4},
           {"dataModificacaoIni", 48, 4}, {"dataModificacaoFim", 52, 4}, {"nQtdCampos", 56, 4},
           {"pCampos", 60, 4},          {"bsDescricao", 64, 4},        {"iDataEmissaoIni", 68, 2},
           {"iDataEmissaoFim", 70, 2},  {"iDataValidadeIni", 72, 2},   {"iDataValidadeFim", 74, 2},
           {"iUsuarioIncluiu", 76, 2},  {"iUsuarioAlterou", 78, 2},    {"szOriginalFileName", 80, 174}}}},
        {"tagSIZE", {8, {{"cx", 0, 4}, {"cy", 4, 4}}}},
        {"QD_ARRAY_DOC_THUMBNAIL_PS", {8, {{"qtd", 0, 4}, {"pThumbnails", 4, 4}}}},
        {"QD_DOC_THUMBNAIL_PS", {8, {{"cbThumbnail", 0, 4}, {"pThumbnail", 4, 4}}}},
        {"QD_VINCULO_DOC_PS", {12, {{"origem", 0, 8}, {"lPosDoc", 8, 4}}}},
        {"REG_ZTDMC", {8, {{"lZTDMC", 0, 8}}}},
        {"QD_RELATORIO_PS",
         {52,
          {{"bsModelo", 0, 4}, {"bsArquivo", 4, 4}, {"bsRazaoSocial", 8, 4}, {"bsComponente", 12, 4},
           {"lPonteiro1", 16, 4}, {"lPonteiro2", 20, 4}, {"lFiller", 24, 4}, {"lLong1", 28, 4}, {"iShort1", 32, 2},
           {"iShort2", 34, 2}, {"iShort3", 36, 2}, {"iShort4", 38, 2}, {"iFiller", 40, 2}, {"flags", 44, 4},
           {"cRelatorio", 48, 4}}}},
        {"QD_RELATORIO_FLAGS", {4, {{"dwFlags", 0, 4}}}},
        {"QD_BATCH_GRAVA_LOG_PS", {8, {{"qtd", 0, 4}, {"pLogs", 4, 4}}}},
        {"QD_LOG_PS",
         {32,
          {{"eOperacao", 0, 4}, {"lPosicao", 4, 4}, {"iUsuario", 8, 2}, {"dataGravacaoLog", 12, 4},
           {"cbLogData", 16, 4}, {"pLogData", 20, 4}, {"nQtdPtrs", 24, 4}, {"pPtrs", 28, 4}}}},
        {"QD_LOG_PTRS_PS", {16, {{"eType", 0, 4}, {"cbData", 4, 4}, {"pData", 8, 4}, {"cFiller", 12, 4}}}},
    };
    return layouts;
}

// Sets the named field of `value` to a recognisable value and returns the bytes it must have on
// the wire (a pointer as its present slot, 1). Empty when the record has no such field.
template <class T>
std::vector<std::uint8_t> Poke(T& value, const std::string& name) {
    std::vector<std::uint8_t> expected;
    auto pattern = [&expected](void* data, std::size_t size) {
        expected.resize(size);
        for (std::size_t i = 0; i < size; ++i) expected[i] = static_cast<std::uint8_t>(0x41 + i % 26);
        std::memcpy(data, expected.data(), size);
    };
    RecordTraits<T>::ForEachField([&](auto field) {
        using Field = decltype(field);
        if constexpr (requires { field.name; }) {
            if (name != field.name) return;
            auto& member = value.*Field::kMemory;
            if constexpr (std::is_same_v<typename Field::FieldKind, Str>) {
                member = platform::SysAllocString(u"Z");
                expected = {1, 0, 0, 0};
            } else {
                pattern(&member, sizeof member);
            }
        } else {
            if (name == field.countName) {
                value.*Field::kMemoryCount = 0x04030201;
                expected = {1, 2, 3, 4};
            } else if (name == field.arrayName) {
                value.*Field::kMemoryArray = AllocateArray<typename Field::ElementType>(0);
                expected = {1, 0, 0, 0};
            }
        }
    });
    return expected;
}

template <class T>
std::size_t FieldRows() {
    std::size_t rows = 0;
    RecordTraits<T>::ForEachField([&rows](auto field) { rows += requires { field.name; } ? 1 : 2; });
    return rows;
}

template <class T>
void CheckLayout() {
    const std::string record = RecordTraits<T>::kName;
    SCOPED_TRACE(record);
    const auto found = Layouts().find(record);
    ASSERT_NE(found, Layouts().end()) << "no layout for " << record;
    const RecordLayout& layout = found->second;

    T zero{};
    EXPECT_EQ(Encode(zero).size(), layout.size);
    EXPECT_EQ(FieldRows<T>(), layout.fields.size()) << "fields of the record and of its layout differ";

    for (const FieldRow& row : layout.fields) {
        SCOPED_TRACE(row.name);
        T value{};
        const std::vector<std::uint8_t> expected = Poke(value, row.name);
        ASSERT_EQ(expected.size(), row.size) << "no such field, or a field of another size";
        const platform::com::Bytes bytes = Encode(value);
        Codec<T>::Free(value);
        ASSERT_GE(bytes.size(), layout.size);
        for (std::size_t i = 0; i < layout.size; ++i) {
            const bool inside = i >= row.offset && i < row.offset + row.size;
            const auto byte = std::to_integer<std::uint8_t>(bytes[i]);
            EXPECT_EQ(byte, inside ? expected[i - row.offset] : 0) << "byte " << i;
        }
    }
}

// Guards every field's offset and size on the wire, and that no field spills into another.
TEST(IdlRecordLayout, EveryFieldSitsAtItsOffset) {
    testing::ForEachRecord([](auto record) { CheckLayout<decltype(record)>(); });
    EXPECT_EQ(std::tuple_size_v<AllRecords>, Layouts().size());
}

// Guards the alignment that lets records be copied byte for byte from and to record files.
TEST(IdlRecordLayout, PlainRecordsKeepTheirPacking) {
    EXPECT_EQ(alignof(REG_ZTDMC), 2u);
    EXPECT_EQ(sizeof(REG_ZTDMC), 8u);
    EXPECT_EQ(alignof(QD_INICIALIZA_PS), 4u);
    EXPECT_EQ(sizeof(QD_DOC_CAMPO_PS), 64u);
    EXPECT_EQ(sizeof(QD_TIPDOC_CAMPO_PS), 60u);
    EXPECT_EQ(sizeof(QD_LOCARQ_MSC_PS), 64u);
    EXPECT_EQ(sizeof(platform::idl::wire::QD_DOC_PS), 272u);
    EXPECT_EQ(sizeof(platform::idl::wire::QD_DOC_FILTRO_PS), 256u);
}

// Guards a known value of a multi-byte field at its place (little-endian).
TEST(IdlRecordLayout, NumbersAreLittleEndianAtTheirOffsets) {
    QD_DOC_PS doc{};
    doc.iUsuarioAlterou = 0xBEEF;
    doc.iVersao = 0x11223344;
    std::strcpy(doc.szOriginalFileName, "a.pdf");
    const platform::com::Bytes bytes = Encode(doc);
    EXPECT_EQ(std::to_integer<int>(bytes[266]), 0xEF);
    EXPECT_EQ(std::to_integer<int>(bytes[267]), 0xBE);
    EXPECT_EQ(std::to_integer<int>(bytes[24]), 0x44);
    EXPECT_EQ(std::to_integer<int>(bytes[27]), 0x11);
    EXPECT_EQ(std::memcmp(bytes.data() + 88, "a.pdf", 6), 0);
}

struct EnumRow {
    const char* name;
    std::int32_t value;
    std::int32_t expected;
};

// Guards the numbering of the enumerations, which travel as numbers and are stored in files.
TEST(IdlEnumerations, MembersHaveTheirNumbers) {
    const EnumRow rows[] = {
        {"QD_PROCESSO_CN_LAN", QD_PROCESSO_CN_LAN, 0},
        {"QD_PROCESSO_DF_ZTREL", QD_PROCESSO_DF_ZTREL, 4},
        {"QD_PROCESSO_GE_CONTRATOS", QD_PROCESSO_GE_CONTRATOS, 15},
        {"QD_PROCESSO_Tovren", QD_PROCESSO_Tovren, 22},
        {"QD_PROCESSO_PP_PLANO_MANUT", QD_PROCESSO_PP_PLANO_MANUT, 32},
        {"QD_PROCESSO_MT_ENT", QD_PROCESSO_MT_ENT, 39},
        {"QD_PROCESSO_CQ_ART", QD_PROCESSO_CQ_ART, 51},
        {"QD_PROCESSO_COUNT", QD_PROCESSO_COUNT, 52},
        {"QD_CAMPO_LIVRE_DMA_0", QD_CAMPO_LIVRE_DMA_0, 0},
        {"QD_CAMPO_LIVRE_MA_0", QD_CAMPO_LIVRE_MA_0, 6},
        {"QD_CAMPO_LIVRE_TEXTO_0", QD_CAMPO_LIVRE_TEXTO_0, 12},
        {"QD_CAMPO_LIVRE_V0_0", QD_CAMPO_LIVRE_V0_0, 18},
        {"QD_CAMPO_LIVRE_V2_0", QD_CAMPO_LIVRE_V2_0, 24},
        {"QD_CAMPO_LIVRE_V4_0", QD_CAMPO_LIVRE_V4_0, 30},
        {"QD_CAMPO_LIVRE_V8_0", QD_CAMPO_LIVRE_V8_0, 36},
        {"QD_CAMPO_CLIFOR_CODIGO", QD_CAMPO_CLIFOR_CODIGO, 42},
        {"QD_CAMPO_FN_NUM_RECIBO", QD_CAMPO_FN_NUM_RECIBO, 61},
        {"QD_CAMPO_GE_DESTINATARIO", QD_CAMPO_GE_DESTINATARIO, 69},
        {"QD_CAMPO_FN_CRE_NOSSO_NUMERO", QD_CAMPO_FN_CRE_NOSSO_NUMERO, 90},
        {"QD_CAMPO_Tovren_CHAVE", QD_CAMPO_Tovren_CHAVE, 108},
        {"QD_CAMPO_MT_VALOR_TOTAL", QD_CAMPO_MT_VALOR_TOTAL, 123},
        {"QD_CAMPO_COUNT", QD_CAMPO_COUNT, 124},
        {"QD_TIPDOC_VALIDADE_ANO", QD_TIPDOC_VALIDADE_ANO, 2},
        {"QD_TIPO_REL_LOC_ARQ", QD_TIPO_REL_LOC_ARQ, 3},
        {"QD_OP_LOG_DOC_VISUALIZAR_WEB", QD_OP_LOG_DOC_VISUALIZAR_WEB, 8},
        {"QD_OP_LOG_PROP_ALTERACAO_PARA", QD_OP_LOG_PROP_ALTERACAO_PARA, 14},
        {"QD_TYPE_LOG_TIPDOC", QD_TYPE_LOG_TIPDOC, 4},
    };
    for (const EnumRow& row : rows) EXPECT_EQ(row.value, row.expected) << row.name;
}

// Guards the identities that registration writes and activation looks up.
TEST(IdlIdentities, GuidsHaveTheirTextForms) {
    EXPECT_EQ(platform::GuidToString(LIBID_VaultisLib), "{7E98B312-885F-4C2A-9E67-159841CE8D14}");
    EXPECT_EQ(platform::GuidToString(CLSID_ZTQD_Srv), "{EFEE6FDD-1BB8-4C15-8351-5410FE3EBCAC}");
    EXPECT_EQ(platform::GuidToString(IID_IZTQD_Srv), "{B389C93A-D5D6-4958-9619-164FA7F75510}");
    EXPECT_NE(IID_IQDArqBind, IID_IZTUserProfileInfo);
}

}  // namespace
}  // namespace server::idl
