// The client library's dialogs add nothing to the framework dialog; this unit keeps their
// headers compiling on their own.
#include "outside/pendora/ui/qd_dialog.h"
#include "outside/pendora/ui/qd_rel_dialog.h"
