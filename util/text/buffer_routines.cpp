#include "util/text/buffer_routines.h"

#include <cstring>
#include <string_view>

namespace {

// The padding routine's work area held 400 characters with its NUL, so only lengths below
// 399 are padded; the limit is kept although the work is now done in place.
constexpr int kPaddingArea = 400;
constexpr int kLongestPadding = kPaddingArea - 2;

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Copies the characters of source that keep() accepts to target and NUL-terminates it; returns
// how many were copied. Target may be source: the write position never passes the read one.
template <class Keep>
int CopyIf(const char* source, char* target, Keep keep) {
    int kept = 0;
    for (const char* p = source; *p; ++p) {
        if (keep(*p)) target[kept++] = *p;
    }
    target[kept] = '\0';
    return kept;
}

template <class Keep>
char* KeepInPlace(char* buffer, Keep keep) {
    if (buffer) CopyIf(buffer, buffer, keep);
    return buffer;
}

}  // namespace

char* ZTRetiraEspacosDireita(char* buffer) {
    if (!buffer) return buffer;
    size_t length = std::strlen(buffer);
    while (length > 0 && buffer[length - 1] == ' ') --length;
    buffer[length] = '\0';
    return buffer;
}

CZTString ZTRetiraEspacosDireitaTexto(const char* text) {
    CZTString copy(text);
    return copy.RetiraEspacosFinais();
}

char* ZTRetiraEspacosEsquerda(char* buffer) {
    if (!buffer || buffer[0] != ' ') return buffer;
    const size_t blanks = std::strspn(buffer, " ");
    std::memmove(buffer, buffer + blanks, std::strlen(buffer + blanks) + 1);
    return buffer;
}

char* ZTCompletaComBrancos(char* buffer, int length) {
    if (!buffer || length < 0) return buffer;
    const size_t current = std::strlen(buffer);
    const auto wanted = static_cast<size_t>(length);
    if (current > wanted) {
        buffer[wanted] = '\0';
        return buffer;
    }
    if (current == 0 || length > kLongestPadding) return buffer;
    std::memset(buffer + current, ' ', wanted - current);
    buffer[wanted] = '\0';
    return buffer;
}

int ZTSoDigitos(const char* source, char* target) {
    if (!source || !target) return 0;
    return CopyIf(source, target, IsDigit);
}

char* ZTSoDigitosBuffer(char* buffer) { return KeepInPlace(buffer, IsDigit); }

CZTString ZTSoDigitosTexto(const char* text) {
    CZTString result;
    if (!text) return result;
    char* target = result.GetBufferSetLength(static_cast<int>(std::strlen(text)));
    result.ReleaseBuffer(ZTSoDigitos(text, target));
    return result;
}

char* ZTSoDigitosEPonto(char* buffer) {
    return KeepInPlace(buffer, [](char ch) { return IsDigit(ch) || ch == '.'; });
}

char* ZTSoDigitosEVirgula(char* buffer) {
    return KeepInPlace(buffer, [](char ch) { return IsDigit(ch) || ch == ','; });
}

char* ZTRetiraAspas(char* buffer) {
    return KeepInPlace(buffer, [](char ch) { return ch != '"'; });
}

void ZTLimpaFinal(char* buffer, int size) {
    if (!buffer || size <= 0) return;
    const size_t length = strnlen(buffer, static_cast<size_t>(size));
    std::memset(buffer + length, 0, static_cast<size_t>(size) - length);
}

bool ZTSoNumeroFormatado(const char* text) {
    if (!text) return false;
    return std::strspn(text, " 0123456789-./") == std::strlen(text);
}

CZTString ZTAplicaPontosMascara(const char* text, const char* mask) {
    const std::string_view source = text ? text : "";
    const std::string_view pattern = mask ? mask : "";
    CZTString result;
    for (const char ch : source) {
        if (ch != '.') {
            while (static_cast<size_t>(result.GetLength()) < pattern.size() && pattern[result.GetLength()] == '.') {
                result += '.';
            }
        }
        result += ch;
    }
    return result;
}
