#include "framework/app/zt_kelvo_app_info.h"

#include "framework/application/zt_fc_acesso.h"
#include "platform/ui/window/wnd.h"

#include <cstring>

CZTKelvoAppInfo::CZTKelvoAppInfo() : m_strSistema("DF") {}

void CZTKelvoAppInfo::SetEmpresa(const char* empresa, std::uint16_t filial) {
    m_strEmpresa = empresa;
    m_iFilial = filial;
}

void CZTKelvoAppInfo::SetEmpresa(const char* empresa, std::uint16_t filial, std::int32_t numeroSecao) {
    SetEmpresa(empresa, filial);
    m_lNumeroSecao = numeroSecao;
    m_bPreSelecionada = 1;
    m_strEmpresaPreSelecionada = m_strEmpresa;
    m_iFilialPreSelecionada = filial;
    m_lSecaoPreSelecionada = numeroSecao;
}

void CZTKelvoAppInfo::FechaEmpresa() {
    m_strEmpresa.Empty();
    m_iFilial = 0;
}

void CZTKelvoAppInfo::ReabreEmpresaPreSelecionada() {
    if (!GetEmpresaPreSelecionada()) return;
    m_strEmpresa = m_strEmpresaPreSelecionada;
    m_iFilial = m_iFilialPreSelecionada;
    m_lNumeroSecao = m_lSecaoPreSelecionada;
}

void CZTKelvoAppInfo::SetRazaoSocial(const char* razaoSocial) {
    m_strRazaoSocial = razaoSocial;
    platform::ui::Wnd* principal = ZTGetMainWnd();
    if (!principal || !principal->GetSafeHwnd()) return;
    principal->SendMessage(ZT_WM_RAZAO_SOCIAL, reinterpret_cast<platform::WPARAM>(m_strRazaoSocial.GetString()));
}

std::uint16_t CZTKelvoAppInfo::GetValorTiposSistemas() const {
    std::uint16_t valor = 0;
    std::memcpy(&valor, m_tiposSistemas.bytes + 4, sizeof valor);  // little-endian, as the block was written
    return valor;
}

bool CZTKelvoAppInfo::IsByte30TiposSistemasS() const {
    return m_tiposSistemas.bytes[30] == 'S' || m_tiposSistemas.bytes[30] == 's';
}
