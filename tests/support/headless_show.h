// The show's draw logic wired as the window wires it (timers, the 34 animations, handlers, the
// layout pass) over a recording stage instead of a scene. With the simulated platform it runs
// whole draws in simulated time, without Qt.
#pragma once

#include <array>
#include <cstdint>

#include "draw/draw_cycle.h"
#include "motion/float_animation.h"
#include "motion/timer.h"
#include "support/recording_stage.h"

namespace pelora::testing {

class HeadlessShow {
public:
    // The outer window size the layout pass reads: the client area plus a frame.
    static constexpr std::int32_t outerWidth = 1111;
    static constexpr std::int32_t outerHeight = 723;

    // Builds the elements as the scene description does; a platform must be installed.
    HeadlessShow();
    ~HeadlessShow();
    HeadlessShow(const HeadlessShow&) = delete;
    HeadlessShow& operator=(const HeadlessShow&) = delete;

    // The window's start: FormCreate, then the layout pass.
    void start();
    void layoutPass();

    TFloatAnimation& FloatAnimation(std::int32_t n);
    TFloatAnimation& spinOf(std::int32_t tile);

    RecordingStage stage;
    TTimer entredeux;
    TTimer repos5mn;

private:
    std::array<TFloatAnimation, 34> animations_;  // before the cycle, which keeps references

public:
    DrawCycle cycle;

private:
    void entredeuxTimer(TTimer& sender);
    void repos5mnTimer(TTimer& sender);
    void FloatAnimation1Finish(TFloatAnimation& sender);
    void FloatAnimation31Finish(TFloatAnimation& sender);
    void FloatAnimation32Finish(TFloatAnimation& sender);
    void FloatAnimation33Finish(TFloatAnimation& sender);
    void FloatAnimation34Finish(TFloatAnimation& sender);
    CycleMotion motion();
};

// The animation that spins tile k: n1..n4 hold FloatAnimation6, 3, 4, 5; nk holds k + 2 after.
std::int32_t spinAnimationNumber(std::int32_t tile);

}  // namespace pelora::testing
