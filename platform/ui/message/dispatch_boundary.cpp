#include "platform/ui/message/dispatch_boundary.h"

#include "platform/interaction.h"
#include "platform/ui/app/win_app.h"

namespace platform::ui {

namespace {

void ShowException(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& error) {
        AfxMessageBox(error.what(), MB_ICONERROR);
    } catch (...) {
        AfxMessageBox("Erro", MB_ICONERROR);
    }
}

ExceptionHandler& InstalledHandler() {
    static ExceptionHandler handler;
    return handler;
}

}  // namespace

ExceptionHandler SetExceptionHandler(ExceptionHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}

void HandleDispatchException(std::exception_ptr exception) noexcept {
    try {
        const ExceptionHandler& handler = InstalledHandler();
        handler ? handler(exception) : ShowException(exception);
    } catch (...) {
        // A handler that fails in its turn must not take the event loop with it.
    }
}

}  // namespace platform::ui
