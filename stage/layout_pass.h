// The layout pass: centres the board in the window, derives the slides' end points p1 (in place)
// and p2 (beyond the right edge) from the window's outer size, writes them into the four slides,
// and gives the recap panel and its table their final geometry.
#pragma once

#include <cstdint>

namespace pelora {

class ShowScene;

// outerWidth and outerHeight are the window's outer size, frame and caption bar included.
// Throws ShowError when outerWidth + 100 overflows.
void runLayoutPass(ShowScene& scene, std::int32_t outerWidth, std::int32_t outerHeight, float& p1,
                   float& p2);

}  // namespace pelora
