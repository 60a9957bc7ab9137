// A platform for tests that step animations by hand: it hands out frame timers that never tick,
// a clock that never moves and an event loop that never runs posted calls. Constructing it
// installs it; destroying it uninstalls it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>

#include "motion/platform.h"

namespace pelora::testing {

class StillPlatform final : public Platform {
public:
    StillPlatform() { installPlatform(this); }
    ~StillPlatform() override { installPlatform(nullptr); }
    StillPlatform(const StillPlatform&) = delete;
    StillPlatform& operator=(const StillPlatform&) = delete;

    double monotonicSeconds() override { return 0.0; }
    PlatformTimerId createTimer(std::uint32_t /*periodMs*/, std::function<void()> /*onTick*/,
                                int& /*errorCode*/) override {
        return 1;
    }
    void destroyTimer(PlatformTimerId /*id*/) override {}
    void post(std::function<void()> /*call*/) override {}
    // Every pick is the first candidate left: the draw is 1, 2, ..., 28.
    void unpredictablePicks(std::span<const std::uint32_t> /*bounds*/,
                            std::span<std::uint32_t> picks) override {
        std::fill(picks.begin(), picks.end(), 0U);
    }
};

}  // namespace pelora::testing
