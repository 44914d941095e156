// Context help: which help page belongs to a form and to each control of a form.
//
// Nothing of this is compiled in: it is read from the module's context-help file, an XML file in
// the suite's help folder (ZTGetDiretorioAjuda) named after the module's file name followed by
// ".ContextHelp" ("Dossar.ContextHelp"). A help file "X.chm" named there is the folder "X" of HTML
// pages beside it; a topic is a page in that folder, shown with the desktop's opener. Every
// failure (no help folder, no file, unreadable XML, no entry, a missing attribute or page, a gone
// window) shows nothing and gives 0; nothing is ever reported to the user. User-interface thread.
#pragma once

#include "platform/ui/message/messages.h"
#include "util/text/zt_string.h"

// A look-up's result: the help file's path and the topic's link; both empty when nothing was found.
struct ZTFCTopicoAjuda {
    CZTString arquivo;
    CZTString link;
};

// The form `form`'s help file and its attribute `atributo` ("conteudoIndice" or "ajudaKelvo")
// from the context-help file of module `modulo` (a bare file name).
[[nodiscard]] ZTFCTopicoAjuda ZTFCLeAjudaForm(const char* modulo, const char* form, const char* atributo);
// The form's help file and the "link" of its control `idControle`.
[[nodiscard]] ZTFCTopicoAjuda ZTFCLeAjudaControle(const char* modulo, platform::UINT idControle, const char* form);

// Shows the help contents ("conteudoIndice") / the main topic ("ajudaKelvo") of form `form` of the
// module whose code runs: 1 when a page was handed to the desktop's opener, else 0.
int ZTFCAbreAjudaIndice(const char* form);
int ZTFCAbreAjuda(const char* form);
// Shows the topic of the control that `info` names, from the context-help file of the module its
// window was made from (a library's dialog: that library's): 1 when shown, else 0.
int ZTFCAbreAjudaContexto(const platform::ui::HELPINFO* info, const char* form);
