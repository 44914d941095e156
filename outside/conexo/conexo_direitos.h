// What Conexo keeps of a user beside its record and branches: the rights granted to it
// (direitos: module and right pairs) and whether Enter moves between fields as Tab does
// (testar Enter).
//
// Stored in the user's key (ConexoChaveUsuario, conexo_dados.h):
//   "Direitos"     text: the granted pairs "module:right" separated by ',', e.g. "21:1,21:2,1:33"
//                  (decimal, 0 to 65535 each; at most CONEXO_MAX_DIREITOS pairs)
//   "TestarEnter"  number, 0 or 1
// A missing "Direitos" grants nothing; a missing "TestarEnter" is 1. Readers and writers serve
// the embedded default, the administration tool and tests. Safe from any thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>
#include <vector>

// The most pairs one user's list holds.
constexpr int CONEXO_MAX_DIREITOS = 4096;

// One granted right: right `iDireito` of module `iModulo`.
struct CONEXO_DIREITO {
    std::uint16_t iModulo = 0;
    std::uint16_t iDireito = 0;
    friend bool operator==(const CONEXO_DIREITO&, const CONEXO_DIREITO&) = default;
};

// The rights granted to user `usuario` of `empresa`, in stored order; `pGravados` (when given)
// tells whether the value is stored at all. S_OK; E_INVALIDARG for an empty company;
// CONEXO_E_USUARIO_INEXISTENTE; CONEXO_E_DADOS_INVALIDOS; the registry's error. The outputs
// change only on S_OK.
[[nodiscard]] platform::HRESULT ConexoLeDireitos(const char* empresa, std::uint16_t usuario,
                                                 std::vector<CONEXO_DIREITO>& direitos, bool* pGravados = nullptr);
// Replaces the rights of the existing user `usuario`. S_OK; E_INVALIDARG for an empty company or
// more than CONEXO_MAX_DIREITOS pairs; CONEXO_E_USUARIO_INEXISTENTE; the registry's error.
[[nodiscard]] platform::HRESULT ConexoGravaDireitos(const char* empresa, std::uint16_t usuario,
                                                    const std::vector<CONEXO_DIREITO>& direitos);

// Whether Enter acts as Tab for the user (true when nothing is stored). Results as ConexoLeDireitos.
[[nodiscard]] platform::HRESULT ConexoLeTestarEnter(const char* empresa, std::uint16_t usuario, bool& testarEnter);
// Stores it for the existing user. Results as ConexoGravaDireitos.
[[nodiscard]] platform::HRESULT ConexoGravaTestarEnter(const char* empresa, std::uint16_t usuario, bool testarEnter);

// True when `direitos` holds right `direito` of module `modulo`.
[[nodiscard]] bool ConexoTemDireito(const std::vector<CONEXO_DIREITO>& direitos, std::uint16_t modulo,
                                    std::uint16_t direito);
