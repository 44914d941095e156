// The process-wide resource module: the module whose dialog templates, menus and string texts
// the window layer loads.
//
// It is the program's own module until someone switches it, typically to a library that carries
// the resources of another language or of a suite module. The window layer asks ResourceModule()
// each time it loads a resource, so a switch takes effect at the next load. Safe from any thread
// (the value is atomic); a switch is seen by every thread.
#pragma once

#include "platform/system/library.h"

namespace platform {

// The current resource module (the program's own module until a switch).
[[nodiscard]] HMODULE ResourceModule();

// Makes `module` the resource module and returns true; a null module is refused (false) and the
// current one stays, so that resource loads never look in "no module".
bool SetResourceModule(HMODULE module);

}  // namespace platform
