#include "outside/empral/zt_dados_inicializacao.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/empral/zt_emp.h"
#include "outside/empral/zt_sessoes.h"
#include "platform/system/account.h"
#include "util/config/module_table.h"

#include <algorithm>

namespace {

// Whether session `sessao` may be used by this process for `empresa`: the same system account
// and the same company (company codes, like their keys, ignore case).
bool SessaoDoProcesso(const ZT_SESSAO& sessao, const CZTString& empresa) {
    platform::String conta;
    if (platform::ProcessAccountName(conta)) return false;
    return sessao.strConta == conta && sessao.strEmpresa.CompareNoCase(empresa) == 0;
}

}  // namespace

bool CZTDadosInicializacao::AchaSessao(const CZTParametroInicializacao& parametros, std::int32_t& lNumeroSecao,
                                       std::uint16_t& iUsuario) {
    const CZTString& empresa = parametros.GetEmpresa();
    if (const auto escolha = CZTEmp::TomaEscolhaPendente()) {
        iUsuario = escolha->iUsuario;
        return platform::SUCCEEDED(ZTAbreSessao(empresa, iUsuario, lNumeroSecao));
    }
    ZT_SESSAO sessao;
    if (parametros.GetNumeroSecao() == 0 || ZTLeSessao(parametros.GetNumeroSecao(), sessao) != platform::S_OK) {
        return false;
    }
    if (!SessaoDoProcesso(sessao, empresa)) return false;
    lNumeroSecao = parametros.GetNumeroSecao();
    iUsuario = sessao.iUsuario;
    return true;
}

bool CZTDadosInicializacao::BuscaDados(CZTParametroInicializacao parametros, int /*iOpcao1*/, int /*iOpcao2*/,
                                       int /*iOpcao3*/) {
    Esvazia();
    std::int32_t numero = 0;
    std::uint16_t usuario = 0;
    if (!AchaSessao(parametros, numero, usuario) || !LeDados(parametros.GetEmpresa(), usuario)) {
        Esvazia();
        return false;
    }
    m_lNumeroSecao = numero;
    m_controles = parametros.GetControlesAcesso();
    return true;
}

bool CZTDadosInicializacao::LeDados(const char* szEmpresa, std::uint16_t iUsuario) {
    return platform::SUCCEEDED(ConexoLeUsuario(szEmpresa, iUsuario, &m_usuario, nullptr)) &&
           platform::SUCCEEDED(ConexoLeDireitos(szEmpresa, iUsuario, m_direitos)) &&
           platform::SUCCEEDED(ConexoLeTestarEnter(szEmpresa, iUsuario, m_bTestarEnter)) &&
           platform::SUCCEEDED(ConexoLeNomeEmpresa(szEmpresa, m_strRazaoSocial)) &&
           platform::SUCCEEDED(ConexoLeTiposSistemas(szEmpresa, m_tiposSistemas));
}

void CZTDadosInicializacao::Esvazia() { *this = CZTDadosInicializacao(); }

bool CZTDadosInicializacao::GetTemAcesso(std::uint16_t iCodigo) const {
    return ConexoTemDireito(m_direitos, ZT_MODULO_GED, iCodigo);
}

bool CZTDadosInicializacao::GetTemAcesso() const {
    if (m_controles.empty()) {
        return std::any_of(m_direitos.begin(), m_direitos.end(),
                           [](const CONEXO_DIREITO& direito) { return direito.iModulo == ZT_MODULO_GED; });
    }
    return std::any_of(m_controles.begin(), m_controles.end(),
                       [this](std::uint16_t codigo) { return GetTemAcesso(codigo); });
}
