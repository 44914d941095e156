// One step of the test script (roteiro: script), as read from its file (le_roteiro.h).
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvo::roteiro {

enum class Verbo {
    Caixa,     // answer the next message box
    Dialogo,   // answer the next dialog of a template
    Comando,   // post a command to the main window
    Digita,    // type a text into a control
    Seleciona, // select a grid row, tree item or combo entry
    Espera,    // wait until a dialog or form of a template is shown
    Clica,     // press a button
    Confere,   // check what a control shows
    Fim,       // close the main window and end the program with 0
};

// Which entry a selection picks: by its place (0 the first) or by its text (Windows-1252).
struct Escolha {
    platform::UINT controle = 0;
    // The windows the control lies in, from the outside in (a path "a/b/control"); empty: found
    // where le_roteiro.h says.
    std::vector<platform::UINT> janelas;
    std::optional<int> indice;
    platform::String texto;
};

struct PassoRoteiro {
    Verbo verbo = Verbo::Fim;
    // Where the step stands in the file: its line number (from 1) and the line as written.
    int linha = 0;
    std::string textoLinha;
    // The template (dialog, wait), the command id (command) or the control (type, click, expect).
    platform::UINT id = 0;
    // The windows a control (type, click, expect) lies in, as Escolha::janelas.
    std::vector<platform::UINT> janelas;
    // The answer of a box, the button a dialog is answered with.
    int resposta = 0;
    // What to choose (select), or what to choose in a dialog before its button.
    std::optional<Escolha> escolha;
    // The text typed, or the text a check expects.
    platform::String texto;
    // The number of entries a check expects; unset when it expects a text.
    std::optional<int> quantidade;
};

// "line <n>: <text as written>", how a step is named in every message about it.
[[nodiscard]] std::string NomeDoPasso(const PassoRoteiro& passo);

}  // namespace kelvo::roteiro
