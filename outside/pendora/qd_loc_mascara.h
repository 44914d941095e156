// CQDLocMascara (máscara): the code mask of one group of archive locations, over the
// interface record QD_LOCARQ_MSC_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS; its position is the record's own lPosicao. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDLocMascara : public CQDRegistroPS<QD_LOCARQ_MSC_PS, &QD_LOCARQ_MSC_PS::lPosicao> {};
