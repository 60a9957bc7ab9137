// Counter arithmetic that refuses to wrap: an overflow is a fault of the show, never a silent
// negative draw number.
#pragma once

#include <cstdint>

namespace pelora {

// a + b, or a ShowError when the sum does not fit a signed 32-bit integer.
std::int32_t checkedAdd(std::int32_t a, std::int32_t b);

}  // namespace pelora
