#include "util/text/code_page.h"

#include <array>

namespace {

using ByteMap = std::array<unsigned char, 256>;

struct LetterCode {
    unsigned char ansi;
    unsigned char dos;
};

// The Portuguese letters the system converts, as ANSI letter = DOS code.
constexpr std::array<LetterCode, 29> kLetters = {{
    {0xE2, 0x83}, {0xE3, 0x84}, {0xE0, 0x85}, {0xC4, 0x8E}, {0xC1, 0x8F}, {0xE1, 0xA0},  // â ã à Ä Á á
    {0xE9, 0x82}, {0xEA, 0x88}, {0xEB, 0x89}, {0xE8, 0x8A}, {0xC9, 0x90}, {0xEF, 0x8B},  // é ê ë è É ï
    {0xEE, 0x8C}, {0xEC, 0x8D}, {0xED, 0xA1}, {0xF4, 0x93}, {0xF5, 0x94}, {0xF2, 0x95},  // î ì í ô õ ò
    {0xD5, 0x99}, {0xF3, 0xA2}, {0xFC, 0x81}, {0xFB, 0x96}, {0xF9, 0x97}, {0xDC, 0x9A},  // Õ ó ü û ù Ü
    {0xFA, 0xA3}, {0xC7, 0x80}, {0xE7, 0x87}, {0xF1, 0xA4}, {0xD1, 0xA5},                // ú Ç ç ñ Ñ
}};

// a-tilde and o-tilde are written to DOS with these codes, ahead of the list's entries.
constexpr LetterCode kATildeToDos{0xE3, 0xC6};
constexpr LetterCode kOTildeToDos{0xF5, 0xE4};

constexpr ByteMap Identity() {
    ByteMap map{};
    for (size_t i = 0; i < map.size(); ++i) map[i] = static_cast<unsigned char>(i);
    return map;
}

constexpr ByteMap MakeAnsiToDos() {
    ByteMap map = Identity();
    for (const LetterCode& letter : kLetters) map[letter.ansi] = letter.dos;
    map[kATildeToDos.ansi] = kATildeToDos.dos;
    map[kOTildeToDos.ansi] = kOTildeToDos.dos;
    return map;
}

constexpr ByteMap MakeDosToAnsi() {
    ByteMap map = Identity();
    for (const LetterCode& letter : kLetters) map[letter.dos] = letter.ansi;
    return map;
}

struct FoldRange {
    unsigned char first;
    unsigned char last;
    char plain;
};

// Accented Windows-1252 letters and their plain forms.
constexpr std::array<FoldRange, 17> kFolds = {{
    {0xC0, 0xC5, 'A'},  // À Á Â Ã Ä Å
    {0xC7, 0xC7, 'C'},  // Ç
    {0xC8, 0xCB, 'E'},  // È É Ê Ë
    {0xCC, 0xCF, 'I'},  // Ì Í Î Ï
    {0xD1, 0xD1, 'N'},  // Ñ
    {0xD2, 0xD6, 'O'},  // Ò Ó Ô Õ Ö
    {0xD9, 0xDC, 'U'},  // Ù Ú Û Ü
    {0xDD, 0xDD, 'Y'},  // Ý
    {0xE0, 0xE5, 'a'},  // à á â ã ä å
    {0xE7, 0xE7, 'c'},  // ç
    {0xE8, 0xEB, 'e'},  // è é ê ë
    {0xEC, 0xEF, 'i'},  // ì í î ï
    {0xF1, 0xF1, 'n'},  // ñ
    {0xF2, 0xF6, 'o'},  // ò ó ô õ ö
    {0xF9, 0xFC, 'u'},  // ù ú û ü
    {0xFD, 0xFD, 'y'},  // ý
    {0xFF, 0xFF, 'y'},  // ÿ
}};

constexpr ByteMap MakeFolding() {
    ByteMap map = Identity();
    for (const FoldRange& range : kFolds) {
        for (unsigned b = range.first; b <= range.last; ++b) map[b] = static_cast<unsigned char>(range.plain);
    }
    return map;
}

constexpr ByteMap kAnsiToDos = MakeAnsiToDos();
constexpr ByteMap kDosToAnsi = MakeDosToAnsi();
constexpr ByteMap kFolding = MakeFolding();

char* MapInPlace(char* buffer, const ByteMap& map) {
    if (!buffer) return buffer;
    for (char* p = buffer; *p; ++p) *p = static_cast<char>(map[static_cast<unsigned char>(*p)]);
    return buffer;
}

}  // namespace

char* ZTConverteAnsiParaOem(char* buffer) { return MapInPlace(buffer, kAnsiToDos); }

char* ZTConverteOemParaAnsi(char* buffer) { return MapInPlace(buffer, kDosToAnsi); }

char* ZTRetiraAcentosBuffer(char* buffer) { return MapInPlace(buffer, kFolding); }

CZTString ZTRetiraAcentos(const char* text) {
    CZTString copy(text);
    MapInPlace(copy.GetBuffer(), kFolding);
    return copy;
}
