// The one boundary where the platform calls into the show's code (timer ticks, calls posted to
// the event loop, pointer and paint events of the scene's items, the window's handlers). An
// exception unwinding through the toolkit would leave it in a bad state, so everything is caught
// here and its message handed on to the error display, which shows it once the event loop is
// back: the boundary never opens a box itself.
#pragma once

#include <functional>
#include <string>

namespace pelora {

// Where the message of an error caught at the boundary goes.
using ErrorHandler = std::function<void(const std::string& message)>;

// Runs the action; what it throws goes to the handler as a French message: a ShowError's own,
// "Mémoire insuffisante" for a failed allocation, "Erreur interne inattendue" for any other
// standard exception (a library's, in English), "Erreur inattendue" for anything else. Never
// throws: a failing handler is ignored.
void runGuarded(const std::function<void()>& action, const ErrorHandler& onError) noexcept;

}  // namespace pelora
