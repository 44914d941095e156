// QDSessaoDocs (sessão: session): what the document operations need of the server object that
// runs them, gathered so that each operation is a free function a test can call on its own.
//
// The references are the object's own and must outlive the call. The object's log batches and
// its link removal go through `srv` on the same thread (the object calls itself in-process).
#pragma once

#include <cstdint>

class CCrypto;
class CZTQD_Srv;
class IQDArqBind;
class IZTQD_Srv;

struct QDSessaoDocs {
    IQDArqBind& bind;             // the session's data directory
    IZTQD_Srv& srv;               // the object itself
    std::uint16_t iUsuario = 0;   // the session user: who included or changed a document
    CCrypto* pCrypto = nullptr;   // the session's content key; null when it has none
};

// The server object `srv` as its document operations see it: itself, its session user and its
// content key. The object must outlive the result.
[[nodiscard]] QDSessaoDocs QDSessaoDocsDe(CZTQD_Srv& srv);
