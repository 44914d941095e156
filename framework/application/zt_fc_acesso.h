// The framework's access to the running application and its session objects, for every module
// that includes the framework. Each answers null when the object is missing (no application,
// one of another kind, no main window). User-interface thread, except where told.
#pragma once

class CZTFCApp;
class CZTFCUsuario;
class CZTKelvoAppInfo;

namespace platform::ui {
class Wnd;
}

// The running application, when it is a framework application.
[[nodiscard]] CZTFCApp* ZTGetApp();
// The main window of the calling thread: null on any thread but the user-interface thread. Any
// thread.
[[nodiscard]] platform::ui::Wnd* ZTGetMainWnd();
// The running application's user object.
[[nodiscard]] CZTFCUsuario* ZTGetUsuarioApp();
// The running application's application information, when it is a suite application.
[[nodiscard]] CZTKelvoAppInfo* ZTGetAppInfo();
// Whether the running suite application has a company selected.
[[nodiscard]] bool ZTTemEmpresa();
