// The one-time conversions of a company's stored data that every session start runs, each
// marked done in the properties record so that it runs once per company.
//
// Called by Inicializa on the server's thread once the properties have been read.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/session/qd_sessao.h"

class IZTQD_Srv;

// Runs the pending migrations of the session's company in their order and returns S_OK or the
// first failing one's HRESULT. `prop` holds the properties as read (their marks); `srv` is the
// session's own object, through which a migration writes the properties again. No conversion
// is built yet: every company this build knows was created in the current layouts (see
// QDCriaMestreNovo), so there is nothing to convert and the answer is S_OK.
[[nodiscard]] platform::HRESULT QDExecutaMigracoes(IZTQD_Srv& srv, const CQDSessao& sessao,
                                                   const QD_PROPRIEDADES_PS& prop);
