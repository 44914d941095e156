// The suite's message library as the framework calls it: the report of an error raised by the
// framework's exception objects and the numbered messages of a system's message file.
//
// Both show one box through platform::CurrentInteraction(), so the window layer routes them into
// its box routine and a program without one writes them to syslog and standard error. Called on
// the user-interface thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

// Shows one warning box captioned "Kelvo GED": the text of `codigo` (the module's message for a
// message code 0x8004xxxx, otherwise the system's text), then the code in hexadecimal and the
// other six values. Returns true when the box was shown.
bool ZTTrataErro2(platform::HRESULT codigo, std::int32_t subcodigo, std::int16_t extra, const char* empresa,
                  const char* arquivoFonte, std::int32_t linha, const char* compilacao);

// Shows message `numero` of "ZT<sistema>Mens.txt" (sistema: a system code of the module table,
// such as "DF") in a warning box captioned with that system's name. Returns the box's answer.
int ZTMensagem(std::int32_t numero, const char* sistema);
