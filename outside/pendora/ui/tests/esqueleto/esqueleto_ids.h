// The ids of the test programs' skeleton: its resources, controls and commands.
#pragma once

#include "platform/ui/window/wnd.h"

namespace esqueleto {

// The program's menu, toolbar and accelerators; the form's template.
constexpr platform::UINT IDR_MAINFRAME = 128;
constexpr platform::UINT IDD_FORMULARIO = 130;

constexpr platform::UINT IDC_GRID = 1000;
constexpr platform::UINT IDC_CODIGO = 1001;
constexpr platform::UINT IDC_NOME = 1002;

// The splitter panes: the tree at the left, the list over the form at the right.
constexpr int kPainelArvore = 0;
constexpr int kPainelLista = 1;
constexpr int kPainelFormulario = 2;

}  // namespace esqueleto
