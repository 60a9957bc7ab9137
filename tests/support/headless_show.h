// The show's draw logic wired by the window's own binding (CycleHandlers) over a recording stage
// instead of a scene: the timers, the 34 animations set up as the scene description sets them,
// the ">>" button as a fake, and the plain-arithmetic half of the layout pass. With the simulated
// platform it runs whole draws in simulated time, without Qt.
#pragma once

#include <array>
#include <cstdint>

#include "assets/facts/show_facts.h"
#include "draw/cycle_handlers.h"
#include "draw/draw_cycle.h"
#include "motion/float_animation.h"
#include "motion/timer.h"
#include "support/fake_button.h"
#include "support/recording_stage.h"

namespace pelora::testing {

class HeadlessShow : public CycleHandlers<FakeButton> {
public:
    // The outer window size the layout pass reads: the client area plus a frame of 8 pixels on
    // each side and a caption bar.
    static constexpr std::int32_t outerWidth = clientWidth + 16;
    static constexpr std::int32_t outerHeight = clientHeight + 39;

    // Builds the elements as the scene description does; a platform must be installed.
    HeadlessShow();
    ~HeadlessShow();
    HeadlessShow(const HeadlessShow&) = delete;
    HeadlessShow& operator=(const HeadlessShow&) = delete;

    // The window's start: FormCreate, then the layout pass.
    void start();
    void layoutPass();

    TFloatAnimation& FloatAnimation(std::int32_t n);
    TFloatAnimation& spin(std::int32_t tile);

    RecordingStage stage;
    TTimer entredeux;
    TTimer repos5mn;
    FakeButton Rectangle9;

private:
    // Before the cycle, which keeps references to them.
    std::array<TFloatAnimation, animationCount> animations_;

public:
    DrawCycle cycle;
};

}  // namespace pelora::testing
