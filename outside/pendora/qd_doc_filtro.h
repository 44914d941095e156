// CQDDocFiltro (filtro: filter): a search over documents with its type and document lists,
// field values and description text, over the interface record QD_DOC_FILTRO_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDDocFiltro : public CQDRegistroPS<QD_DOC_FILTRO_PS> {
public:
    // True when `filtro` sets no criterion, so that a search keeps every document it may show.
    // A criterion is whatever can score: the location-number range, the inclusion-time,
    // change-time, issue-date and validity-date ranges (each set when its start is not 0), the
    // including or changing user, the file-name pattern, a description holding a search word
    // (CQDTokenMngr), the type list, the location and the field conditions. What only narrows
    // the scan is none: the dwFlags bits (0x1 the mode, 0x2 to 0x10 exclusions), the position
    // range and the position list; counting them would make a search in any mode with nothing
    // else set drop every document, since none could score.
    [[nodiscard]] static bool IsEmpty(const QD_DOC_FILTRO_PS& filtro);
    // The same for this object's record.
    [[nodiscard]] bool IsEmpty() const { return IsEmpty(GetPS()); }
};
