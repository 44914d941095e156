#include "framework/app/zt_kelvo_usuario.h"

#include <algorithm>

void CZTKelvoUsuario::SetControles(int qtd, const std::uint16_t* codigos) {
    m_acessos.assign(static_cast<std::uint16_t>(qtd), {});
    for (std::size_t i = 0; i < m_acessos.size(); ++i) m_acessos[i].iCodigo = codigos[i];
}

void CZTKelvoUsuario::SetAcesso(std::uint16_t codigo, std::int32_t temAcesso) {
    const auto entrada = std::ranges::find(m_acessos, codigo, &_ZTKelvoTemAcesso::iCodigo);
    if (entrada != m_acessos.end()) entrada->lTemAcesso = temAcesso;
}

std::int32_t CZTKelvoUsuario::GetAcesso(std::uint16_t codigo) const {
    const auto entrada = std::ranges::find(m_acessos, codigo, &_ZTKelvoTemAcesso::iCodigo);
    return entrada == m_acessos.end() ? 0 : entrada->lTemAcesso;
}

bool CZTKelvoUsuario::TemAlgumAcesso() const {
    return std::ranges::any_of(m_acessos, [](const _ZTKelvoTemAcesso& a) { return a.lTemAcesso != 0; });
}

void CZTKelvoUsuario::Limpa() {
    m_strNomeUsuario.Empty();
    m_bSupervisor = 0;
    for (auto& entrada : m_acessos) entrada.lTemAcesso = 0;
}
