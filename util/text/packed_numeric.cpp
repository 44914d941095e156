#include "util/text/packed_numeric.h"

namespace {

constexpr unsigned char kBlankNibble = 0xA;

// The four-bit value of the next character of text; text stops advancing at its NUL, so every
// later position reads as a blank.
unsigned char NextNibble(const char*& text) {
    if (!text || *text == '\0') return kBlankNibble;
    const char ch = *text++;
    if (ch == ' ') return kBlankNibble;
    return static_cast<unsigned char>(ch) & 0xF;
}

}  // namespace

void ZTCompactaNumerico(const char* text, unsigned char* target, int bytes) {
    if (!target) return;
    for (int i = 0; i < bytes; ++i) {
        const unsigned char high = NextNibble(text);
        const unsigned char low = NextNibble(text);
        target[i] = static_cast<unsigned char>((high << 4) | low);
    }
}

void ZTExpandeNumerico(char* target, const unsigned char* source, int bytes) {
    if (!target) return;
    int out = 0;
    for (int i = 0; source && i < bytes; ++i) {
        target[out++] = ZTNibbleParaCaractere(source[i] >> 4);
        target[out++] = ZTNibbleParaCaractere(source[i]);
    }
    target[out] = '\0';
}

char ZTNibbleParaCaractere(int n) {
    switch (n & 0xF) {
        case 0xA: return '\0';
        case 0xD: return '-';
        case 0xE: return '.';
        case 0xF: return '/';
        default: return static_cast<char>('0' + (n & 0xF));
    }
}
