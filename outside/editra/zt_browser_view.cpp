#include "outside/editra/zt_browser_view.h"

namespace {

// The grid's control id inside the view.
constexpr platform::UINT kIdGrid = 1;

}  // namespace

CZTBrowserView::CZTBrowserView() : m_Grid(*this) {}

CZTBrowserView::~CZTBrowserView() = default;

void CZTBrowserView::OnInitialUpdate() {
    m_Grid.CriaOcupando(this, kIdGrid);
    m_Grid.Inicializa();
    View::OnInitialUpdate();
}

void CZTBrowserView::OnSize(platform::UINT type, int cx, int cy) {
    View::OnSize(type, cx, cy);
    if (m_Grid.GetSafeHwnd()) m_Grid.MoveWindow(0, 0, cx, cy);
}
