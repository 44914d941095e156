// How the framework settles an exception that a handler let reach the window layer's dispatch
// boundary (exceção não tratada: exception nobody caught). A framework application installs it
// for its lifetime (CZTFCApp).
//
// An error object of the framework or the suite ends quietly: it was reported when it was made.
// A CZTException thrown by pointer is shown with its own ReportError and deleted. Anything else
// shows one error box, captioned with the application's title, with the exception's text and the
// HRESULT that ZTHResultDeExcecao gives it; a framework exception thrown by pointer is deleted
// after. Never throws. User-interface thread.
#pragma once

#include <exception>

void ZTTrataExcecaoNaoTratada(std::exception_ptr excecao);
