// The boundary where Qt calls into the show's code: an exception unwinding through Qt would leave
// it in a bad state, so it is caught here and its message handed to the error display.
#pragma once

#include <functional>
#include <string>

namespace pelora {

using ErrorHandler = std::function<void(const std::string& message)>;

// Runs the action; the message of anything it throws goes to the handler. Never throws.
void runGuarded(const std::function<void()>& action, const ErrorHandler& onError) noexcept;

}  // namespace pelora
