// Reads the test script: one step a line, in the format below (UTF-8 file; texts are kept in
// Windows-1252).
//
//   # a comment; blank lines and text after '#' at a line's start are ignored
//   box <answer>                    answers the next message box
//   dialog <template> <button>      clicks <button> of the open dialog of <template>, else of the
//                                   next one, once it shows
//   dialog <template> <button> select <control> index <n>
//   dialog <template> <button> select <control> text <text>
//                                   ... after choosing the entry of <control> (see select)
//   command <id>                    posts WM_COMMAND <id> to the main window
//   type <control> <text>           sets the text of <control>, as typing it does
//   select <control> index <n>      selects entry <n> (0 the first) of a grid (its rows), a tree
//   select <control> text <text>    (its items, depth first) or a combo, or the first whose text
//                                   (for a grid: any shown cell of the row) is <text>
//   wait <template>                 waits until a dialog or form view of <template> is shown (done
//                                   at once when one is open or was shown since the step before)
//   click <control>                 presses button <control> as the user does (its parent hears
//                                   BN_CLICKED); fails when it is missing, no button, disabled
//                                   or hidden
//   expect <control> text <text>    checks that <control> shows <text>: an edit's, static's or
//                                   button's own text; for a grid some data row's shown cell, for
//                                   a tree some item, for a combo some entry
//   expect <control> count <n>      checks that a grid has <n> data rows (the totals line not
//                                   counted), a tree <n> items (all, depth first), a combo <n>
//                                   entries; a check that does not hold says what it found
//   end                             closes the main window; the program ends with 0
//
// Numbers are decimal or 0x hexadecimal. An answer or button is a number or one of ok, cancel,
// abort, retry, ignore, yes, no. A <text> is the rest of the line after one space, as written.
// Answers (box, dialog) go before the step that opens their box or dialog: they are in place
// before that step runs; the answers at the top are in place before the program starts. Every
// other step runs once the step before is done and the program is idle. Controls are looked for
// in the dialog shown last and still open, else in the main window's active view, then in the
// whole main window; to act on a dialog a command opens, wait for it first. A <control> may be a
// path of ids, "<window>/<window>/<id>": each window is looked for inside the one before (the
// first in the dialog shown last and still open, else in the main window), the control in the
// last; panes of one frame repeat ids (two forms' IDOK), and a path names the one meant.
#pragma once

#include "outside/pendora/ui/roteiro/passo_roteiro.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvo::roteiro {

struct LeituraRoteiro {
    std::vector<PassoRoteiro> passos;
    // Empty when every line was read; else "line <n>: <why>: <line>" for the first bad line.
    std::string erro;
};

// Reads every line of `conteudo`; stops at the first line it cannot read.
[[nodiscard]] LeituraRoteiro LeRoteiro(std::string_view conteudo);

}  // namespace kelvo::roteiro
