#include "outside/pendora/qd_app_info.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/qd_acesso_total.h"

using platform::HRESULT;

CQDAppInfo* CQDAppInfo::GetInstance() {
    static CQDAppInfo instancia;
    return &instancia;
}

HRESULT CQDAppInfo::Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSecao) {
    const HRESULT hr = m_conexao.Inicializa(szEmpresa, iUsuario, lNumeroSecao);
    if (platform::FAILED(hr)) {
        EsqueceUsuario();
        return hr;
    }
    (void)LeUsuario(szEmpresa, iUsuario);  // a user that cannot be read has no rights
    return hr;
}

HRESULT CQDAppInfo::LeUsuario(const char* szEmpresa, std::uint16_t iUsuario) {
    EsqueceUsuario();
    REGUSU_PS reg;
    std::vector<CONEXO_DIREITO> direitos;
    HRESULT hr = ConexoLeUsuario(szEmpresa, iUsuario, &reg, nullptr);
    if (platform::SUCCEEDED(hr)) hr = ConexoLeDireitos(szEmpresa, iUsuario, direitos);
    if (platform::FAILED(hr)) return hr;
    m_usuario = reg;
    m_direitos = std::move(direitos);
    m_bTemPai = reg.iCodigoPai != 0 && platform::SUCCEEDED(ConexoLeUsuario(szEmpresa, reg.iCodigoPai, &m_pai, nullptr));
    return platform::S_OK;
}

HRESULT CQDAppInfo::LePropriedades() { return m_conexao.LePropriedades(m_propriedades); }

void CQDAppInfo::Libera() {
    m_conexao.SetInterface(nullptr);
    EsqueceUsuario();
    m_propriedades.Limpa();
}

void CQDAppInfo::EsqueceUsuario() {
    m_usuario = REGUSU_PS{};
    m_pai = REGUSU_PS{};
    m_bTemPai = false;
    m_direitos.clear();
}

bool CQDAppInfo::PossuiAcesso(std::uint16_t iModulo, std::uint16_t iDireito) const {
    const bool acessoTotalSupervisor = m_propriedades.GetPS().bAcessoTotalSupervisor != 0;
    if (QDAcessoTotal(acessoTotalSupervisor, m_usuario, m_bTemPai ? &m_pai : nullptr)) return true;
    return ConexoTemDireito(m_direitos, iModulo, iDireito);
}
