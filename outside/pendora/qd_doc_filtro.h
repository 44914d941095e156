// CQDDocFiltro (filtro: filter): a search over documents with its type and document lists,
// field values and description text, over the interface record QD_DOC_FILTRO_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDDocFiltro : public CQDRegistroPS<QD_DOC_FILTRO_PS> {};
