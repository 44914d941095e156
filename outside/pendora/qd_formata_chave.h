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
#include <string>

// The text of key `lChave` of an origin of process `eProc`, formatted with the account plan
// `plano` (which holds no masks in this stand-in, so every process takes the forms above).
[[nodiscard]] CZTString QDFormataChave(CConexaoPlano& plano, QD_E_PROCESSO eProc, std::uint32_t lChave);

// CQDFormatadorChaves (formatador de chaves: key formatter): QDFormataChave for the many keys of
// one pass (a quick search over every link), giving the same texts without its cost per key.
// Whether a key reads back as itself hangs, once its key is not 0, on its month part alone (the
// process does not count: the plan holds no masks), and on the year window, which follows the
// current year (util/date/year_window.h); reading a month text back asks the clock every time. So
// the answer for each month part is worked out once with QDFormataChave and kept for the process
// while the current year stays the one the formatter first met, and the texts are written
// without a format string. One thread (the process-wide answers are plain).
class CQDFormatadorChaves {
public:
    explicit CQDFormatadorChaves(CConexaoPlano& plano) : m_plano(plano) {}

    // Appends the text QDFormataChave gives for (eProc, lChave) to `texto`. The first key with a
    // key part reads the current year (the clock's exceptions pass through, as QDFormataChave's).
    void Acrescenta(QD_E_PROCESSO eProc, std::uint32_t lChave, std::string& texto);

private:
    CConexaoPlano& m_plano;
    int m_nAno = 0;  // the current year at the first key that needed it
};
