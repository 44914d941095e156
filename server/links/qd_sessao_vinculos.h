// QDSessaoVinculos (sessão: session): what the link operations need of the server object that
// runs them, so that each is a free function a test can call on its own: the document session
// (files, the object itself, its user), the access rule's view of the session, and the company,
// user and session number that the other modules' servers are started with.
//
// The references are the object's own and must outlive the call. The server's one thread.
#pragma once

#include "server/document/qd_acesso_doc.h"
#include "server/document/qd_sessao_docs.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTQD_Srv;

struct QDSessaoVinculos {
    QDSessaoDocs docs;              // data directory, the object itself, its user, content key
    QDSessaoAcesso acesso;          // which documents the session sees
    CZTString strEmpresa;           // the company code
    std::int32_t lNumeroSessao = 0;
};

// The server object `srv` as its link operations see it. The object must outlive the result.
[[nodiscard]] QDSessaoVinculos QDSessaoVinculosDe(CZTQD_Srv& srv);
