#include "framework/form/zt_fc_validador.h"

#include "platform/ui/window/wnd.h"

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

CZTFCValidador::CZTFCValidador(platform::UINT nIdControle, const char* pszMensagem, platform::ui::Wnd* pJanela,
                               std::int32_t nChave, std::int32_t nGrupo)
    : m_strMensagem(pszMensagem ? pszMensagem : ""),
      m_nIdControle(nIdControle),
      m_nGrupo(nGrupo),
      m_nMensagem(0),
      m_nChave(nChave),
      m_pJanela(pJanela) {}

CZTFCValidador::CZTFCValidador(platform::UINT nIdControle, std::int32_t nMensagem, platform::ui::Wnd* pJanela,
                               std::int32_t nChave, std::int32_t nGrupo)
    : m_nIdControle(nIdControle), m_nGrupo(nGrupo), m_nMensagem(nMensagem), m_nChave(nChave), m_pJanela(pJanela) {}

BOOL CZTFCValidador::Valida() { return TRUE; }

BOOL CZTFCCampoRequeridoValidador::Valida() {
    if (!CZTFCValidador::Valida()) return FALSE;
    const platform::ui::Wnd* controle = GetJanela() ? GetJanela()->GetDlgItem(GetIdControle()) : nullptr;
    if (!controle) return FALSE;
    platform::String texto;
    controle->GetWindowText(texto);
    return texto.Trim().IsEmpty() ? FALSE : TRUE;
}

CZTFCCustomValidador::CZTFCCustomValidador(ZTFCVALIDACAO pfnValida, platform::UINT nIdControle, const char* pszMensagem,
                                           platform::ui::Wnd* pJanela, std::int32_t nChave, std::int32_t nGrupo)
    : CZTFCValidador(nIdControle, pszMensagem, pJanela, nChave, nGrupo), m_pfnValida(pfnValida) {}

BOOL CZTFCCustomValidador::Valida() {
    if (!CZTFCValidador::Valida()) return FALSE;
    return m_pfnValida && !m_pfnValida(GetJanela(), this) ? FALSE : TRUE;
}
