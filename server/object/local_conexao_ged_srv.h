// CLocalConexaoGedSrv: the client library's typed connection bound to a server object itself,
// so that a method can call other methods of its own object (reads, the log batch) in the same
// process and on the same thread.
//
// Built on the stack inside a method; it holds a reference to the object while it lives and
// shows no message (failures are the calling method's to return). One thread.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"

class CLocalConexaoGedSrv : public CSilentConexaoGedSrv {
public:
    explicit CLocalConexaoGedSrv(IZTQD_Srv* pSrv) { SetInterface(pSrv); }
};
