// The one seam through which time and the machine reach the show: a monotonic clock, periodic
// timers whose ticks arrive on the event thread, calls posted to the event loop, and the counters
// that seed the generator.
// The program installs a Qt implementation; the tests install a simulated one whose clock moves
// only when the test says so.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

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

    // 64-bit high-resolution counter, or nothing when it cannot be read.
    virtual std::optional<std::uint64_t> performanceCounter() = 0;
    // Milliseconds since the system started.
    virtual std::uint32_t tickCountMs() = 0;
};

// The platform now in use. Throws a ShowError when none is installed.
Platform& currentPlatform();
// Installs a platform (nullptr uninstalls). The caller keeps ownership.
void installPlatform(Platform* platform);

}  // namespace pelora
