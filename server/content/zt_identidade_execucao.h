// CZTIdentidadeExecucao: the run-as identity of a program registered as a local server: the
// account it is to run under and that account's password.
//
// The account is the value "RunAs" of the program's AppID key in the classes root
// ("AppID\<program>.exe" names the AppID in its value "AppID"). The password is private data of
// the machine (platform/private_data.h) under the key "SCM:" + AppID, a file only its owner may
// read, holding the password's UTF-16 form with its terminating NUL. The password is never shown,
// logged or written by the reading path; it lives in the caller's string only.
//
// Only this machine's identities can be read: with another machine's name every operation gives
// false. Failures of the reading path give false with no message. Safe from one thread at a time.
#pragma once

#include "util/text/zt_string.h"

// The program name the document server asks with.
inline constexpr const char* ZT_PROGRAMA_SERVIDOR = "Vaultis";

class CZTIdentidadeExecucao {
public:
    // Consults the machine `maquina` (null or empty: this machine).
    explicit CZTIdentidadeExecucao(const char* maquina = nullptr) : m_strMaquina(maquina) {}

    // The account and password under which `programa` runs: true with both filled; false (both
    // empty) when the program has no AppID, its AppID key cannot be opened, there is no stored
    // password, or the stored one is not owner-only or not well formed.
    [[nodiscard]] bool LeIdentidade(const char* programa, CZTString& strConta, CZTString& strSenha) const;

    // Sets the account (value "RunAs") of `programa`'s AppID and stores `senha` as its password;
    // true when the password was stored. False when the program has no AppID or a step fails.
    [[nodiscard]] bool GravaIdentidade(const char* programa, const char* conta, const char* senha) const;

private:
    [[nodiscard]] CZTString LeAppId(const char* programa) const;
    [[nodiscard]] bool EstaMaquina() const;

    CZTString m_strMaquina;
};
