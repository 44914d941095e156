// ZTDesenhaTextoMarcado and ZTTextoSemMarcas: which runs are drawn in which font and colour,
// where the line breaks put them, what the canvas is left with, and the stripped text.
#include "framework/markup/zt_texto_marcado.h"
#include "framework/tests/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using framework::testing::RecordingCanvas;
using platform::ui::Colour;
using platform::ui::FontDescription;
using platform::ui::Point;
using platform::ui::Rgb;

const FontDescription kFonte{"Serif", 15};
constexpr Colour kPreto = Rgb(0, 0, 0);

// The caller's font with styles added.
FontDescription Fonte(bool negrito, bool italico = false, bool sublinhado = false) {
    FontDescription fonte = kFonte;
    if (negrito) fonte.weight = 700;
    fonte.italic = italico;
    fonte.underline = sublinhado;
    return fonte;
}

struct Trecho {
    std::string texto;
    FontDescription fonte;
    Colour cor = kPreto;
    friend bool operator==(const Trecho&, const Trecho&) = default;
};

void PrintTo(const Trecho& t, std::ostream* out) {
    *out << '"' << t.texto << "\" weight " << t.fonte.weight << (t.fonte.italic ? " italic" : "")
         << (t.fonte.underline ? " underline" : "") << " colour 0x" << std::hex << t.cor;
}

std::vector<Trecho> Trechos(const RecordingCanvas& dc) {
    std::vector<Trecho> trechos;
    for (const auto& run : dc.runs) trechos.push_back({run.text, run.font, run.colour});
    return trechos;
}

TEST(ZTDesenhaTextoMarcado, EachRunHasTheFontAndColourTheMarkupSays) {
    const FontDescription normal = Fonte(false);
    const FontDescription negrito = Fonte(true);
    const struct {
        const char* texto;
        std::vector<Trecho> esperados;
    } casos[] = {
        // a closing tag that left the bold on, or closed it too early
        {"[B]ab[/B]cd", {{"ab", negrito}, {"cd", normal}}},
        // lower-case letters open and close the same way
        {"[b]ab[/b]cd", {{"ab", negrito}, {"cd", normal}}},
        // any closing style tag closes the most recent one, whatever its letter
        {"[B]ab[/I]cd", {{"ab", negrito}, {"cd", normal}}},
        {"[I]a[/I][u]b[/U]", {{"a", Fonte(false, true)}, {"b", Fonte(false, false, true)}}},
        // a push adds to the font on top, a pop goes back one level only
        {"[B][I]a[/B]b[/I]c", {{"a", Fonte(true, true)}, {"b", negrito}, {"c", normal}}},
        // letters after the style letter inside a tag are dropped
        {"[Bxy]a", {{"a", negrito}}},
        // colours are RRGGBB in the tag and red-in-the-low-byte on the canvas
        {"[CFF0000]x", {{"x", normal, 0x0000FF}}},
        {"[c0000ff]x", {{"x", normal, 0xFF0000}}},
        {"[C00FF00]g[/C]k", {{"g", normal, 0x00FF00}, {"k", normal, kPreto}}},
        // too few digits: the '[' is lost and the ']' swallowed as a lone ']'
        {"[C12]", {{"C12", normal}}},
        {"[C12345G]", {{"C12345G", normal}}},
        {"[[", {{"[", normal}}},
        {"]]", {{"]", normal}}},
        {"a[[b]]c", {{"a[b]c", normal}}},
        // after a lone ']' the markup up to the next ']' is plain text and that ']' is drawn
        {"a]x[B]y", {{"ax[B]y", normal}}},
        // an unknown tag draws its letters and leaves the recogniser after '[': a style letter
        // and ']' then open a font
        {"[x]", {{"x]", normal}}},
        {"[x]B]z", {{"x]", normal}, {"z", negrito}}},
        // pops of empty stacks keep the bottom entries
        {"[/C][/B]x", {{"x", normal}}},
        {"", {}},
    };
    for (const auto& caso : casos) {
        RecordingCanvas dc;
        ZTDesenhaTextoMarcado(dc, caso.texto, 0, 0, 0, &kFonte);
        EXPECT_EQ(Trechos(dc), caso.esperados) << caso.texto;
    }
}

// CR returns to the caller's left edge on the same line; LF goes down one step keeping x; the
// height counts 16 and one step (text height plus extra) per line feed.
TEST(ZTDesenhaTextoMarcado, LineBreaksMoveThePositionAndCountTheHeight) {
    RecordingCanvas dc;
    const int passo = kFonte.height + 3;
    EXPECT_EQ(ZTDesenhaTextoMarcado(dc, "ab\r\ncd\r\nef", 10, 20, 3, &kFonte), 16 + 2 * passo);
    const std::vector<Point> posicoes = {{10, 36}, {10, 36 + passo}, {10, 36 + 2 * passo}};
    ASSERT_EQ(dc.runs.size(), posicoes.size());
    for (std::size_t i = 0; i < posicoes.size(); ++i) EXPECT_EQ(dc.runs[i].position, posicoes[i]) << i;

    RecordingCanvas soAvanco;
    EXPECT_EQ(ZTDesenhaTextoMarcado(soAvanco, "ab\ncd", 10, 20, 3, &kFonte), 16 + passo);
    ASSERT_EQ(soAvanco.runs.size(), 2u);
    EXPECT_EQ(soAvanco.runs[1].position, (Point{10 + 2 * RecordingCanvas::kCharWidth, 36 + passo}));
}

// Without a font of the caller's, the default GUI font is the base of the styles and of the line step.
TEST(ZTDesenhaTextoMarcado, WithoutAFontTheDefaultGuiFontIsTheBase) {
    RecordingCanvas dc;
    EXPECT_EQ(ZTDesenhaTextoMarcado(dc, "[B]a\nb", 0, 0, 0, nullptr), 16 + dc.defaultGuiFont.height);
    ASSERT_EQ(dc.runs.size(), 2u);
    FontDescription negrito = dc.defaultGuiFont;
    negrito.weight = 700;
    EXPECT_EQ(dc.runs[0].font, negrito);
    EXPECT_EQ(dc.runs[1].font, negrito);
}

// The canvas gets its own font back and the colour ends black, whatever the text left open.
TEST(ZTDesenhaTextoMarcado, CanvasKeepsItsFontAndEndsBlack) {
    RecordingCanvas dc;
    const FontDescription antes{"Mono", 9, 700, true};
    dc.font = antes;
    dc.colour = Rgb(0, 0, 255);
    ZTDesenhaTextoMarcado(dc, "[B][C00FF00]x", 0, 0, 0, &kFonte);
    ASSERT_EQ(dc.runs.size(), 1u);
    EXPECT_EQ(dc.runs[0].font, Fonte(true));
    EXPECT_EQ(dc.font, antes);
    EXPECT_EQ(dc.colour, kPreto);
}

TEST(ZTTextoSemMarcas, DropsEverythingFromABracketToTheNextClosingOne) {
    const struct {
        const char* texto;
        const char* esperado;
    } casos[] = {
        {"a[B]b[/B]c", "abc"},
        // "[[" is no escape here: the whole "[[b]" goes
        {"a[[b]c", "ac"},
        {"a]b", "a]b"},
        {"a[b", "a"},
        {"x\r\ny[CFF0000]z", "x\r\nyz"},
        {"", ""},
    };
    for (const auto& caso : casos) EXPECT_EQ(ZTTextoSemMarcas(caso.texto), caso.esperado) << caso.texto;
    EXPECT_EQ(ZTTextoSemMarcas(nullptr), "");
}

}  // namespace
