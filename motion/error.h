// Errors that reach the operator. Each carries a French message ready for the error display.
#pragma once

#include <stdexcept>

namespace pelora {

class ShowError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace pelora
