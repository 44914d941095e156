// CQDArrayPonteiros (ponteiros: record positions): a list of positions, over the interface record
// QD_ARRAY_PONTEIROS_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDArrayPonteiros : public CQDRegistroPS<QD_ARRAY_PONTEIROS_PS> {};
