#include "headless_show.h"

#include <stdexcept>
#include <string>

#include "assets/facts/slide_ends.h"

namespace pelora::testing {

HeadlessShow::HeadlessShow() : cycle(stage, cycleMotionOf(*this, entredeux, repos5mn)) {
    for (std::int32_t k = 1; k <= tileCount; ++k) {
        TFloatAnimation& turn = spin(k);
        turn.setParent(&stage.tiles[static_cast<std::size_t>(k - 1)]);
        turn.setPropertyName("RotationAngle");
        turn.Duration = spinSeconds;
        turn.StopValue = spinDegrees;
    }
    const auto slide = [](TFloatAnimation& animation, FakeNode& node) {
        animation.setParent(&node);
        animation.setPropertyName("Position.X");
        animation.Duration = slideSeconds;
    };
    slide(FloatAnimation(31), stage.board);
    slide(FloatAnimation(33), stage.board);
    slide(FloatAnimation(32), stage.panel);
    slide(FloatAnimation(34), stage.panel);
    bindCycleHandlers(cycle, Rectangle9);
}

// Nothing may fire into a half-destroyed show: handlers go first, then the timers and the
// animations unlist themselves as members are destroyed.
HeadlessShow::~HeadlessShow() {
    for (TFloatAnimation& animation : animations_) {
        animation.OnFinish = {};
    }
}

void HeadlessShow::start() {
    cycle.FormCreate();
    layoutPass();
}

void HeadlessShow::layoutPass() {
    const BoardPlace place = aimRestSlides(
        outerWidth, outerHeight, boardBox.width, boardBox.height,
        {FloatAnimation(31), FloatAnimation(32), FloatAnimation(33), FloatAnimation(34)},
        cycle.state.p1, cycle.state.p2);
    stage.board.setX(place.x);
    stage.board.setY(place.y);
    stage.panel.setX(place.x);
    stage.panel.setY(place.y);
}

TFloatAnimation& HeadlessShow::FloatAnimation(std::int32_t n) {
    if (n < 1 || n > animationCount) {
        throw std::out_of_range("FloatAnimation" + std::to_string(n));
    }
    return animations_[static_cast<std::size_t>(n - 1)];
}

TFloatAnimation& HeadlessShow::spin(std::int32_t tile) {
    return FloatAnimation(spinAnimationNumber(tile));
}

}  // namespace pelora::testing
