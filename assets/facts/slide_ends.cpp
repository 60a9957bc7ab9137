#include "assets/facts/slide_ends.h"

#include "motion/checked_arithmetic.h"
#include "motion/float_animation.h"

namespace pelora {
namespace {

constexpr std::int32_t beyondRightEdge = 100;

// Half the outer size less half the board, in double, stored as a float: exact for an integer
// outer size (a whole number or a half).
float centred(std::int32_t outer, float boardSize) {
    return static_cast<float>(static_cast<double>(outer) / 2.0 -
                              static_cast<double>(boardSize) / 2.0);
}

void aim(TFloatAnimation& slide, float from, float to) {
    slide.StartValue = from;
    slide.StopValue = to;
}

}  // namespace

BoardPlace aimRestSlides(std::int32_t outerWidth, std::int32_t outerHeight, float boardWidth,
                         float boardHeight, const RestSlides& slides, float& p1, float& p2) {
    const BoardPlace board{centred(outerWidth, boardWidth), centred(outerHeight, boardHeight)};
    const auto beyond = static_cast<float>(checkedAdd(outerWidth, beyondRightEdge));
    p1 = board.x;
    p2 = beyond;
    aim(slides.FloatAnimation31, p1, p2);
    aim(slides.FloatAnimation33, p2, p1);
    aim(slides.FloatAnimation34, p1, p2);
    aim(slides.FloatAnimation32, p2, p1);
    return board;
}

}  // namespace pelora
