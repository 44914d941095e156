// ZTTrataErro2 and ZTMensagem: one box each, with the caption, the style and the texts the
// callers hand in or the message files hold.
#include "outside/mensor/zt_mensor.h"

#include "platform/text/codepage.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class Mensor : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_MENSAGENS,
                                        ambiente_.Path("msg").c_str()),
                  0u);
        kelvo::testing::WriteFile(ambiente_.Path("msg/ZTQDMens.txt"), "16055   Arquivo de dados ausente\r\n");
        kelvo::testing::WriteFile(ambiente_.Path("msg/ZTDFMens.txt"), "7       Informe o nome.\r\n");
    }

    // The one box shown so far.
    const kelvo::testing::RecordedBox& UnicaCaixa() {
        EXPECT_EQ(caixas_.boxes.size(), 1u);
        if (caixas_.boxes.empty()) caixas_.boxes.emplace_back();
        return caixas_.boxes.front();
    }

    kelvo::testing::TestEnvironment ambiente_;
    kelvo::testing::RecordedBoxes caixas_;
};

// The report is one warning box, owned by the main window, that names every value handed in.
TEST_F(Mensor, ErrorReportShowsOneWarningBoxWithEveryValue) {
    EXPECT_TRUE(ZTTrataErro2(platform::E_NOTIMPL, 12, -1801, "0001", "DossarDoc.cpp", 792, "Mar  4 2026 10:11:12"));
    const auto& caixa = UnicaCaixa();
    EXPECT_EQ(caixa.caption, "Kelvo GED");
    EXPECT_EQ(caixa.type, platform::MB_OK | platform::MB_ICONWARNING);
    EXPECT_TRUE(caixa.owned);
    EXPECT_EQ(caixa.text, platform::AnsiFromUtf8("Não implementado\n\n"
                                                 "Código: 0x80004001\n"
                                                 "Subcódigo: 12\n"
                                                 "Complemento: -1801\n"
                                                 "Empresa: 0001\n"
                                                 "Arquivo: DossarDoc.cpp\n"
                                                 "Linha: 792\n"
                                                 "Compilação: Mar  4 2026 10:11:12"));
}

// A message code reads as the module's message, not as the system's text of the code; a
// result of that facility with a text of its own keeps that text.
TEST_F(Mensor, ErrorReportTextFollowsTheKindOfCode) {
    const struct {
        platform::HRESULT codigo;
        std::string primeiraLinha;
    } casos[] = {
        {platform::MakeHResult(0x80040000 | 16055), "Arquivo de dados ausente"},
        {platform::REGDB_E_CLASSNOTREG, platform::AnsiFromUtf8("Classe não registrada")},
        {platform::MakeHResult(0x80070002), platform::AnsiFromUtf8("O sistema não pode encontrar o arquivo especificado.")},
    };
    for (const auto& caso : casos) {
        caixas_.boxes.clear();
        EXPECT_TRUE(ZTTrataErro2(caso.codigo, 0, 0, "", "ZTKelvoDocument.cpp", 1, ""));
        const std::string texto = UnicaCaixa().text;
        EXPECT_EQ(texto.substr(0, texto.find('\n')), caso.primeiraLinha) << std::hex << caso.codigo;
    }
}

// No company selected, no file, no stamp: the report still shows, with the empty values.
TEST_F(Mensor, ErrorReportToleratesMissingTexts) {
    EXPECT_TRUE(ZTTrataErro2(platform::E_FAIL, 0, 0, nullptr, nullptr, 0, nullptr));
    EXPECT_NE(UnicaCaixa().text.find("\nEmpresa: \nArquivo: \nLinha: 0\n"), std::string::npos);
}

// A validation message comes from the system code's own file, under that system's name.
TEST_F(Mensor, MessageComesFromTheSystemsFile) {
    EXPECT_EQ(ZTMensagem(7, "DF"), platform::IDOK);
    const auto& caixa = UnicaCaixa();
    EXPECT_EQ(caixa.text, "Informe o nome.");
    EXPECT_EQ(caixa.caption, "Kelvo Empresarial");
    EXPECT_EQ(caixa.type, platform::MB_OK | platform::MB_ICONWARNING);
}

}  // namespace
