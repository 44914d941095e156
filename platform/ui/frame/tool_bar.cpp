#include "platform/ui/frame/tool_bar.h"

#include "platform/ui/frame/action_cmd_ui.h"
#include "platform/ui/frame/command_strings.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/window/qt_text.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QToolBar>

namespace platform::ui {

namespace {

QToolBar* BarOf(const Wnd& bar) { return static_cast<QToolBar*>(bar.GetWidget()); }

// Picture `index` of the strip; an empty icon when the strip has no such picture.
QIcon PictureOf(const Image& strip, int index) {
    const int left = index * kToolBarButtonWidth;
    if (strip.IsNull() || left + kToolBarButtonWidth > strip.width || strip.height < kToolBarButtonHeight) return {};
    const QImage view(reinterpret_cast<const uchar*>(strip.pixels.data()), strip.width, strip.height, strip.width * 4,
                      QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(view.copy(left, 0, kToolBarButtonWidth, kToolBarButtonHeight)));
}

}  // namespace

ToolBar::ToolBar() = default;

ToolBar::~ToolBar() = default;

BOOL ToolBar::Create(Wnd* parent, UINT id) {
    if (GetSafeHwnd() || !parent || !parent->GetWidget()) return FALSE;
    auto* bar = new QToolBar;
    bar->setMovable(false);
    bar->setIconSize(QSize(kToolBarButtonWidth, kToolBarButtonHeight));
    if (!CreateOver(bar, parent, id)) return FALSE;
    if (auto* frame = qobject_cast<QMainWindow*>(parent->GetWidget())) frame->addToolBar(Qt::TopToolBarArea, bar);
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL ToolBar::LoadToolBar(UINT id) {
    const std::optional<ToolBarTemplate> buttons = LoadToolBarTemplate(id);
    if (!buttons) return FALSE;
    SetButtons(*buttons, LoadBitmapImage(id));
    return TRUE;
}

void ToolBar::SetButtons(const ToolBarTemplate& buttons, const Image& pictures) {
    QToolBar* bar = BarOf(*this);
    if (!bar) return;
    bar->clear();
    buttons_ = buttons;
    int picture = 0;
    const HWND self = m_hWnd;
    for (const UINT id : buttons_) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* button = bar->addAction(PictureOf(pictures, picture++), QString());
        button->setData(id);
        button->setToolTip(QtTextOf(CommandTip(id).GetString()));
        QObject::connect(button, &QAction::triggered, [self, id] {
            Wnd* live = FromHandle(self);
            Wnd* owner = live ? live->GetParent() : nullptr;
            if (owner) owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
        });
    }
}

UINT ToolBar::GetItemID(int index) const {
    return index >= 0 && index < GetCount() ? buttons_[static_cast<std::size_t>(index)] : 0;
}

void ToolBar::UpdateButtons() {
    QToolBar* bar = BarOf(*this);
    if (Wnd* owner = GetParent(); bar && owner) detail::UpdateActions(bar->actions(), *owner);
}

LRESULT ToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_IDLEUPDATECMDUI) return Wnd::WindowProc(message, wParam, lParam);
    UpdateButtons();
    return 0;
}

}  // namespace platform::ui
