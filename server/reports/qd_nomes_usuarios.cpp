#include "server/reports/qd_nomes_usuarios.h"

#include "server/reports/qd_monta_relatorio.h"

CQDNomesUsuarios::CQDNomesUsuarios() {
    m_conexao.SetTrataErros(false);
    m_conexao.SetTratarMensagens(false);
}

void CQDNomesUsuarios::Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    // A failed binding makes every read fail, which gives the empty names the reports want.
    (void)m_conexao.Inicializa(szEmpresa, iUsuario, lNumeroSessao);
}

CZTString CQDNomesUsuarios::Nome(std::uint16_t iCodigo) {
    if (const auto achado = m_nomes.find(iCodigo); achado != m_nomes.end()) return achado->second;
    REGUSU_PS reg{};
    CZTString nome;
    if (platform::SUCCEEDED(m_conexao.Le(iCodigo, reg))) nome = QDTextoCampo(reg.szNome);
    m_nomes.emplace(iCodigo, nome);
    return nome;
}

CZTString CQDNomesUsuarios::Nomes(std::uint32_t qtd, const std::uint16_t* pCodigos) {
    CZTString nomes;
    for (std::uint32_t i = 0; pCodigos != nullptr && i < qtd; ++i) {
        if (i > 0) nomes += "; ";
        nomes += Nome(pCodigos[i]);
    }
    return nomes;
}
