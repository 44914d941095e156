// Numbered messages: lookup in the module's message file and display in a message box.
//
// A module's messages live in "ZT%sMens.txt" (the module's prefix) in the messages folder of the
// registry. One message per line: the number at the start, the text from the ninth character,
// "\n" standing for a line break. Boxes go through platform::CurrentInteraction(), so without a
// window layer they land in syslog and standard error. Single-threaded use.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The message file's name for a module index ("ZTQDMens.txt" for this module).
[[nodiscard]] CZTString ZTNomeArquivoMensagens(std::int32_t modulo);

// The text of message `mensagem` of module `modulo`, or an empty text. A message file that cannot
// be opened is reported in a warning box naming the full path tried.
[[nodiscard]] CZTString ZTLeMensagem(std::int32_t mensagem, std::int32_t modulo);

// The same lookup in a given file; nothing is shown. False when the file cannot be opened.
[[nodiscard]] bool ZTLeMensagemDoArquivo(const char* caminho, std::int32_t mensagem, CZTString& texto);

// The system's text for an OS error number, or an empty text.
[[nodiscard]] CZTString ZTGetTextoErroSO(std::uint32_t erroSO);

// The text that a reported error shows: `texto`, or the unknown-error text with `mensagem` when it
// is empty, then a line with the OS error and its text when the system has one.
[[nodiscard]] CZTString ZTMontaTextoErro(const CZTString& texto, std::int32_t mensagem, std::uint32_t erroSO);

// Shows message `mensagem` of module `modulo` without an owner window, captioned with the
// module's display name, in a box of `tipo` as given. Returns the box's answer.
int ZTMostraMensagem(std::int32_t mensagem, std::int32_t modulo, std::uint32_t erroSO, unsigned tipo);
