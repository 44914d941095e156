// The registration of the Vaultis server in the classes root: its two registry scripts and its
// type library.
//
// Script 100 is the application identity (AppID keys), script 101 the class (ProgIDs and the
// CLSID key with LocalServer32 = the program's path). Both are tables of keys and values with
// the marks %MODULE%, %APPID%, %CLSID% and %LIBID% in place of the program path and identities,
// filled in when they are applied. Registering writes 100, then 101, then the type library, and
// stops at the first failure; unregistering removes all three (the AppID key itself stays) and
// reports the first failure. Safe from any thread.
#pragma once

#include "platform/com/class_registry.h"
#include "platform/hresult.h"

#include <vector>

// The application identity of the server program (AppID).
inline constexpr platform::GUID APPID_Vaultis{
    0x4B4D8D03, 0xA43C, 0x40B2, {0x96, 0xAB, 0xF3, 0x95, 0x9C, 0x95, 0xB7, 0x40}};

// The numbers of the two scripts.
constexpr int QD_SCRIPT_APPID = 100;
constexpr int QD_SCRIPT_CLASSE = 101;

// Script `recurso` (100 or 101) with its marks filled in; empty for another number. The program
// path is quoted when it holds a blank, so that the command line names one program.
[[nodiscard]] std::vector<platform::com::RegistryScriptKey> QDScriptRegistro(int recurso, const char* caminhoModulo);

// Registers the server whose program is `caminhoModulo`: S_OK or 0x80070000 | the Win32 error.
[[nodiscard]] platform::HRESULT QDRegistraVaultis(const char* caminhoModulo);

// Removes the registration: S_OK or 0x80070000 | the first Win32 error.
[[nodiscard]] platform::HRESULT QDDesregistraVaultis();
