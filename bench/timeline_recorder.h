// Records, on the real clock, when the show's timeline moves on: each launch and landing of a
// ball, each tick of the two one-second timers, the end of each slide. It wraps the handlers
// that the window bound, calling them unchanged, so the show runs exactly as it would.
#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "app/Unit1.h"

namespace pelora::bench {

struct Flight {
    double launchSeconds = 0.0;
    double durationSeconds = 0.0;
    double landingSeconds = 0.0;
};

struct Timeline {
    std::vector<Flight> flights;
    std::vector<double> pauseTickSeconds;      // entredeux
    std::vector<double> countdownTickSeconds;  // repos5mn
    std::vector<double> slideEndSeconds;       // FloatAnimation31 to 34, in the order they end
};

class TimelineRecorder {
public:
    // Wraps the handlers of `form`; call before its creation handler runs. `onCycle` runs once
    // the first ball of the next draw is launched.
    TimelineRecorder(TForm1& form, std::function<void()> onCycle);

    const Timeline& timeline() const { return timeline_; }
    // Notes a launch if the ball has just set off: the window's start launches the first one.
    void noteLaunchIfFlying();

private:
    double now() const;
    void landing(TFloatAnimation& sender);
    void slideEnded(TFloatAnimation& sender);
    void boardBackIn(TFloatAnimation& sender);
    void pauseTick(TTimer& sender);
    void countdownTick(TTimer& sender);

    TForm1& form_;
    std::function<void()> onCycle_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    Event<TFloatAnimation> landing_;
    Event<TFloatAnimation> slideEnds_[3];
    Event<TFloatAnimation> boardBackIn_;
    Event<TTimer> pauseTick_;
    Event<TTimer> countdownTick_;
    Timeline timeline_;
};

}  // namespace pelora::bench
