// Where the suite's user and branch data lives for the connection library Conexo, and the
// writes that the set-up program uses to seed it.
//
// The data of a company lives in the registry store, under the company's key
// ("SOFTWARE\Quorvel\Empresas\" + company code) of the local machine:
//
//   ...\Usuarios\<code>   "Nome" (text, at most 40 characters), "UsuarioPai" (number, 0 = none),
//                         "Supervisor" (number, 0 or 1), "Filiais" (text: the active branch
//                         numbers 0 to 999 separated by ',', e.g. "1,3")
//   ...\Filiais\<code>    "Nome" (text, at most 60 characters), "Desativada" (number, 0 or 1;
//                         missing: 0): a deactivated branch keeps its records but takes no new work
//
// Codes are written in decimal without leading zeros. Texts are Windows-1252. Every value read is
// checked (type, length, range) before use; a value that fails the check is reported as
// CONEXO_E_DADOS_INVALIDOS, never used. Safe from any thread (the registry serialises).
#pragma once

#include "outside/conexo/filiais_ativas.h"
#include "outside/conexo/regusu_ps.h"
#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <vector>

// The failures of the library, as HRESULTs of the Win32 errors they stand for.
inline constexpr platform::HRESULT CONEXO_E_USUARIO_INEXISTENTE = platform::HResultFromWin32(1317);  // no such user
inline constexpr platform::HRESULT CONEXO_E_FILIAL_INEXISTENTE = platform::HResultFromWin32(1168);   // no such branch, or no name
inline constexpr platform::HRESULT CONEXO_E_DADOS_INVALIDOS = platform::HResultFromWin32(13);        // a stored value fails its check

// Longest branch name, in characters.
constexpr int CONEXO_TAM_NOME_FILIAL = 60;

// The registry key of user `codigo` / branch `codigo` of `empresa`, below the local machine.
[[nodiscard]] CZTString ConexoChaveUsuario(const char* empresa, std::uint16_t codigo);
[[nodiscard]] CZTString ConexoChaveFilial(const char* empresa, std::uint16_t codigo);

// Reads user `codigo` of `empresa` into `reg` and its active branches into `filiais` (either may
// be null). S_OK; E_INVALIDARG for an empty company; CONEXO_E_USUARIO_INEXISTENTE;
// CONEXO_E_DADOS_INVALIDOS; or the registry's error as HRESULT. The outputs change only on S_OK.
[[nodiscard]] platform::HRESULT ConexoLeUsuario(const char* empresa, std::uint16_t codigo, REGUSU_PS* reg,
                                                FILIAIS_ATIVAS* filiais);
// The codes of the users of `empresa` in ascending order (sub-keys whose names are no code are
// not users and are skipped); none when the company has no users' key. S_OK; E_INVALIDARG for
// an empty company; the registry's error.
[[nodiscard]] platform::HRESULT ConexoListaUsuarios(const char* empresa, std::vector<std::uint16_t>& usuarios);
// The codes of the branches of `empresa` in ascending order, as ConexoListaUsuarios lists users.
[[nodiscard]] platform::HRESULT ConexoListaFiliais(const char* empresa, std::vector<std::uint16_t>& filiais);
// Whether branch `codigo` of `empresa` is deactivated. S_OK; E_INVALIDARG for an empty company;
// CONEXO_E_FILIAL_INEXISTENTE; CONEXO_E_DADOS_INVALIDOS; the registry's error. `desativada`
// changes only on S_OK.
[[nodiscard]] platform::HRESULT ConexoLeFilialDesativada(const char* empresa, std::uint16_t codigo, bool& desativada);
// Reads the name of branch `codigo` of `empresa`. S_OK; E_INVALIDARG for an empty company;
// CONEXO_E_FILIAL_INEXISTENTE when the branch or its name is missing or empty;
// CONEXO_E_DADOS_INVALIDOS; or the registry's error. `nome` changes only on S_OK.
[[nodiscard]] platform::HRESULT ConexoLeNomeFilial(const char* empresa, std::uint16_t codigo, CZTString& nome);

// Writes user `reg` of `empresa` with the active branches `filiais` (each 0 to 999), creating
// its key. S_OK; E_INVALIDARG for an empty company, a name too long or a branch out of range;
// or the registry's error.
[[nodiscard]] platform::HRESULT ConexoGravaUsuario(const char* empresa, const REGUSU_PS& reg,
                                                   const std::vector<int>& filiais);
// Writes the name of branch `codigo` of `empresa`, creating its key. S_OK; E_INVALIDARG for an
// empty company or an empty or too long name; or the registry's error.
[[nodiscard]] platform::HRESULT ConexoGravaFilial(const char* empresa, std::uint16_t codigo, const char* nome);
// Marks the existing branch `codigo` of `empresa` deactivated or active again. S_OK; E_INVALIDARG
// for an empty company; CONEXO_E_FILIAL_INEXISTENTE; the registry's error.
[[nodiscard]] platform::HRESULT ConexoGravaFilialDesativada(const char* empresa, std::uint16_t codigo, bool desativada);
