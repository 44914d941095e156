#include "outside/editra/zt_base_edit_ex_df.h"

#include <algorithm>
#include <string>

using platform::UINT;

void CBaseEditExDF::SetStatic(UINT id) {
    m_nStatic = id;
    AtualizaStatic();
}

void CBaseEditExDF::AtualizaStatic() {
    platform::ui::Wnd* pai = GetParent();
    platform::ui::Wnd* estatico = pai && m_nStatic ? pai->GetDlgItem(m_nStatic) : nullptr;
    if (estatico) estatico->SetWindowText(GetTextoStatic());
}

void CBaseEditExDF::SetTexto(const char* texto) {
    SetWindowText(texto);
    OnTextoDigitado(false);
}

std::vector<std::uint16_t> CBaseEditExDF::CodigosDoTexto() const {
    platform::String texto;
    GetWindowText(texto);
    std::vector<std::uint16_t> codigos;
    const std::string& s = texto.str();
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] < '0' || s[i] > '9') {
            ++i;
            continue;
        }
        unsigned long valor = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) valor = std::min(valor * 10 + static_cast<unsigned long>(s[i] - '0'), 0x10000UL);
        if (valor > 0xFFFF) continue;
        const auto codigo = static_cast<std::uint16_t>(valor);
        if (std::find(codigos.begin(), codigos.end(), codigo) == codigos.end()) codigos.push_back(codigo);
    }
    return codigos;
}

void CBaseEditExDF::MostraCodigos(const std::vector<std::uint16_t>& codigos) {
    std::string texto;
    for (const std::uint16_t codigo : codigos) {
        if (!texto.empty()) texto += ", ";
        texto += std::to_string(codigo);
    }
    m_strMostrado = texto;
    SetWindowText(m_strMostrado);
}

platform::LRESULT CBaseEditExDF::WindowProc(UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
    if (message == platform::ui::WM_KILLFOCUS) {
        platform::String texto;
        GetWindowText(texto);
        if (!(texto == m_strMostrado)) OnTextoDigitado(true);
    }
    return CZTEditDF::WindowProc(message, wParam, lParam);
}
