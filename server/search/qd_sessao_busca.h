// QDSessaoBusca (sessão: session; busca: search): what the document searches need of the server
// object that runs them, gathered so that each search is a free function a test can call on its
// own: the data directory, the object itself (the quick search calls its own methods in-process),
// the access rule's view of the session, the user's active branches, and the company, session
// number and user that the account-plan connection is opened for.
//
// The references are the object's own and must outlive the call; the values are copied when the
// search begins, so a search sees the session as it was then. The server's one thread.
#pragma once

#include "outside/conexo/filiais_ativas.h"
#include "server/document/qd_acesso_doc.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTQD_Srv;
class IQDArqBind;
class IZTQD_Srv;

struct QDSessaoBusca {
    IQDArqBind& bind;                // the session's data directory
    IZTQD_Srv& srv;                  // the object itself
    QDSessaoAcesso acesso;           // all rights, user, parent user
    const FILIAIS_ATIVAS& filiais;   // the user's active branches
    CZTString strEmpresa;            // the company path of the session
    std::int32_t lNumeroSessao = 0;
};

// The server object `srv` as its searches see it now. The object must outlive the result.
[[nodiscard]] QDSessaoBusca QDSessaoBuscaDe(CZTQD_Srv& srv);
