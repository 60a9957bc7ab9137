// A platform whose clock moves only when the test says so. It delivers timer ticks in time order
// with the real rules: first tick one full period after creation, missed periods merged into one
// late tick, a tick of a destroyed timer dropped, no tick of a timer whose handler is still
// running (a nested loop, such as a modal box's, skips it). Posted calls run before any further
// tick, in the order they were posted. Constructing it installs it as the current platform;
// destroying it uninstalls it and destroys the frame driver.
//
// Order of life: create the platform first and the components (timers, animations, nodes) after
// it, so that the components die first and take their platform timers with them. A timer
// component that outlives the platform is tolerated (ids are never reused, and its destructor
// finds no platform to call), but it no longer ticks.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "clock_seeded_generator.h"
#include "motion/error_boundary.h"
#include "motion/platform.h"

namespace pelora::testing {

class SimulatedPlatform final : public Platform {
public:
    SimulatedPlatform();
    ~SimulatedPlatform() override;
    SimulatedPlatform(const SimulatedPlatform&) = delete;
    SimulatedPlatform& operator=(const SimulatedPlatform&) = delete;

    double monotonicSeconds() override { return static_cast<double>(nowNs_) / 1e9; }
    PlatformTimerId createTimer(std::uint32_t periodMs, std::function<void()> onTick,
                                int& errorCode) override;
    void destroyTimer(PlatformTimerId id) override;
    void post(std::function<void()> call) override { posted_.push_back(std::move(call)); }
    // By default the picks are the clock-seeded generator's, reseeded from the counter set below
    // at every draw, so that a test's draws are known and stay the same from one build to the next;
    // a test may script the picks instead, or have the source refuse.
    void unpredictablePicks(std::span<const std::uint32_t> bounds,
                            std::span<std::uint32_t> picks) override;

    // Moves the clock to `seconds`, delivering every posted call and every tick due up to and
    // including that time, one at a time and in time order (creation order breaks ties). The
    // clock never goes back: a time already passed only delivers what a stall or a handler left
    // waiting. Times are rounded to whole nanoseconds. May be called from inside a handler, as a
    // nested event loop.
    void advanceTo(double seconds);
    void advanceBy(double seconds);
    // Delivers posted calls and ticks one at a time, checking `done` before the first and after
    // each, until it holds or `maxSeconds` more have passed (the clock then stands at that
    // limit). Returns whether `done` held. The clock stands at the tick after which `done` became
    // true.
    bool runUntil(const std::function<bool()>& done, double maxSeconds);
    // The event thread is busy: the clock moves, nothing is delivered; periods that fall due
    // meanwhile give one late tick when the thread is free again, after the posted calls.
    void stall(double seconds);

    // The next createTimer fails with this error number.
    void refuseNextTimer(int errorCode) { refuseWith_ = errorCode; }
    // The next createTimer of that period fails with this error number; others succeed.
    void refuseNextTimerOfPeriod(std::uint32_t periodMs, int errorCode) {
        refuseWith_ = errorCode;
        refusedPeriodMs_ = periodMs;
    }
    // The clock reading the clock-seeded generator takes at each draw (the tick count when the
    // counter reads nothing), and the generator itself.
    void setPerformanceCounter(std::optional<std::uint64_t> value) { counter_ = value; }
    void setTickCount(std::uint32_t value) { tickCount_ = value; }
    ClockSeededGenerator& clockSeededGenerator() { return generator_; }
    // Picks come from `source` (nothing: the clock-seeded generator again).
    using PickSource =
        std::function<void(std::span<const std::uint32_t> bounds, std::span<std::uint32_t> picks)>;
    void setPickSource(PickSource source) { pickSource_ = std::move(source); }
    // Every later draw is refused with this message, as by a generator that cannot be read (an
    // empty message lets the picks through again).
    void refusePicks(std::string message) { pickRefusal_ = std::move(message); }

    std::size_t timerCount() const { return timers_.size(); }
    bool hasTimerWithPeriod(std::uint32_t periodMs) const;
    std::uint64_t ticksDelivered() const { return ticksDelivered_; }

    std::size_t postedCount() const { return posted_.size(); }

    // Messages of the errors that escaped a tick handler or a posted call, caught at the error
    // boundary; the timer goes on ticking. Each is also handed to the error handler, where the
    // program's platform hands it to the error display.
    const std::vector<std::string>& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }
    void setErrorHandler(ErrorHandler onError) { onError_ = std::move(onError); }

private:
    // Time is kept in whole nanoseconds so that periods add up exactly: ten 100 ms periods make
    // exactly one second, and the clock reads the same double as the literal a test writes.
    struct Timer {
        std::uint32_t periodMs;
        std::int64_t periodNs;
        std::int64_t dueNs;
        std::function<void()> onTick;
        bool handling = false;  // its tick handler is running
    };
    static std::int64_t toNanoseconds(double seconds);
    void advanceToNs(std::int64_t limitNs);
    // The timer due first at or before `limitNs`, or 0. A tick is delivered at its due time, or
    // at the current time when the thread was stalled past it; its next due time is one period
    // after the due time, or one period after now when that is not in the future.
    PlatformTimerId nextDue(std::int64_t limitNs) const;
    void deliver(PlatformTimerId id);
    // Runs the oldest posted call, if any; returns whether one ran.
    bool runPosted();
    void report(const std::string& message);

    std::int64_t nowNs_ = 0;
    std::map<PlatformTimerId, Timer> timers_;  // ordered by id, that is by creation
    PlatformTimerId nextId_ = 1;
    std::optional<int> refuseWith_;
    std::optional<std::uint32_t> refusedPeriodMs_;
    std::optional<std::uint64_t> counter_ = 0x0123456789ABCDEFULL;
    std::uint32_t tickCount_ = 123456U;
    ClockSeededGenerator generator_;
    PickSource pickSource_;
    std::string pickRefusal_;
    std::uint64_t ticksDelivered_ = 0;
    std::vector<std::string> errors_;
    ErrorHandler onError_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace pelora::testing
