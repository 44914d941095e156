// CQDLocArq (localização de arquivo): an archive location with the document types it
// accepts, over the interface record QD_LOCARQ_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDLocArq : public CQDRegistroPS<QD_LOCARQ_PS> {};
