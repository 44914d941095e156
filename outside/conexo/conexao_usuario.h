// CConexaoUsuario (user connection) and CConexaoFilial (branch connection): the least of the
// suite's connection library Conexo that the document server calls, over the data described in
// conexo_dados.h.
//
// A connection is bound by Inicializa to a company, a user and a session number; its reads then
// answer for that company. A failure is returned as an HRESULT and, while error handling and
// message display are both on (the default), also shown to the user through the message seam
// (platform/interaction.h); servers switch both off. Not copyable; one thread at a time.
#pragma once

#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/filiais_ativas.h"
#include "outside/conexo/regusu_ps.h"
#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>

// What both connections share: the binding and the failure display.
class CConexaoConexo {
public:
    CConexaoConexo() = default;
    virtual ~CConexaoConexo() = default;
    CConexaoConexo(const CConexaoConexo&) = delete;
    CConexaoConexo& operator=(const CConexaoConexo&) = delete;

    // Error handling (trata erros) on or off: off, failures are only returned.
    void SetTrataErros(bool bTrata) { m_bTrataErros = bTrata; }
    // Message display (tratar mensagens) on or off: off, nothing is ever shown.
    void SetTratarMensagens(bool bTrata) { m_bTratarMensagens = bTrata; }

    [[nodiscard]] const CZTString& GetEmpresa() const { return m_strEmpresa; }
    [[nodiscard]] std::uint16_t GetUsuario() const { return m_iUsuario; }
    [[nodiscard]] std::int32_t GetNumeroSessao() const { return m_lNumeroSessao; }

protected:
    // Binds the connection (the old binding is dropped first). S_OK; E_INVALIDARG for an empty
    // company.
    platform::HRESULT Liga(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);
    // S_OK while bound; E_UNEXPECTED before a successful Inicializa.
    [[nodiscard]] platform::HRESULT Ligada() const;
    // Shows `hr` when it is a failure and the switches allow it; returns it.
    platform::HRESULT Trata(platform::HRESULT hr) const;

private:
    CZTString m_strEmpresa;
    std::uint16_t m_iUsuario = 0;
    std::int32_t m_lNumeroSessao = 0;
    bool m_bLigada = false;
    bool m_bTrataErros = true;
    bool m_bTratarMensagens = true;
};

class CConexaoUsuario : public CConexaoConexo {
public:
    // Binds to `szEmpresa` (the company code) for `iUsuario`, which must exist there. S_OK;
    // E_INVALIDARG; CONEXO_E_USUARIO_INEXISTENTE; CONEXO_E_DADOS_INVALIDOS; a registry error.
    // On failure the connection is unbound.
    platform::HRESULT Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);
    // The bound user's record. S_OK or a failure as for Inicializa; E_UNEXPECTED when unbound.
    [[nodiscard]] platform::HRESULT Le(REGUSU_PS& reg) const;
    // The record of user `iCodigo` of the bound company (a parent user, for instance).
    [[nodiscard]] platform::HRESULT Le(std::uint16_t iCodigo, REGUSU_PS& reg) const;
    // The bound user's active branches: the 1,002-byte table.
    [[nodiscard]] platform::HRESULT LeFiliaisAtivas(FILIAIS_ATIVAS& filiais) const;
};

class CConexaoFilial : public CConexaoConexo {
public:
    // Binds to `szEmpresa`. S_OK; E_INVALIDARG for an empty company.
    platform::HRESULT Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);
    // The name of branch `iFilial` of the bound company into `strNome`. S_OK;
    // CONEXO_E_FILIAL_INEXISTENTE when the branch or its name is missing; CONEXO_E_DADOS_INVALIDOS;
    // a registry error; E_UNEXPECTED when unbound. `strNome` changes only on S_OK.
    [[nodiscard]] platform::HRESULT GetNome(std::uint16_t iFilial, CZTString& strNome) const;
};
