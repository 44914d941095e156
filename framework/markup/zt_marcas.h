// The recogniser of the markup text: its states and its table of transitions.
//
// A drawing walks the text one character at a time; each character moves the state through the
// first matching transition, and the state it lands in says what to draw or change. States with
// a transition into them are named; the numbers are the ones the table has always used. Constant
// data; safe from any thread.
#pragma once

#include <optional>

namespace markup {

enum Estado : int {
    kTexto = 0,              // plain text
    kAbre = 16,              // after '['
    kFechaSolto = 17,        // after a lone ']': text up to the next ']' is plain
    kEstilo = 32,            // after "[B", "[I" or "[U"
    kCor = 33,               // after "[C"
    kRetorno = 34,           // CR
    kAvanco = 35,            // LF
    kAbreLiteral = 36,       // "[[": a literal '['
    kFechaLiteral = 37,      // "]]": a literal ']'
    kBarra = 272,            // after "[/"
    kFimEstilo = 288,        // after "[/B", "[/I" or "[/U"
    kFimCor = 289,           // after "[/C"
    kEmpilhaEstilo = 4144,   // "[B]", "[I]", "[U]"
    kEmpilhaCor = 4160,      // listed in the table, never reached (nothing leads to its source state)
    kDesempilhaEstilo = 4400,  // "[/B]", "[/I]", "[/U]"
    kDesempilhaCor = 4416,   // "[/C]"
};

// The next state of the first transition for (estado, c); none when the table has no entry.
[[nodiscard]] std::optional<int> ProximoEstado(int estado, char c);

// Whether a character without a transition joins the pending text in `estado` (otherwise it is
// dropped); the state stays either way.
[[nodiscard]] bool GuardaCaractereSemTransicao(int estado);

}  // namespace markup
