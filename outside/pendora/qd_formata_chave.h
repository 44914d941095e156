// QDFormataChave: the text of a link origin's key, as the document list, the links grid, the
// quick search and the document report show it.
//
// Link keys are month/key values (util/key/zt_chave_mes_ano.h) wherever the origin is a record
// of a month; other origins give plain numbers. A key is shown in the month/key text form
// "mmyy-000123" when it is one: its month is valid, its key is not 0, and the text reads back
// as the same value (a plain number whose low bits happen to look like a month of long ago
// would not). Any other key is shown in decimal. Safe from any thread on distinct connections.
#pragma once

#include "outside/conexo/conexao_plano.h"
#include "server/idl/enumerations.h"
#include "util/text/zt_string.h"

#include <cstdint>

// The text of key `lChave` of an origin of process `eProc`, formatted with the account plan
// `plano` (which holds no masks in this stand-in, so every process takes the forms above).
[[nodiscard]] CZTString QDFormataChave(CConexaoPlano& plano, QD_E_PROCESSO eProc, std::uint32_t lChave);
