// The publisher's web address: it ends the window caption, and the heading shows it between the
// end of a draw and the first ball of the next one, so it must fit the heading's box on one line.
#pragma once

#include <string_view>

namespace pelora {

inline constexpr std::string_view publisherAddress = "www.pelora.fr";

}  // namespace pelora
