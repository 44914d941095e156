// The texts of the units in which a document type counts its validity (QD_E_TIPDOC_VALIDADE):
// "Dias", "Meses", "Anos". Stateless; any thread.
#pragma once

#include "server/idl/enumerations.h"

// The unit's text in Windows-1252, valid until the program ends; "" for a value outside the
// enumeration.
[[nodiscard]] const char* QDGetDescricaoTipoValidade(QD_E_TIPDOC_VALIDADE eValidade);
