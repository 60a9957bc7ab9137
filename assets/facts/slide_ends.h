// The plain-arithmetic half of the layout pass, shared by the stage's pass and the tests' window-
// less stand-in: where the board goes in a window of a given outer size, the slides' end points p1
// (the board in place) and p2 (beyond the right edge), and the four slides aimed between them.
#pragma once

#include <cstdint>

namespace pelora {

class TFloatAnimation;

// The four slides of the rest period, as the layout pass aims them.
struct RestSlides {
    TFloatAnimation& FloatAnimation31;  // board out: p1 -> p2
    TFloatAnimation& FloatAnimation32;  // recap panel in: p2 -> p1
    TFloatAnimation& FloatAnimation33;  // board back in: p2 -> p1
    TFloatAnimation& FloatAnimation34;  // recap panel out: p1 -> p2
};

struct BoardPlace {
    float x;
    float y;
};

// Centres a board of the given size on the window's outer size (frame and caption bar included),
// sets p1 to the board's x and p2 to outerWidth + 100, writes both into the four slides and
// returns the board's place; the caller moves the board (and the panel, which covers it) there.
// Throws ShowError, before anything is written, when outerWidth + 100 overflows.
BoardPlace aimRestSlides(std::int32_t outerWidth, std::int32_t outerHeight, float boardWidth,
                         float boardHeight, const RestSlides& slides, float& p1, float& p2);

}  // namespace pelora
