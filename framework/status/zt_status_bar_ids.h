// The numbers of the framework's status bar: its pane flags, its panes (which are also the ids of
// their initial texts), its pictures and the window messages it handles.
#pragma once

#include "platform/ui/message/messages.h"

// Pane flags: which panes the bar has (CZTStatusBar::SetPaineis).
constexpr platform::UINT ZTSTATUS_PAINEL_CAPS = 0x01;
constexpr platform::UINT ZTSTATUS_PAINEL_NUM = 0x02;
constexpr platform::UINT ZTSTATUS_PAINEL_SCRL = 0x04;
constexpr platform::UINT ZTSTATUS_PAINEL_TEXTO_MARCADO = 0x08;
constexpr platform::UINT ZTSTATUS_PAINEL_ESTADO = 0x10;
constexpr platform::UINT ZTSTATUS_PAINEL_ANIMACAO = 0x20;
constexpr platform::UINT ZTSTATUS_PAINEL_ICONE = 0x40;
constexpr platform::UINT ZTSTATUS_PAINEL_USUARIO = 0x80;
// Caps, num and scroll lock and the state picture.
constexpr platform::UINT ZTSTATUS_PAINEIS_PADRAO = 23;

// The bar's own panes.
constexpr platform::UINT ID_ZTSTATUS_TEXTO_MARCADO = 548;
constexpr platform::UINT ID_ZTSTATUS_ANIMACAO = 550;
constexpr platform::UINT ID_ZTSTATUS_ESTADO = 551;
constexpr platform::UINT ID_ZTSTATUS_ICONE = 552;
constexpr platform::UINT ID_ZTSTATUS_USUARIO = 553;

// Pictures: the save state (idle, queued, busy; 41 x 13 each), the icons (two of 15 x 14, black
// transparent) and the animation (three frames of 26 x 13, pure green transparent).
constexpr platform::UINT IDB_ZTSTATUS_ESTADO_0 = 561;
constexpr platform::UINT IDB_ZTSTATUS_ESTADO_1 = 560;
constexpr platform::UINT IDB_ZTSTATUS_ESTADO_2 = 562;
constexpr platform::UINT IDB_ZTSTATUS_ICONES = 563;
constexpr platform::UINT IDB_ZTSTATUS_ANIMACAO = 579;

// Window messages of the bar.
// wParam: the save state 0..2.
constexpr platform::UINT WM_ZTSTATUS_ESTADO = platform::ui::WM_USER + 500;
// The shared text becomes the animated pane's text.
constexpr platform::UINT WM_ZTSTATUS_TEXTO = platform::ui::WM_USER + 501;
// wParam 0 starts the animation with the shared text, lParam first frame * 65536 + last frame;
// wParam 1 stops it.
constexpr platform::UINT WM_ZTSTATUS_ANIMACAO = platform::ui::WM_USER + 502;
// wParam: the icon's index.
constexpr platform::UINT WM_ZTSTATUS_ICONE = platform::ui::WM_USER + 503;
// The payload: a copy of the marked text.
constexpr platform::UINT WM_ZTSTATUS_TEXTO_MARCADO = platform::ui::WM_USER + 504;
