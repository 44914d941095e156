// Pinging a machine for the activation diagnostics.
//
// Runs the system's ping with a count and a deadline ("ping -c 4 -w 10 <machine>"), so that it
// always ends, and returns what it wrote. Blocks the calling thread while ping runs; safe from
// any thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

// Pings `maquina` (Windows-1252) and puts ping's standard output and error into `saida`.
// An empty or null machine gives "Falta informar o IP" and S_OK; when ping cannot be run,
// `saida` says why and the result is 0x80070000 | the Win32 error (0x80070002 when ping is not
// installed); otherwise S_OK, whatever ping's own exit status.
platform::HRESULT ZTPing(const char* maquina, CZTString& saida);
