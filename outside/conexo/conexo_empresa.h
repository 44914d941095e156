// The companies of the suite and what Conexo keeps of each beside its users and branches: the
// company name (razão social) and the 64-byte systems block (tipos de sistemas) of the start-up
// data, whose bytes the programs' access tests read by offset.
//
// Stored under the company's key ("SOFTWARE\Quorvel\Empresas\" + code) of the local machine:
//   "Nome"           text, at most 60 characters
//   "TiposSistemas"  binary, exactly 64 bytes
// The companies are that key's sub-keys. A missing value (or a missing company) reads as its
// default: an empty name, a block of zeros. Readers and writers serve the embedded default, the
// administration tool and tests. Safe from any thread (the registry serialises).
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <array>
#include <cstdint>
#include <vector>

// Longest company name, in characters.
constexpr int CONEXO_TAM_NOME_EMPRESA = 60;
// The systems block.
constexpr int CONEXO_TAM_TIPOS_SISTEMAS = 64;
using CONEXO_TIPOS_SISTEMAS = std::array<std::uint8_t, CONEXO_TAM_TIPOS_SISTEMAS>;

// The codes of every company, in the registry's (case-insensitive) order; none when the
// companies' key is missing. S_OK or the registry's error.
[[nodiscard]] platform::HRESULT ConexoListaEmpresas(std::vector<CZTString>& empresas);

// The name of `empresa` (empty when none is stored). S_OK; E_INVALIDARG for an empty company;
// CONEXO_E_DADOS_INVALIDOS; the registry's error. `nome` changes only on S_OK.
[[nodiscard]] platform::HRESULT ConexoLeNomeEmpresa(const char* empresa, CZTString& nome);
// Writes the name of `empresa`, creating its key. S_OK; E_INVALIDARG for an empty company or a
// name too long; the registry's error.
[[nodiscard]] platform::HRESULT ConexoGravaNomeEmpresa(const char* empresa, const char* nome);

// The systems block of `empresa` (zeros when none is stored). Results as ConexoLeNomeEmpresa.
[[nodiscard]] platform::HRESULT ConexoLeTiposSistemas(const char* empresa, CONEXO_TIPOS_SISTEMAS& tipos);
// Writes the systems block of `empresa`, creating its key. S_OK; E_INVALIDARG; the registry's error.
[[nodiscard]] platform::HRESULT ConexoGravaTiposSistemas(const char* empresa, const CONEXO_TIPOS_SISTEMAS& tipos);
