#include "platform/text/codepage.h"
#include "platform/exception.h"
#include "platform/interaction.h"
#include "platform/registry/registry.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"
#include "util/message/hresult_message.h"
#include "util/message/hresult_translation.h"
#include "util/message/messages.h"
#include "util/message/zt_exception.h"
#include "util/message/zt_exception_ex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

namespace {

class Messages : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_MENSAGENS,
                                        env_.Path("msg").c_str()),
                  0u);
    }

    void WriteMessages(const std::string& content) { kelvo::testing::WriteFile(env_.Path("msg/ZTQDMens.txt"), content); }

    kelvo::testing::TestEnvironment env_;
    kelvo::testing::RecordedBoxes boxes_;
};

TEST_F(Messages, TextStartsAtTheNinthCharacterAndBackslashNBreaksTheLine) {
    WriteMessages("  123   primeira\\nsegunda\r\n");
    EXPECT_EQ(ZTLeMensagem(123, ZT_MODULO_GED), "primeira\nsegunda");
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(Messages, FirstMatchingLineWinsAndOthersAreSkipped) {
    WriteMessages("100     cem\n200     duzentos\n200     repetido\n-5      negativo\nsem numero\n");
    EXPECT_EQ(ZTLeMensagem(200, ZT_MODULO_GED), "duzentos");
    EXPECT_EQ(ZTLeMensagem(-5, ZT_MODULO_GED), "negativo");
    // A line without a number counts as number 0; its text starts at the ninth character too.
    EXPECT_EQ(ZTLeMensagem(0, ZT_MODULO_GED), "ro");
}

TEST_F(Messages, UnknownNumberAndShortLineGiveEmptyText) {
    WriteMessages("300     \n301\n");
    EXPECT_EQ(ZTLeMensagem(999, ZT_MODULO_GED), "");
    EXPECT_EQ(ZTLeMensagem(300, ZT_MODULO_GED), "");
    EXPECT_EQ(ZTLeMensagem(301, ZT_MODULO_GED), "");
}

TEST_F(Messages, OverlongLineIsCutAndItsRestIsNeverReadAsAnotherMessage) {
    // The tail of a line past the read limit would otherwise be taken for a line of its own.
    std::string line = "500     " + std::string(1016, 'x') + "777     escondida";
    WriteMessages(line + "\n777     verdadeira\n");
    const CZTString text = ZTLeMensagem(500, ZT_MODULO_GED);
    EXPECT_EQ(text.GetLength(), 1016);
    EXPECT_EQ(ZTLeMensagem(777, ZT_MODULO_GED), "verdadeira");
}

TEST_F(Messages, MissingFileIsReportedWithThePathTriedAndGivesEmptyText) {
    EXPECT_EQ(ZTLeMensagem(16217, ZT_MODULO_GED), "");
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    const auto& box = boxes_.boxes[0];
    EXPECT_EQ(box.caption, "Erro");
    EXPECT_EQ(box.type & platform::MB_ICONMASK, platform::MB_ICONWARNING);
    EXPECT_FALSE(box.owned);
    const std::string expected = platform::AnsiFromUtf8("Não foi possível abrir o arquivo texto de Mensagens ") +
                                 env_.Path("msg/ZTQDMens.txt") +
                                 platform::AnsiFromUtf8(". Caso o caminho esteja correto, atualize o arquivo.");
    EXPECT_EQ(box.text, expected);
}

TEST_F(Messages, ModuleOutsideTheTableLooksForTheNamelessFile) {
    EXPECT_EQ(ZTNomeArquivoMensagens(0), "ZTMens.txt");
    kelvo::testing::WriteFile(env_.Path("msg/ZTMens.txt"), "42      sem modulo\n");
    EXPECT_EQ(ZTLeMensagem(42, 99), "sem modulo");
}

TEST_F(Messages, ExceptionReportShowsUnknownTextAndTheOsErrorLine) {
    WriteMessages("1       um\n");
    CZTException e(0, ZT_MODULO_GED, 5);
    e.ReportError(platform::MB_OK);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    const auto& box = boxes_.boxes[0];
    EXPECT_EQ(box.caption, "Kelvo GED");
    EXPECT_TRUE(box.owned);
    EXPECT_EQ(box.type & platform::MB_ICONMASK, platform::MB_ICONWARNING);  // a type without icon gets the warning
    EXPECT_EQ(box.text, "Erro desconhecido encontrado. C\xF3" "digo (0)\nErro do SO: 5 - Acesso negado.");
}

TEST_F(Messages, ExceptionKeepsTheCallersIconAndLoadsItsTextOnce) {
    WriteMessages("16217   Pasta ausente.\n");
    CZTException e(16217, ZT_MODULO_GED);
    EXPECT_EQ(e.GetTexto(), "Pasta ausente.");
    WriteMessages("16217   Outro texto.\n");
    e.ReportError(platform::MB_ICONERROR);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].text, "Pasta ausente.");
    EXPECT_EQ(boxes_.boxes[0].type & platform::MB_ICONMASK, platform::MB_ICONERROR);
}

TEST_F(Messages, GetErrorMessageNeverWritesPastTheBuffer) {
    CZTException e("abcdefgh", ZT_MODULO_GED);
    char buffer[5] = {'?', '?', '?', '?', '?'};
    EXPECT_TRUE(e.GetErrorMessage(buffer, 4));
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], '?');
}

