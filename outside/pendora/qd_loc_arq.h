// CQDLocArq (localização de arquivo): an archive location with the document types it
// accepts, over the interface record QD_LOCARQ_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"
#include "util/text/zt_string.h"

class CQDLocArq : public CQDRegistroPS<QD_LOCARQ_PS> {
public:
    // One line in Windows-1252 with every stored field of the location, for the operations log:
    // code, description, group or analytic, maximum, available places, and one character 0x01
    // per accepted type in list order (none when the list was not read), which the log report
    // replaces by that type's code and name. The record's own texts never hold a 0x01.
    [[nodiscard]] CZTString ToStringLog() const;
};
