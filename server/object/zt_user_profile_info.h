// IZTUserProfileInfo: the run-as identity of the server process, which the content-encryption
// object asks for before it loads that account's profile.
//
// Offered by the server object; used inside the server process only, on its one thread; it never
// crosses the wire. The password lives in the caller's string only while it is needed and is
// never shown, logged or stored.
#pragma once

#include "platform/com/unknown.h"
#include "server/idl/guids.h"
#include "util/text/zt_string.h"

class IZTUserProfileInfo : public platform::IUnknown {
public:
    // Fills the account name (conta) and password (senha) under which the server runs for the
    // application "Vaultis"; true when such an identity exists, false with both empty otherwise.
    [[nodiscard]] virtual bool GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) = 0;

protected:
    ~IZTUserProfileInfo() = default;
};
