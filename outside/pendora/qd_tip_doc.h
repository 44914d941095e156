// CQDTipDoc (tipo de documento): a document type with its users, processes and search
// fields, over the interface record QD_TIPDOC_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"
#include "util/text/zt_string.h"

class CQDTipDoc : public CQDRegistroPS<QD_TIPDOC_PS> {
public:
    // One line in Windows-1252 with every stored field of the type, for the operations log:
    // code, name, group or analytic, validity (amount and unit), e-mail warning days, user
    // codes, process names and search fields (name, or the field's standard description when
    // the name is empty, and "obrigatório" for a required one). Lists that were not read show
    // empty.
    [[nodiscard]] CZTString ToStringLog() const;

    // Appends to `lista` the texts of the type that the quick search looks through, each
    // accent-folded (ZTRetiraAcentos), because the search folds its own text and the word
    // filter compares letters as they are: the code, the name and the name of every search
    // field. Empty texts and lists not read are left out; nothing is removed.
    void ToStringQS(CZTStringArray& lista) const;
};
