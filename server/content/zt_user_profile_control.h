// CZTUserProfileControl: makes sure the content key is used under the server's run-as account,
// the account whose profile the original platform loaded before it made the key.
//
// On this platform there is no profile to load and no logon to make: the key is derived in the
// process and kept nowhere. What remains is the identity. A process cannot become another
// account here without losing its registry store and files (they belong to the user who started
// it), so the account counts as taken only when the process already runs as it (started so by
// whoever launches the server). Otherwise the control says so in the event log and the process
// goes on as the current user. The password is handed over but not checked: no part of this
// platform verifies account passwords.
//
// IZTPerfilUsuario is what the encryption object needs of it, so tests can put a recorder in its
// place. One object per encryption object, on the server's one thread.
#pragma once

#include "util/text/zt_string.h"

#include <vector>

class IZTPerfilUsuario {
public:
    virtual ~IZTPerfilUsuario() = default;
    // Takes the identity of `usuario` of `dominio` ("." or this machine's name: a local account),
    // logging and going on as the current user when it cannot. Throws CZTException* with an
    // empty text and the Win32 error when the account data cannot be read at all.
    virtual void CarregaPerfil(const CZTString& strDominio, const CZTString& strUsuario, const CZTString& strSenha) = 0;
};

class CZTUserProfileControl final : public IZTPerfilUsuario {
public:
    void CarregaPerfil(const CZTString& strDominio, const CZTString& strUsuario, const CZTString& strSenha) override;

    // True when `usuario`'s identity was taken (names compared without regard to case).
    [[nodiscard]] bool EstaCarregado(const char* usuario) const;

private:
    // An account whose identity the process holds (ZTUserProfile: only the name is left of it).
    struct ZTUserProfile {
        CZTString strUsuario;
    };
    std::vector<ZTUserProfile> m_perfis;
};
