// CQDDoc (documento): a document with its users, field values, link origins, content
// and description, over the interface record QD_DOC_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDDoc : public CQDRegistroPS<QD_DOC_PS> {};
