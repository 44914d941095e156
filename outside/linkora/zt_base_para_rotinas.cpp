#include "outside/linkora/zt_base_para_rotinas.h"

#include <optional>

namespace {

std::optional<ZT_ACESSO_SERVIDORES> g_acessoDefault;

}  // namespace

bool CZTInicializador::Inicializa(const char* szEmpresa, std::uint16_t iFilial, std::int32_t lNumeroSecao) {
    m_acesso = {CZTString(szEmpresa ? szEmpresa : ""), iFilial, lNumeroSecao};
    return true;
}

void CZTBaseParaRotinas::SetAcessoServidoresDefault(const ZT_ACESSO_SERVIDORES* pAcesso) {
    g_acessoDefault = pAcesso ? std::optional(*pAcesso) : std::nullopt;
}

const ZT_ACESSO_SERVIDORES* CZTBaseParaRotinas::GetAcessoServidoresDefault() {
    return g_acessoDefault ? &*g_acessoDefault : nullptr;
}
