// The draw cycle's event handlers, named as the window names them (node plus event, called with
// the sending component), and the one place that binds them to their senders: the ticks of
// entredeux and repos5mn, the finishes of FloatAnimation1 and FloatAnimation31 to 34, and the
// click on ">>". The window TForm1 inherits them, and so does the tests' window-less stand-in, so
// both run the cycle through this same binding. Button is the ">>" button's type; all it needs is
// setClickHandler(std::function<void()>).
#pragma once

#include "draw_cycle.h"
#include "motion/event.h"
#include "motion/float_animation.h"
#include "motion/timer.h"

namespace pelora {

template <typename Button>
class CycleHandlers {
public:
    void entredeuxTimer(TTimer& /*Sender*/) { drawCycle_->entredeuxTimer(); }
    void repos5mnTimer(TTimer& /*Sender*/) { drawCycle_->repos5mnTimer(); }
    void FloatAnimation1Finish(TFloatAnimation& /*Sender*/) { drawCycle_->FloatAnimation1Finish(); }
    void FloatAnimation31Finish(TFloatAnimation& /*Sender*/) {
        drawCycle_->FloatAnimation31Finish();
    }
    void FloatAnimation32Finish(TFloatAnimation& /*Sender*/) {
        drawCycle_->FloatAnimation32Finish();
    }
    void FloatAnimation33Finish(TFloatAnimation& /*Sender*/) {
        drawCycle_->FloatAnimation33Finish();
    }
    void FloatAnimation34Finish(TFloatAnimation& /*Sender*/) {
        drawCycle_->FloatAnimation34Finish();
    }
    void Rectangle9Click(Button& /*Sender*/) { drawCycle_->Rectangle9Click(); }

protected:
    CycleHandlers() = default;
    ~CycleHandlers() = default;
    CycleHandlers(const CycleHandlers&) = delete;
    CycleHandlers& operator=(const CycleHandlers&) = delete;

    // Binds every handler above to its sender among the cycle's timers and animations, and the
    // click to `button`. The timers start off, as the scene description makes them; no platform
    // timer is created until the cycle switches one on.
    void bindCycleHandlers(DrawCycle& cycle, Button& button) {
        drawCycle_ = &cycle;
        const CycleMotion& motion = cycle.motion();
        for (TTimer* timer : {&motion.entredeux, &motion.repos5mn}) {
            timer->beginLoading();
            timer->setEnabled(false);
        }
        motion.entredeux.setOnTimer(Event<TTimer>::bind<&CycleHandlers::entredeuxTimer>(*this));
        motion.repos5mn.setOnTimer(Event<TTimer>::bind<&CycleHandlers::repos5mnTimer>(*this));
        motion.entredeux.endLoading();
        motion.repos5mn.endLoading();

        using Finish = Event<TFloatAnimation>;
        motion.FloatAnimation1.OnFinish =
            Finish::bind<&CycleHandlers::FloatAnimation1Finish>(*this);
        motion.FloatAnimation31.OnFinish =
            Finish::bind<&CycleHandlers::FloatAnimation31Finish>(*this);
        motion.FloatAnimation32.OnFinish =
            Finish::bind<&CycleHandlers::FloatAnimation32Finish>(*this);
        motion.FloatAnimation33.OnFinish =
            Finish::bind<&CycleHandlers::FloatAnimation33Finish>(*this);
        motion.FloatAnimation34.OnFinish =
            Finish::bind<&CycleHandlers::FloatAnimation34Finish>(*this);
        button.setClickHandler([this, &button] { Rectangle9Click(button); });
    }

private:
    DrawCycle* drawCycle_ = nullptr;
};

// The timers and animations the cycle switches, taken from whatever holds the scene's animations
// by number: FloatAnimation(n) for n = 1..34 and spin(k), the spin of tile k = 1..28.
template <typename Animations>
CycleMotion cycleMotionOf(Animations& scene, TTimer& entredeux, TTimer& repos5mn) {
    std::array<TFloatAnimation*, tileCount> spins{};
    for (std::int32_t k = 1; k <= tileCount; ++k) {
        spins[static_cast<std::size_t>(k - 1)] = &scene.spin(k);
    }
    return CycleMotion{entredeux,
                       repos5mn,
                       scene.FloatAnimation(1),
                       scene.FloatAnimation(2),
                       scene.FloatAnimation(31),
                       scene.FloatAnimation(32),
                       scene.FloatAnimation(33),
                       scene.FloatAnimation(34),
                       spins};
}

}  // namespace pelora
