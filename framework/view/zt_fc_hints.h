// The framework's update hints: what UpdateAllViews tells a framework document's views. Programs
// number their own hints from ZTFC_HINT_PROGRAMA on.
#pragma once

#include "platform/win_types.h"

// A grid row or rows were selected (a selection block).
constexpr platform::LPARAM ZTFC_HINT_SELECAO_GRID = 1;
// A tree item was selected (a tree block).
constexpr platform::LPARAM ZTFC_HINT_SELECAO_ARVORE = 2;
// A save finished (a result block).
constexpr platform::LPARAM ZTFC_HINT_GRAVACAO = 3;
// A temporary copy of the current record is wanted; the document makes it (a temporary block).
constexpr platform::LPARAM ZTFC_HINT_REGISTRO_TEMPORARIO = 4;
// The selection starts again (the programs' new-record command).
constexpr platform::LPARAM ZTFC_HINT_MULTI_SELECAO = 5;
// The current record was replaced.
constexpr platform::LPARAM ZTFC_HINT_REGISTRO_ATUAL = 6;
// The document has started.
constexpr platform::LPARAM ZTFC_HINT_INICIALIZA = 7;
// The document has stopped.
constexpr platform::LPARAM ZTFC_HINT_FINALIZA = 8;
// Reset: the company closed, or a refresh is coming.
constexpr platform::LPARAM ZTFC_HINT_LIMPA = 9;
// A company was opened (sent before ZTFC_HINT_LIMPA).
constexpr platform::LPARAM ZTFC_HINT_EMPRESA_ABERTA = 10;
// Clear the form.
constexpr platform::LPARAM ZTFC_HINT_LIMPA_FORMULARIO = 11;
// The first hint a program may give its own meaning.
constexpr platform::LPARAM ZTFC_HINT_PROGRAMA = 22;
