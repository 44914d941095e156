// The registry reads and writes that every data file of Conexo shares, and with it the company
// library Empral's sessions: an open key, and the checked text, number and byte values of one
// key. Not for programs: they go through the readers and writers of the data.
//
// Every read checks type and length before the value is used; a value that fails the check is
// CONEXO_E_DADOS_INVALIDOS. Safe from any thread (the registry serialises).
#pragma once

#include "outside/conexo/conexo_dados.h"
#include "platform/registry/registry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace conexo_detail {

// An open key below the local machine, closed with the object.
class Chave {
public:
    Chave() = default;
    ~Chave() { (void)platform::Registry::CloseKey(m_hKey); }
    Chave(const Chave&) = delete;
    Chave& operator=(const Chave&) = delete;

    [[nodiscard]] platform::Win32Error Abre(const CZTString& caminho) {
        return platform::Registry::OpenKey(platform::HKEY_LOCAL_MACHINE, caminho, platform::KEY_READ, &m_hKey);
    }
    // Opens an existing key for reading and writing.
    [[nodiscard]] platform::Win32Error AbreParaGravar(const CZTString& caminho) {
        return platform::Registry::OpenKey(platform::HKEY_LOCAL_MACHINE, caminho, platform::KEY_ALL_ACCESS, &m_hKey);
    }
    [[nodiscard]] platform::Win32Error Cria(const CZTString& caminho) {
        return platform::Registry::CreateKey(platform::HKEY_LOCAL_MACHINE, caminho, &m_hKey);
    }
    [[nodiscard]] platform::HKEY Get() const { return m_hKey; }

private:
    platform::HKEY m_hKey = nullptr;
};

// The HRESULT of a missing value, which several readers turn into their default.
inline constexpr platform::HRESULT kValorAusente = platform::HResultFromWin32(platform::ERROR_FILE_NOT_FOUND);

// The text value `nome` of at most `maximo` characters (a stored terminator is dropped). S_OK;
// kValorAusente; CONEXO_E_DADOS_INVALIDOS for another type or a longer text.
[[nodiscard]] platform::HRESULT LeTexto(const Chave& chave, const char* nome, platform::DWORD maximo, std::string& texto);
// The number value `nome`, at most `maximo`; a missing value is `padrao`.
[[nodiscard]] platform::HRESULT LeNumero(const Chave& chave, const char* nome, platform::DWORD maximo,
                                         platform::DWORD& numero, platform::DWORD padrao = 0);
// The binary value `nome` of exactly `tamanho` bytes into `destino`. S_OK; kValorAusente;
// CONEXO_E_DADOS_INVALIDOS for another type or size. `destino` changes only on S_OK.
[[nodiscard]] platform::HRESULT LeBytes(const Chave& chave, const char* nome, void* destino, std::size_t tamanho);

[[nodiscard]] platform::HRESULT GravaTexto(const Chave& chave, const char* nome, const std::string& texto);
[[nodiscard]] platform::HRESULT GravaNumero(const Chave& chave, const char* nome, platform::DWORD numero);
[[nodiscard]] platform::HRESULT GravaBytes(const Chave& chave, const char* nome, const void* dados, std::size_t tamanho);

// The names of the sub-keys of `caminho` (none when it is missing), at most `maximo` of them.
// S_OK; CONEXO_E_DADOS_INVALIDOS past `maximo`; a registry error.
[[nodiscard]] platform::HRESULT ListaSubChaves(const CZTString& caminho, std::size_t maximo,
                                               std::vector<CZTString>& nomes);

// A code as Conexo writes it: decimal, without leading zeros, 0 to 65535.
[[nodiscard]] bool InterpretaCodigo(std::string_view texto, std::uint16_t& codigo);

// The company's key, "SOFTWARE\Quorvel\Empresas\<empresa>".
[[nodiscard]] CZTString ChaveEmpresa(const char* empresa);

// True for a company code that can be looked up (not null, not empty).
[[nodiscard]] inline bool EmpresaValida(const char* empresa) { return empresa && *empresa; }

}  // namespace conexo_detail
