// The one seam through which time and the machine reach the show: a monotonic clock, periodic
// timers whose ticks arrive on the event thread, calls posted to the event loop, and the picks the
// draw is made of.
// The program installs a Qt implementation; the tests install a simulated one whose clock moves
// only when the test says so.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace pelora {

using PlatformTimerId = std::uint64_t;  // 0 names no timer

class Platform {
public:
    virtual ~Platform() = default;

    // Monotonic clock with sub-millisecond resolution, in seconds.
    virtual double monotonicSeconds() = 0;

    // A periodic timer: the first tick one full period after creation, later ticks one period
    // apart, at most one tick pending (missed periods merge into one late tick), every tick
    // delivered on the event thread, never while the timer's previous tick is still being
    // handled (an event loop nested in the handler skips it). An exception escaping onTick goes
    // to the error display and the timer keeps ticking. Returns 0 and sets errorCode when the
    // machine refuses.
    virtual PlatformTimerId createTimer(std::uint32_t periodMs, std::function<void()> onTick,
                                        int& errorCode) = 0;
    // Destroys the timer; a tick of it already queued is dropped.
    virtual void destroyTimer(PlatformTimerId id) = 0;

    // Runs `call` on the event thread once the handler now running has returned, in turn with
    // the other events (a call posted outside any handler runs when the event loop next runs).
    // An exception escaping it goes to the error display, like one escaping a tick.
    virtual void post(std::function<void()> call) = 0;

    // The picks of one draw: picks[i] uniform over 0..bounds[i]-1 (every bound at least 1, both
    // spans of one size), each unpredictable from anything a spectator can see, earlier picks
    // included. All or nothing: when the source cannot be read it throws a ShowError and the
    // caller uses nothing of `picks`.
    virtual void unpredictablePicks(std::span<const std::uint32_t> bounds,
                                    std::span<std::uint32_t> picks) = 0;
};

// The platform now in use. Throws a ShowError when none is installed.
Platform& currentPlatform();
// Installs a platform (nullptr uninstalls). The caller keeps ownership.
void installPlatform(Platform* platform);

}  // namespace pelora
