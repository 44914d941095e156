// CQDPropriedades (propriedades): the company database's properties with their four texts,
// over the interface record QD_PROPRIEDADES_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "server/idl/records.h"

class CQDPropriedades : public CQDRegistroPS<QD_PROPRIEDADES_PS> {};
