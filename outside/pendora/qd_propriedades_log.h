// The one-line text of the company's properties for the operations log (the member text of
// CQDPropriedades that the log report shows): "Rótulo: valor; " pieces in Windows-1252 with every
// property the client sets and the four texts. Stateless; any thread.
#pragma once

#include "outside/pendora/qd_propriedades.h"
#include "util/text/zt_string.h"

// The log text of `prop`; a text not read (null) shows empty.
[[nodiscard]] CZTString QDPropriedadesToStringLog(const CQDPropriedades& prop);
