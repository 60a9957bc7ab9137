// The real show window, built on the simulated platform the way the whole-show tests build it,
// and driven in simulated time to the moments a benchmark wants to paint. The window is shown on
// whatever Qt platform the program runs on: offscreen, or a real X display.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "support/simulated_platform.h"

namespace pelora::bench {

// What moves on the screen.
enum class Moment { Flight, Spin, BoardSlide, PanelSlide };

const char* momentName(Moment moment);

class BenchShow {
public:
    static constexpr double framePeriodSeconds = 0.01;

    // Builds the window, starts it as the program does on a 1280 x 800 work area, and shows it.
    BenchShow();
    ~BenchShow();
    BenchShow(const BenchShow&) = delete;
    BenchShow& operator=(const BenchShow&) = delete;

    // Whether the moment is under way now.
    bool during(Moment moment);
    // Runs the show until the moment is under way; false when it does not come within a cycle.
    bool reach(Moment moment);
    // Moves the show on by one 10 ms frame; returns whether the moment is still under way.
    bool nextFrame(Moment moment);
    // Runs whole draws, letting every rest count down to its end.
    void runDraws(int draws);

    TForm1& form() { return *form_; }
    ShowScene& scene() { return form_->scene(); }
    testing::SimulatedPlatform& platform() { return platform_; }
    // Messages the show would have put in its error box; a benchmark that sees one stops.
    const std::vector<std::string>& shownErrors() const { return shownErrors_; }

private:
    testing::SimulatedPlatform platform_;  // first, so that it outlives the window's timers
    std::vector<std::string> shownErrors_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace pelora::bench
