// CZTTrocaRecurso ("resource switch"): makes another module the process's resource module, the
// module whose dialog templates, menus and string texts the window layer loads (see
// platform/resource_module.h), typically a library that carries another module's resources.
//
// It keeps the module that was current before the switch; only an explicit Restaura puts it
// back (the destructor does not, so a switch made for the rest of a program's life may be made
// with a temporary). A module that is not loaded, or a null handle, switches nothing: the current
// resource module stays, never "no module", and Restaura is then harmless. Use from the thread
// that owns the windows.
#pragma once

#include "platform/system/library.h"

class CZTTrocaRecurso {
public:
    // Switches to the loaded module `nomeModulo` (named the Windows way, "Recursos.dll"); it is
    // never loaded here.
    explicit CZTTrocaRecurso(const char* nomeModulo);
    // Switches to the module `hModulo`.
    explicit CZTTrocaRecurso(platform::HMODULE hModulo);

    // Makes the module that was current before the switch the resource module again.
    void Restaura();

private:
    platform::HMODULE m_hRecursoAnterior;  // the resource module before the switch
};
