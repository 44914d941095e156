// IZTFonteIdentidade: where the content-encryption object learns the account the server runs
// as (fonte de identidade: identity source).
//
// The server object supplies it (the question its IZTUserProfileInfo answers); tests supply
// their own. Used on the server's one thread. The password lives in the caller's string only
// while it is needed and is never shown, logged or stored.
#pragma once

#include "util/text/zt_string.h"

class IZTFonteIdentidade {
public:
    // Fills the run-as account (conta, "domain\user" or ".\user") and its password (senha); true
    // when the server has such an identity, false otherwise.
    [[nodiscard]] virtual bool GetUserProfileInfo(CZTString& strConta, CZTString& strSenha) = 0;

protected:
    ~IZTFonteIdentidade() = default;
};
