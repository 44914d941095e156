// CZTEditDF: the suite's edit, the base of its masked, date and file-name edits.
//
// A plain edit (platform::ui::Edit) with one text setter of its own that subclasses override,
// so that a form clearing its controls gives each suite edit the empty text its own way.
// User-interface thread.
#pragma once

#include "platform/ui/control/edit.h"

class CZTEditDF : public platform::ui::Edit {
public:
    // Shows `texto` as the program's text; the default is the window text.
    virtual void SetTexto(const char* texto) { SetWindowText(texto); }
};
