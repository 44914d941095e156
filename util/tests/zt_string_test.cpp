#include "util/text/zt_string.h"

#include "platform/interaction.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

TEST(CZTString, ConstructorsTakeEveryTextForm) {
    EXPECT_EQ(CZTString(), "");
    EXPECT_EQ(CZTString('-', 3), "---");
    EXPECT_EQ(CZTString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(CZTString("abcdef", 3), "abc");
    // UTF-16 text arrives as Windows-1252 bytes.
    EXPECT_EQ(CZTString(u"S\u00E1bado"), "S\xE1" "bado");
    EXPECT_EQ(CZTString(u"S\u00E1bado", 2), "S\xE1");
    const unsigned char bytes[] = {'o', 'k', 0};
    EXPECT_EQ(CZTString(bytes), "ok");
    const CZTString original("x");
    CZTString copy(original);
    copy += "y";
    EXPECT_EQ(original, "x");  // a copy must not share the text
    EXPECT_EQ(copy, "xy");
}

TEST(CZTString, SearchesCountOverlappingHits) {
    const CZTString s("aaaa-aa");
    EXPECT_EQ(s.ContaOcorrencias("aa"), 4);
    EXPECT_EQ(s.UltimaPosicao("aa"), 5);
    EXPECT_EQ(s.UltimaPosicao("aaa"), 1);
    EXPECT_EQ(s.UltimaPosicao("b"), -1);
    EXPECT_EQ(s.ContaOcorrencias("b"), 0);
    // An empty or null substring must not loop or count every position.
    EXPECT_EQ(s.UltimaPosicao(""), -1);
    EXPECT_EQ(s.ContaOcorrencias(""), 0);
    EXPECT_EQ(s.ContaOcorrencias(nullptr), 0);
    EXPECT_EQ(CZTString().UltimaPosicao("a"), -1);
}

TEST(CZTString, PosicoesAppendsWithoutClearing) {
    const CZTString s("a;b;;c");
    CZTIntArray positions{99};
    EXPECT_EQ(s.Posicoes(';', positions), -1);
    EXPECT_EQ(positions, (CZTIntArray{99, 1, 3, 4}));
    CZTIntArray overlapping;
    EXPECT_EQ(CZTString("xxxx").Posicoes("xx", overlapping), -1);
    EXPECT_EQ(overlapping, (CZTIntArray{0, 1, 2}));
    CZTIntArray none;
    CZTString("abc").Posicoes("", none);
    EXPECT_TRUE(none.empty());
}

TEST(CZTString, BeginsAndEndsWith) {
    const CZTString s("relatorio.tmp");
    EXPECT_TRUE(s.IniciaCom("rel"));
    EXPECT_FALSE(s.IniciaCom("Rel"));  // byte comparison, case counts
    EXPECT_TRUE(s.TerminaCom(".tmp"));
    EXPECT_TRUE(s.TerminaCom("relatorio.tmp"));
    EXPECT_FALSE(s.TerminaCom("x.relatorio.tmp"));  // a text longer than the string never ends it
    EXPECT_FALSE(CZTString("mp").TerminaCom(".tmp"));
    EXPECT_TRUE(s.IniciaCom(""));
    EXPECT_TRUE(s.TerminaCom(nullptr));
}

TEST(CZTString, SeparaSplitsWithAndWithoutEmptyPieces) {
    struct Case {
        const char* text;
        bool skipEmpty;
        CZTStringArray expected;
    };
    const Case cases[] = {
        {"a;;b;", false, {"a", "", "b", ""}},
        {"a;;b;", true, {"a", "b"}},
        {"abc", false, {"abc"}},
        {"", false, {""}},
        {"", true, {}},
        {";", false, {"", ""}},
        {";;", true, {}},
    };
    for (const Case& c : cases) {
        CZTStringArray pieces{"stale"};  // the array is cleared first
        CZTString(c.text).Separa(';', c.skipEmpty, pieces);
        EXPECT_EQ(pieces, c.expected) << '"' << c.text << "\" skip " << c.skipEmpty;
    }
}

TEST(CZTString, InPlaceCleaning) {
    CZTString trailing("ab \t  ");
    EXPECT_EQ(trailing.RetiraEspacosFinais(), "ab \t");  // only blanks are removed
    CZTString digits("12/05-2014x");
    EXPECT_EQ(digits.SoDigitos(), "12052014");
    CZTString quoted("\"a\"b\"");
    EXPECT_EQ(quoted.RetiraAspas(), "ab");
    EXPECT_TRUE(CZTString(" ").TemTexto());
    EXPECT_FALSE(CZTString("").TemTexto());
}

TEST(CZTString, PaddingOnEitherSide) {
    CZTString left("7");
    EXPECT_EQ(left.CompletaEsquerda(3, '0'), "007");
    EXPECT_EQ(left.CompletaEsquerda(2, '0'), "007");  // already as long: unchanged
    CZTString right("ab");
    EXPECT_EQ(right.CompletaDireita(4), "ab  ");
    EXPECT_EQ(right.CompletaDireita(-1), "ab  ");
}

TEST(CZTString, AcrescentaPutsTheSeparatorOnlyBetweenTexts) {
    struct Case {
        const char* start;
        const char* text;
        bool force;
        const char* expected;
    };
    const Case cases[] = {
        {"a", "b", false, "a, b"},
        {"", "b", false, "b"},
        {"a", "", false, "a"},
        {"a", nullptr, false, "a"},
        {"", "b", true, ", b"},
        {"a", "", true, "a, "},
    };
    for (const Case& c : cases) {
        CZTString s(c.start);
        EXPECT_EQ(s.Acrescenta(", ", c.text, c.force), c.expected) << c.start << '|' << (c.text ? c.text : "null");
    }
}

TEST(CZTString, AbreviaCutsToExactlyN) {
    struct Case {
        const char* text;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {"abcdefgh", 5, "ab..."},
        {"abc", 5, "abc"},
        {"abcde", 5, "abcde"},
        {"abcdef", 3, "..."},
        // Too small for text and dots: the result still never exceeds n.
        {"abcdef", 2, ".."},
        {"abcdef", 1, "."},
        {"abcdef", 0, ""},
        {"abcdef", -4, ""},
        {"", -1, ""},
    };
    for (const Case& c : cases) {
        CZTString s(c.text);
        EXPECT_EQ(s.Abrevia(c.n), c.expected) << c.text << " / " << c.n;
    }
}

TEST(CZTString, TrechoStaysInsideTheString) {
    const CZTString s("abcdef");
    EXPECT_EQ(s.Trecho(1, 3), "bc");
    EXPECT_EQ(s.Trecho(0, 6), "abcdef");
    EXPECT_EQ(s.Trecho(2, 2), "");
    // Arguments outside the contract must not read outside the text.
    EXPECT_EQ(s.Trecho(4, 2), "");
    EXPECT_EQ(s.Trecho(4, 99), "ef");
    EXPECT_EQ(s.Trecho(-3, 2), "ab");
}

TEST(CZTString, ParaInteiroFollowsAtoi) {
    const std::map<const char*, int> cases = {
        {"", 0}, {"42", 42}, {"42abc", 42}, {"  -7", -7}, {"+8", 8}, {"abc", 0},
        {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},  // no overflow
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(CZTString(text).ParaInteiro(), expected) << text;
}

TEST(CZTString, FormataIsPrintfStyle) {
    EXPECT_EQ(CZTString::Formata("%s-%06d", "0514", 123), "0514-000123");
    EXPECT_EQ(CZTString::Formata("%s", std::string(600, 'x').c_str()).GetLength(), 600);
}

class StringTable final : public platform::Interaction {
public:
    int ShowMessage(const platform::String&, const platform::String&, unsigned, bool) override { return platform::IDOK; }
    std::optional<platform::String> ChooseFolder(const platform::String&) override { return std::nullopt; }
    platform::String LoadText(unsigned id) override { return id == 16217 ? platform::String("Pasta n\xE3o encontrada") : platform::String(); }
};

TEST(CZTString, CarregaTextoReadsTheProgramsStringTable) {
    EXPECT_EQ(CZTString::CarregaTexto(16217), "");  // no window layer: no string table
    StringTable table;
    platform::Interaction* previous = platform::SetInteraction(&table);
    EXPECT_EQ(CZTString::CarregaTexto(16217), "Pasta n\xE3o encontrada");
    EXPECT_EQ(CZTString::CarregaTexto(1), "");
    platform::SetInteraction(previous);
}

TEST(CZTString, GetBufferGivesTheFrameworkBuffer) {
    CZTString s("ab");
    char* buffer = s.GetBuffer(10);
    std::snprintf(buffer, 11, "%s", "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "0123456789");
}

}  // namespace
