#include "util/text/template.h"

#include "util/text/bounded_copy.h"

#include <cstring>
#include <string_view>

namespace {

constexpr size_t kTemplateWindow = 500;

enum class TokenKind { PlainStar, Line, ValueD, ValueC, ValueGD, ValueGC };

struct Token {
    TokenKind kind = TokenKind::PlainStar;
    size_t letters = 0;        // characters after the star that the token consumes
    bool blankAfter = false;   // the star ended the template
};

char Lower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// True when `word` (lower case) follows at `pos` of `text`, in any case.
bool LettersAt(std::string_view text, size_t pos, std::string_view word) {
    if (pos > text.size() || text.size() - pos < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if (Lower(text[pos + i]) != word[i]) return false;
    }
    return true;
}

// The token that starts with the star at `star` of the template window.
Token ReadToken(std::string_view window, size_t star) {
    const size_t next = star + 1;
    if (next == window.size()) return {TokenKind::Line, 0, true};
    if (LettersAt(window, next, "dma")) return {TokenKind::Line, 3, false};
    if (LettersAt(window, next, "ma")) return {TokenKind::Line, 2, false};
    if (LettersAt(window, next, "n")) return {TokenKind::Line, 1, false};
    if (window[next] == ' ' || window[next] == ',') return {TokenKind::Line, 0, false};
    if (LettersAt(window, next, "d")) return {TokenKind::ValueD, 1, false};
    if (LettersAt(window, next, "c")) return {TokenKind::ValueC, 1, false};
    if (LettersAt(window, next, "gd")) return {TokenKind::ValueGD, 2, false};
    if (LettersAt(window, next, "gc")) return {TokenKind::ValueGC, 2, false};
    return {};
}

std::string_view WindowOf(const char* modelo) {
    if (!modelo) return {};
    return std::string_view(modelo, strnlen(modelo, kTemplateWindow));
}

// Hands out the lines of a text one by one; each CR and each LF ends one line.
class LineReader {
public:
    explicit LineReader(const char* text) : text_(text ? text : "") {}

    std::string_view Next() {
        if (pos_ >= text_.size()) return {};
        const size_t end = text_.find_first_of("\r\n", pos_);
        const size_t stop = end == std::string_view::npos ? text_.size() : end;
        const std::string_view line = text_.substr(pos_, stop - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        return line;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace

int ZTTokensDoModelo(const char* modelo) {
    const std::string_view window = WindowOf(modelo);
    int tokens = 0;
    for (size_t i = 0; i < window.size(); ++i) {
        if (window[i] != '*') continue;
        const Token token = ReadToken(window, i);
        switch (token.kind) {
            case TokenKind::ValueD: tokens |= 1; break;
            case TokenKind::ValueC: tokens |= 2; break;
            case TokenKind::ValueGD: tokens |= 4; break;
            case TokenKind::ValueGC: tokens |= 8; break;
            case TokenKind::Line:
            case TokenKind::PlainStar: break;
        }
        i += token.letters;
    }
    return tokens;
}

CZTString ZTPreencheModelo(const char* modelo, const char* linhas, const char* valorD, const char* valorC,
                           const char* valorGD, const char* valorGC) {
    const std::string_view window = WindowOf(modelo);
    if (window.empty()) return CZTString(linhas);

    LineReader lines(linhas);
    CZTString result;
    for (size_t i = 0; i < window.size(); ++i) {
        if (window[i] != '*') {
            result += window[i];
            continue;
        }
        const Token token = ReadToken(window, i);
        const char* value = nullptr;
        switch (token.kind) {
            case TokenKind::PlainStar:
                result += '*';
                continue;
            case TokenKind::Line:
                result += CZTString(lines.Next());
                if (token.blankAfter) result += ' ';
                i += token.letters;
                continue;
            case TokenKind::ValueD: value = valorD; break;
            case TokenKind::ValueC: value = valorC; break;
            case TokenKind::ValueGD: value = valorGD; break;
            case TokenKind::ValueGC: value = valorGC; break;
        }
        if (!value || !*value) {
            // The letters follow as plain text.
            result += '*';
            continue;
        }
        result += value;
        i += token.letters;
    }
    return result;
}

bool ZTPreencheModelo(const char* modelo, const char* linhas, char* target, int size, const char* valorD,
                      const char* valorC, const char* valorGD, const char* valorGC) {
    const CZTString filled = ZTPreencheModelo(modelo, linhas, valorD, valorC, valorGD, valorGC);
    return zt_text_detail::CopyBounded(filled.view(), target, size);
}
