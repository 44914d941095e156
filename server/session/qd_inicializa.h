// Opening a session: the body of IZTQD_Srv::Inicializa.
//
// Fixes the company and user of the session, finds the module's data directory, reads the
// user's branches and rights from the suite's user data, creates the properties of a company
// that has none yet, reads the properties, runs the pending migrations, creates the content
// encryption object keyed with the name of branch 1 (never stored), creates the content folder
// and clears what saves cut short left in it. Members are set as the steps go, so a failed start
// leaves them partly set; the server object then keeps the session closed to its client
// (qd_estado_sessao.h) until a later Inicializa, which repeats every step, succeeds. The server's
// thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/session/qd_sessao.h"

class IQDArqBind;
class IZTQD_Srv;
class IZTUserProfileInfo;

// The number of the branch whose name is the content key's pass phrase.
constexpr std::uint16_t QD_FILIAL_CHAVE = 1;

// Opens the session `sessao` of the object `srv` (which is also `bind` and `perfil`, its run-as
// identity) for `ini`. S_OK; 0x80043F59 when the company code is not one key name (see
// qd_codigo_empresa.h) or the company has no data directory for the module;
// the user connection's failure; 16055 | 0x80040000 for a lost QDMESTRE.DAT; the properties'
// read failure; a migration's failure; the branch connection's failure (a branch 1 without name
// included); 0x80040000 | the code of a CZTException of the encryption object; or the content
// folder's Win32 error as HRESULT (of its creation or its clearing). The session's encryption object is dropped at the start and
// set again only when it could be keyed.
[[nodiscard]] platform::HRESULT QDInicializa(IZTQD_Srv& srv, IQDArqBind& bind, IZTUserProfileInfo& perfil,
                                             CQDSessao& sessao, const QD_INICIALIZA_PS& ini);
