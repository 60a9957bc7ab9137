#include "error_boundary.h"

#include <exception>

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
    try {
        action();
    } catch (const std::exception& error) {
        report(onError, error.what());
    } catch (...) {
        report(onError, "Erreur inattendue");
    }
}

}  // namespace pelora
