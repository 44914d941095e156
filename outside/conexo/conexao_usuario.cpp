#include "outside/conexo/conexao_usuario.h"

#include "platform/com/hresult_text.h"
#include "platform/interaction.h"

using platform::HRESULT;

HRESULT CConexaoConexo::Liga(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    m_bLigada = false;
    m_strEmpresa.Empty();
    if (!szEmpresa || !*szEmpresa) return platform::E_INVALIDARG;
    m_strEmpresa = szEmpresa;
    m_iUsuario = iUsuario;
    m_lNumeroSessao = lNumeroSessao;
    m_bLigada = true;
    return platform::S_OK;
}

HRESULT CConexaoConexo::Ligada() const { return m_bLigada ? platform::S_OK : platform::E_UNEXPECTED; }

HRESULT CConexaoConexo::Trata(HRESULT hr) const {
    if (platform::SUCCEEDED(hr) || !m_bTrataErros || !m_bTratarMensagens) return hr;
    const std::string textoSistema = platform::HResultText(hr);
    CZTString texto;
    texto.Format("%s (0x%08X)", textoSistema.empty() ? "Erro" : textoSistema.c_str(), static_cast<unsigned>(hr));
    platform::CurrentInteraction().ShowMessage(texto, "Conexo", platform::MB_OK | platform::MB_ICONERROR, true);
    return hr;
}

HRESULT CConexaoUsuario::Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    HRESULT hr = Liga(szEmpresa, iUsuario, lNumeroSessao);
    if (platform::SUCCEEDED(hr)) hr = ConexoLeUsuario(szEmpresa, iUsuario, nullptr, nullptr);
    if (platform::FAILED(hr)) (void)Liga(nullptr, 0, 0);
    return Trata(hr);
}

HRESULT CConexaoUsuario::Le(REGUSU_PS& reg) const { return Le(GetUsuario(), reg); }

HRESULT CConexaoUsuario::Le(std::uint16_t iCodigo, REGUSU_PS& reg) const {
    if (const HRESULT hr = Ligada(); platform::FAILED(hr)) return Trata(hr);
    return Trata(ConexoLeUsuario(GetEmpresa(), iCodigo, &reg, nullptr));
}

HRESULT CConexaoUsuario::LeFiliaisAtivas(FILIAIS_ATIVAS& filiais) const {
    if (const HRESULT hr = Ligada(); platform::FAILED(hr)) return Trata(hr);
    return Trata(ConexoLeUsuario(GetEmpresa(), GetUsuario(), nullptr, &filiais));
}

HRESULT CConexaoFilial::Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    return Trata(Liga(szEmpresa, iUsuario, lNumeroSessao));
}

HRESULT CConexaoFilial::GetNome(std::uint16_t iFilial, CZTString& strNome) const {
    if (const HRESULT hr = Ligada(); platform::FAILED(hr)) return Trata(hr);
    return Trata(ConexoLeNomeFilial(GetEmpresa(), iFilial, strNome));
}
