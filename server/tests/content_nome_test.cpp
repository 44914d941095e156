#include "server/content/qd_nome_conteudo.h"

#include "platform/text/codepage.h"
#include "util/file/zt_path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NomeCaso {
    std::uint32_t posicao;
    std::string original;
    const char* esperado;
};

TEST(QDNomeArquivoConteudo, PositionInBase36AndTheOriginalExtension) {
    const NomeCaso casos[] = {
        {1, "nota.pdf", "0000001.pdf"},
        {46656, "c:\\x\\scan.TIF", "0001000.TIF"},
        {35, "a.txt", "000000z.txt"},
        {36, "a.txt", "0000010.txt"},
        {1295, "a.b.c", "00000zz.c"},
        {0, "x.doc", "0000000.doc"},
        // The largest position still fits the seven places.
        {0xFFFFFFFFu, "x.doc", "1z141z3.doc"},
        // No extension: the dot stays.
        {1, "semextensao", "0000001."},
    };
    for (const NomeCaso& caso : casos) {
        EXPECT_EQ(QDNomeArquivoConteudo(caso.posicao, caso.original), caso.esperado) << caso.original;
    }
}

struct ExtensaoCaso {
    const char* nome;
    std::string original;
    std::string esperada;
};

TEST(QDExtensaoConteudo, TakenAfterTheLastDotOnlyWhenItIsAPlainName) {
    const ExtensaoCaso casos[] = {
        {"plain", "nota.pdf", "pdf"},
        {"last dot wins", "a.tar.gz", "gz"},
        {"empty after dot", "arquivo.", ""},
        {"no dot", "arquivo", ""},
        {"empty name", "", ""},
        {"backslash after the dot", "c:\\pasta.d\\arquivo", ""},
        {"slash after the dot", "/home/a.d/arquivo", ""},
        {"Windows-1252 letters stay", platform::AnsiFromUtf8("a.ção"), platform::AnsiFromUtf8("ção")},
        // A NUL would cut the name the kernel sees; control characters make unprintable names.
        {"NUL", std::string("a.p\0df", 6), ""},
        {"control", "a.p\x01", ""},
        {"line break", "a.txt\n", ""},
        {"DEL", "a.\x7F", ""},
        {"undefined Windows-1252 byte", "a.\x81x", ""},
    };
    for (const ExtensaoCaso& caso : casos) {
        EXPECT_EQ(QDExtensaoConteudo(caso.original).str(), caso.esperada) << caso.nome;
    }
}

// Guards against an original name that steers the content file out of "Docs".
TEST(QDCaminhoConteudo, NeverLeavesTheContentFolder) {
    const std::string hostis[] = {
        "x.\\..\\..\\evil", "x./../../etc/passwd", "../../evil", "a.b/../../c", "..", "a..", ".",
        std::string("a.\0/../x", 8), "a./", "a.\\", "/etc/passwd", "a.b/",
    };
    for (const std::string& original : hostis) {
        const CZTString caminho = QDCaminhoConteudo("/dados", 7, original);
        ASSERT_TRUE(caminho.IniciaCom("/dados/Docs/0000007.")) << caminho.str();
        const CZTString nome = caminho.Mid(static_cast<int>(std::string("/dados/Docs/").size()));
        EXPECT_EQ(nome.Find('/'), -1) << original;
        EXPECT_EQ(nome.Find('\\'), -1) << original;
        EXPECT_EQ(nome.str().find('\0'), std::string::npos) << original;
        EXPECT_NE(nome, "..");
    }
}

TEST(QDCaminhoConteudo, NoDataDirectoryGivesNoPath) {
    EXPECT_TRUE(QDCaminhoConteudo("", 1, "a.pdf").IsEmpty());
    EXPECT_TRUE(QDCaminhoConteudo(nullptr, 1, "a.pdf").IsEmpty());
    EXPECT_TRUE(QDPastaConteudos("").IsEmpty());
    EXPECT_EQ(QDPastaConteudos("/dados/"), "/dados/Docs");
    EXPECT_EQ(QDCaminhoConteudo("/dados", 1, "nota.pdf"), "/dados/Docs/0000001.pdf");
}

}  // namespace
