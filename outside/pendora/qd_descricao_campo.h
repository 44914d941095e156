// The standard descriptions of the document fields (QD_E_CAMPO_DOC): what a search field of a
// document type is called when the type gives it no name of its own. Free fields are named by
// their block and their 1-based place in it ("Data livre 1"). Stateless; any thread.
#pragma once

#include "server/idl/enumerations.h"

// The field's description in Windows-1252, valid until the program ends; "" for a value outside
// the enumeration (QD_CAMPO_COUNT included).
[[nodiscard]] const char* QDGetDescricaoCampo(QD_E_CAMPO_DOC eCampo);
