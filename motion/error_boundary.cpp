#include "error_boundary.h"

#include <exception>
#include <new>

#include "motion/error.h"

namespace pelora {
namespace {

void report(const ErrorHandler& onError, const std::string& message) noexcept {
    if (!onError) {
        return;
    }
    try {
        onError(message);
    } catch (...) {
        // The error display itself failed: there is nobody left to tell, and Qt must not see it.
    }
}

}  // namespace

void runGuarded(const std::function<void()>& action, const ErrorHandler& onError) noexcept {
    if (!action) {
        return;
    }
    // The show's own errors carry a French message; a library's (the standard library's, Qt's)
    // carry English ones, which the operator is not shown: every text on the screen is French.
    try {
        action();
    } catch (const ShowError& error) {
        report(onError, error.what());
    } catch (const std::bad_alloc&) {
        report(onError, "Mémoire insuffisante");
    } catch (const std::exception&) {
        report(onError, "Erreur interne inattendue");
    } catch (...) {
        report(onError, "Erreur inattendue");
    }
}

}  // namespace pelora
