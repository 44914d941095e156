// The test clock: a machine-wide value that makes every program believe it runs at another
// moment while time keeps flowing.
//
// The value is the text "ZT_DATETIME" of the local machine's key
// "SYSTEM\CurrentControlSet\Control\Session Manager\Environment" in the registry store (a system
// environment variable on the original platform; the process environment is never consulted).
// Its 15 unsigned decimal fields are laid out as "%u;%u/%u/%u;%u:%u:%u:%u;%u/%u/%u;%u:%u:%u:%u":
// the enable flag (0 = off), then moment A (day/month/year; hour:minute:second:millisecond), the
// simulated local moment, then moment B, the real local moment that corresponds to A.
// It is read again at every call: nothing is cached. Safe from any thread.
#pragma once

#include <cstdint>

inline constexpr const char* ZT_CHAVE_RELOGIO_TESTE =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
inline constexpr const char* ZT_VALOR_RELOGIO_TESTE = "ZT_DATETIME";

// One moment of the value, its fields as read (not yet checked).
struct ZTMomentoTeste {
    std::uint32_t dia = 0, mes = 0, ano = 0;
    std::uint32_t hora = 0, minuto = 0, segundo = 0, milissegundo = 0;
};

struct ZTRelogioTeste {
    std::uint32_t ativo = 0;    // enable flag: 0 = off
    ZTMomentoTeste simulado;    // moment A
    ZTMomentoTeste real;        // moment B
};

// Scans the text with the layout above, as the C library's scanf would: blanks before a number
// are skipped, every other character must match the layout, text after the last field is
// ignored, a number too large for 32 bits saturates. True when all 15 fields were read.
bool ZTInterpretaRelogioTeste(const char* texto, ZTRelogioTeste& relogio);

// Reads the value from the registry store (empty when absent) and scans it. True when all 15
// fields were read and the enable flag is not 0; a value that is short or disabled is ignored
// without a message.
bool ZTLeRelogioTesteAtivo(ZTRelogioTeste& relogio);
