// CQDTipDoc (tipo de documento): a document type with its users, processes and search
// fields, over the interface record QD_TIPDOC_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDTipDoc : public CQDRegistroPS<QD_TIPDOC_PS> {};
