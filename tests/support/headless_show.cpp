#include "headless_show.h"

#include <stdexcept>

namespace pelora::testing {
namespace {
constexpr float boardWidth = 1041.0F;
constexpr float boardHeight = 520.0F;
}  // namespace

std::int32_t spinAnimationNumber(std::int32_t tile) {
    constexpr std::array<std::int32_t, 4> firstFour = {6, 3, 4, 5};
    return tile <= 4 ? firstFour[static_cast<std::size_t>(tile - 1)] : tile + 2;
}

HeadlessShow::HeadlessShow() : cycle(stage, motion()) {
    for (TTimer* timer : {&entredeux, &repos5mn}) {
        timer->beginLoading();
        timer->setEnabled(false);
    }
    entredeux.setOnTimer(Event<TTimer>::bind<&HeadlessShow::entredeuxTimer>(*this));
    repos5mn.setOnTimer(Event<TTimer>::bind<&HeadlessShow::repos5mnTimer>(*this));
    entredeux.endLoading();
    repos5mn.endLoading();

    for (std::int32_t k = 1; k <= 28; ++k) {
        TFloatAnimation& spin = spinOf(k);
        spin.setParent(&stage.tiles[static_cast<std::size_t>(k - 1)]);
        spin.setPropertyName("RotationAngle");
        spin.Duration = 3.0F;
        spin.StopValue = 720.0F;
    }
    const auto slide = [](TFloatAnimation& animation, FakeNode& node) {
        animation.setParent(&node);
        animation.setPropertyName("Position.X");
        animation.Duration = 2.0F;
    };
    slide(FloatAnimation(31), stage.board);
    slide(FloatAnimation(33), stage.board);
    slide(FloatAnimation(32), stage.panel);
    slide(FloatAnimation(34), stage.panel);
    using Finish = Event<TFloatAnimation>;
    FloatAnimation(1).OnFinish = Finish::bind<&HeadlessShow::FloatAnimation1Finish>(*this);
    FloatAnimation(31).OnFinish = Finish::bind<&HeadlessShow::FloatAnimation31Finish>(*this);
    FloatAnimation(32).OnFinish = Finish::bind<&HeadlessShow::FloatAnimation32Finish>(*this);
    FloatAnimation(33).OnFinish = Finish::bind<&HeadlessShow::FloatAnimation33Finish>(*this);
    FloatAnimation(34).OnFinish = Finish::bind<&HeadlessShow::FloatAnimation34Finish>(*this);
}

// Nothing may fire into a half-destroyed show: handlers go first, then the timers and the
// animations unlist themselves as members are destroyed.
HeadlessShow::~HeadlessShow() {
    for (TFloatAnimation& animation : animations_) {
        animation.OnFinish = {};
    }
}

CycleMotion HeadlessShow::motion() {
    std::array<TFloatAnimation*, 28> spins{};
    for (std::int32_t k = 1; k <= 28; ++k) {
        spins[static_cast<std::size_t>(k - 1)] = &spinOf(k);
    }
    return CycleMotion{entredeux,          repos5mn,           FloatAnimation(1),
                       FloatAnimation(2),  FloatAnimation(31), FloatAnimation(32),
                       FloatAnimation(33), FloatAnimation(34), spins};
}

void HeadlessShow::start() {
    cycle.FormCreate();
    layoutPass();
}

void HeadlessShow::layoutPass() {
    const float boardX = static_cast<float>(outerWidth) / 2.0F - boardWidth / 2.0F;
    const float boardY = static_cast<float>(outerHeight) / 2.0F - boardHeight / 2.0F;
    stage.board.setX(boardX);
    stage.board.setY(boardY);
    cycle.state.p1 = boardX;
    cycle.state.p2 = static_cast<float>(outerWidth + 100);
    FloatAnimation(31).StartValue = cycle.state.p1;
    FloatAnimation(31).StopValue = cycle.state.p2;
    FloatAnimation(33).StartValue = cycle.state.p2;
    FloatAnimation(33).StopValue = cycle.state.p1;
    FloatAnimation(34).StartValue = cycle.state.p1;
    FloatAnimation(34).StopValue = cycle.state.p2;
    FloatAnimation(32).StartValue = cycle.state.p2;
    FloatAnimation(32).StopValue = cycle.state.p1;
    stage.panel.setX(boardX);
    stage.panel.setY(boardY);
}

TFloatAnimation& HeadlessShow::FloatAnimation(std::int32_t n) {
    if (n < 1 || n > 34) {
        throw std::out_of_range("FloatAnimation" + std::to_string(n));
    }
    return animations_[static_cast<std::size_t>(n - 1)];
}

TFloatAnimation& HeadlessShow::spinOf(std::int32_t tile) {
    return FloatAnimation(spinAnimationNumber(tile));
}

void HeadlessShow::entredeuxTimer(TTimer& /*sender*/) {
    cycle.entredeuxTimer();
}
void HeadlessShow::repos5mnTimer(TTimer& /*sender*/) {
    cycle.repos5mnTimer();
}
void HeadlessShow::FloatAnimation1Finish(TFloatAnimation& /*sender*/) {
    cycle.FloatAnimation1Finish();
}
void HeadlessShow::FloatAnimation31Finish(TFloatAnimation& /*sender*/) {
    cycle.FloatAnimation31Finish();
}
void HeadlessShow::FloatAnimation32Finish(TFloatAnimation& /*sender*/) {
    cycle.FloatAnimation32Finish();
}
void HeadlessShow::FloatAnimation33Finish(TFloatAnimation& /*sender*/) {
    cycle.FloatAnimation33Finish();
}
void HeadlessShow::FloatAnimation34Finish(TFloatAnimation& /*sender*/) {
    cycle.FloatAnimation34Finish();
}

}  // namespace pelora::testing
