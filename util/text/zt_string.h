// CZTString: the house string, the framework string with extra helpers and no data of its own.
//
// Drop-in for platform::String everywhere (same layout, no virtual operations, so a
// platform::String and a CZTString convert into each other freely); the extra members are text
// chores that the system's code repeats (splitting, padding, counting, abbreviating). Text is
// Windows-1252 bytes; comparisons are byte comparisons. Value type; not shared between threads
// without outside locking. Positions are 0-based, -1 meaning "none".
#pragma once

#include "platform/text/string.h"

#include <vector>

class CZTString;

// The framework's typed array of house strings.
using CZTStringArray = std::vector<CZTString>;
// The framework's typed array of integers (positions).
using CZTIntArray = std::vector<int>;

class CZTString : public platform::String {
public:
    // Empty; copy; (character, count); C string (null gives empty); UTF-16 text converted to
    // Windows-1252; (C string, length); (UTF-16 text, length); unsigned-character string.
    using platform::String::String;
    CZTString() = default;
    CZTString(const platform::String& other) : platform::String(other) {}

    // Searching and counting; an empty or null substring is never found.
    // Position of the last occurrence of `sub`, -1 when none.
    [[nodiscard]] int UltimaPosicao(const char* sub) const;
    // Number of occurrences of `sub`, overlapping ones included ("aaa" holds "aa" twice).
    [[nodiscard]] int ContaOcorrencias(const char* sub) const;
    // Appends every position of `ch` to `positions` (not cleared first); returns -1.
    int Posicoes(char ch, CZTIntArray& positions) const;
    // Appends every position of `sub`, overlapping ones included, to `positions` (not cleared
    // first); returns -1.
    int Posicoes(const char* sub, CZTIntArray& positions) const;
    // True when the string begins / ends with `text` (null counts as empty).
    [[nodiscard]] bool IniciaCom(const char* text) const;
    [[nodiscard]] bool TerminaCom(const char* text) const;
    // True when the string is not empty.
    [[nodiscard]] bool TemTexto() const { return !IsEmpty(); }

    // Changes in place.
    // Removes the trailing blanks (' ' only).
    CZTString& RetiraEspacosFinais();
    // Keeps only the digits '0'..'9'.
    CZTString& SoDigitos();
    // Removes every '"'.
    CZTString& RetiraAspas();
    // Inserts `ch` at the front / appends it until the length reaches `width`.
    CZTString& CompletaEsquerda(int width, char ch = ' ');
    CZTString& CompletaDireita(int width, char ch = ' ');
    // Appends `separator` when both this string and `text` are non-empty, or when `force` is
    // set; then appends `text`.
    CZTString& Acrescenta(const char* separator, const char* text, bool force = false);
    // When longer than n characters: cuts to n and makes the last three of them "...". Below 3
    // there is no room for text and dots, so the string becomes n dots (nothing when n <= 0).
    CZTString& Abrevia(int n);

    // Pieces and values.
    // Clears `pieces`, then appends the pieces between the separators in order, the piece after
    // the last separator included; with `skipEmpty`, empty pieces are left out.
    void Separa(char separator, bool skipEmpty, CZTStringArray& pieces) const;
    // The characters at positions from up to, not including, to (clamped to the string).
    [[nodiscard]] CZTString Trecho(int from, int to) const;
    // Decimal value of the leading digits by atoi's rules (blanks, sign, digits); 0 for an
    // empty string; a value beyond the int range is held at INT_MIN / INT_MAX.
    [[nodiscard]] int ParaInteiro() const;

    // A new string formatted printf-style.
    [[nodiscard]] static CZTString Formata(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // A new string with the program's string-table text `id` (empty when there is none).
    [[nodiscard]] static CZTString CarregaTexto(unsigned id);
};
