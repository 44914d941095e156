#include "server/document/qd_sessao_docs.h"

#include "server/object/zt_qd_srv.h"

QDSessaoDocs QDSessaoDocsDe(CZTQD_Srv& srv) { return {srv, srv, srv.GetUsuario(), srv.GetCrypto()}; }