TEST_F(Messages, MostraMensagemKeepsTheCallersTypeAndHasNoOwner) {
    WriteMessages("16055   Arquivo sumiu.\n");
    ZTMostraMensagem(16055, ZT_MODULO_GED, 0, platform::MB_YESNO);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    EXPECT_EQ(boxes_.boxes[0].text, "Arquivo sumiu.");
    EXPECT_EQ(boxes_.boxes[0].caption, "Kelvo GED");
    EXPECT_EQ(boxes_.boxes[0].type, platform::MB_YESNO);
    EXPECT_FALSE(boxes_.boxes[0].owned);
}

// What a failed result reads as: a message code by the module's file, anything else by the
// system's text, never an empty text.
TEST_F(Messages, HResultTextIsTheModulesMessageOnlyForAMessageCode) {
    WriteMessages("16055   Arquivo de dados ausente\n");
    const struct {
        platform::HRESULT hr;
        bool mensagem;
        std::string texto;
    } casos[] = {
        {platform::MakeHResult(0x80040000 | 16055), true, "Arquivo de dados ausente"},
        // a number the file lacks still reads as the module's, with the unknown-error text
        {platform::MakeHResult(0x80040000 | 16056), true, "Erro desconhecido encontrado. C\xF3" "digo (16056)"},
        // that facility's platform results have texts of their own and are not looked up
        {platform::REGDB_E_CLASSNOTREG, false, platform::AnsiFromUtf8("Classe não registrada")},
        {platform::E_NOTIMPL, false, platform::AnsiFromUtf8("Não implementado")},
        // a result without any text still gives the box something to say
        {platform::MakeHResult(0x8000ABCD), false, "Erro"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(ZTEhMensagemDoModulo(caso.hr), caso.mensagem) << std::hex << caso.hr;
        EXPECT_EQ(ZTGetTextoHResult(caso.hr, ZT_MODULO_GED), caso.texto) << std::hex << caso.hr;
    }
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST(MessageText, OsErrorWithoutSystemTextAddsNoLine) {
    EXPECT_EQ(ZTMontaTextoErro("t", 1, 99999), "t");
    EXPECT_EQ(ZTMontaTextoErro("", 7, 0), "Erro desconhecido encontrado. C\xF3" "digo (7)");
}

// The HRESULT a caught error becomes, kind by kind.
platform::HRESULT Translate(const std::function<void()>& throwIt) {
    try {
        throwIt();
    } catch (...) {
        return ZTHResultDeExcecao();
    }
    return 0;
}

// Guards each kind's code, and that no caught error ever reads as success: a file exception
// without an OS error, a thrown 0 or positive integer and a success code carried by a COM error
// or error record all become E_FAIL.
TEST(HResultTranslation, EveryKindOfErrorHasItsCodeAndNoneReadsAsSuccess) {
    using platform::E_FAIL;
    using platform::MakeHResult;
    // Pointer-thrown exceptions stay owned by the catcher: here, by this test.
    CZTException withOsError(16055, ZT_MODULO_GED, 32);
    CZTException withoutOsError(16055, ZT_MODULO_GED);
    platform::FileException fileWithoutOsError(platform::FileException::genericException, 0);
    struct Row {
        const char* kind;
        std::function<void()> raise;
        platform::HRESULT expected;
    };
    const Row rows[] = {
        {"COM error", [] { throw platform::ComError(platform::E_INVALIDARG); }, platform::E_INVALIDARG},
        {"COM error with S_OK", [] { throw platform::ComError(platform::S_OK); }, E_FAIL},
        {"COM error with S_FALSE", [] { throw platform::ComError(platform::S_FALSE); }, E_FAIL},
        {"error record", [] { throw CZTExceptionEx(MakeHResult(0x80043F59)); }, MakeHResult(0x80043F59)},
        {"error record with a success code", [] { throw CZTExceptionEx(0x00040688); }, E_FAIL},
        {"error record with 0", [] { throw CZTExceptionEx(0); }, E_FAIL},
        // the OS error, not the message number
        {"ZT exception with OS error", [&] { throw &withOsError; }, MakeHResult(0x80040020)},
        {"ZT exception without OS error", [&] { throw &withoutOsError; }, MakeHResult(0x8004EA61)},
        {"file exception", [] { throw platform::FileException(platform::FileException::fileNotFound, 2); },
         MakeHResult(0x80070002)},
        // only the low 16 bits of the OS error
        {"file exception, wide OS error",
         [] { throw platform::FileException(platform::FileException::genericException, 0x12345); },
         MakeHResult(0x80072345)},
        {"file exception, negative OS error",
         [] { throw platform::FileException(platform::FileException::genericException, -1); }, -1},
        {"file exception without OS error",
         [] { throw platform::FileException(platform::FileException::genericException, 0); }, E_FAIL},
        {"file exception by pointer without OS error", [&] { throw &fileWithoutOsError; }, E_FAIL},
        {"memory exception", [] { throw platform::MemoryException(); }, MakeHResult(0x8004EA62)},
        {"framework exception", [] { throw platform::Exception(); }, MakeHResult(0x8004EA63)},
        {"negative integer", [] { throw std::int32_t{-7}; }, -7},
        {"integer 0", [] { throw std::int32_t{0}; }, E_FAIL},
        {"positive integer", [] { throw std::int32_t{5}; }, E_FAIL},
        {"standard out of memory", [] { throw std::bad_alloc(); }, MakeHResult(0x8004EA64)},
        {"standard exception", [] { throw std::runtime_error("x"); }, MakeHResult(0x8004EA65)},
        {"anything else", [] { throw 'c'; }, MakeHResult(0x8004EA66)},
    };
    for (const Row& row : rows) EXPECT_EQ(Translate(row.raise), row.expected) << row.kind;
}

}  // namespace
