// The one place where an exception thrown by a handler stops.
//
// Every handler the layer calls (messages, commands, timers, paint, idle work, InitInstance) runs
// inside CallGuarded: an exception is handed to the installed handler and the event loop goes on
// with the next message; nothing reaches Qt. The default handler shows one box with the
// exception's text, or "Erro" for an exception that is no std::exception. User-interface thread.
#pragma once

#include <exception>
#include <functional>
#include <utility>

namespace platform::ui {

using ExceptionHandler = std::function<void(std::exception_ptr)>;

// Installs `handler` (empty: the default box) and returns the previous one.
ExceptionHandler SetExceptionHandler(ExceptionHandler handler);

// Hands a caught exception to the installed handler; never throws.
void HandleDispatchException(std::exception_ptr exception) noexcept;

// Runs `body` and returns its result; `failed` when it threw (the exception went to the handler).
template <class Result, class Body>
Result CallGuarded(Result failed, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        HandleDispatchException(std::current_exception());
        return failed;
    }
}

// Runs `body`; an exception goes to the handler.
template <class Body>
void RunGuarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        HandleDispatchException(std::current_exception());
    }
}

}  // namespace platform::ui
