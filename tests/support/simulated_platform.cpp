#include "simulated_platform.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "motion/ani_thread.h"
#include "motion/error.h"

namespace pelora::testing {
namespace {

// Ids keep growing from one simulated platform to the next, so that a stale id held by a
// component from an earlier test can never name a timer of a later one.
PlatformTimerId lastIdHandedOut = 0;

constexpr std::int64_t nanosecondsPerMillisecond = 1'000'000;

}  // namespace

SimulatedPlatform::SimulatedPlatform() : nextId_(lastIdHandedOut + 1) {
    installPlatform(this);
}

SimulatedPlatform::~SimulatedPlatform() {
    TAniThread::destroyInstance();
    installPlatform(nullptr);
    lastIdHandedOut = nextId_ - 1;
}

PlatformTimerId SimulatedPlatform::createTimer(std::uint32_t periodMs, std::function<void()> onTick,
                                               int& errorCode) {
    if (refuseWith_ && (!refusedPeriodMs_ || *refusedPeriodMs_ == periodMs)) {
        errorCode = *refuseWith_;
        refuseWith_.reset();
        refusedPeriodMs_.reset();
        return 0;
    }
    const std::int64_t periodNs = periodMs * nanosecondsPerMillisecond;
    const PlatformTimerId id = nextId_++;
    timers_.emplace(id, Timer{periodMs, periodNs, nowNs_ + periodNs, std::move(onTick)});
    return id;
}

void SimulatedPlatform::destroyTimer(PlatformTimerId id) {
    timers_.erase(id);
}

void SimulatedPlatform::unpredictablePicks(std::span<const std::uint32_t> bounds,
                                           std::span<std::uint32_t> picks) {
    if (!pickRefusal_.empty()) {
        throw ShowError(pickRefusal_);
    }
    if (pickSource_) {
        pickSource_(bounds, picks);
    } else {
        generator_.drawPicks(counter_, tickCount_, bounds, picks);
    }
}

void SimulatedPlatform::advanceTo(double seconds) {
    advanceToNs(toNanoseconds(seconds));
}

void SimulatedPlatform::advanceBy(double seconds) {
    advanceToNs(nowNs_ + toNanoseconds(seconds));
}

void SimulatedPlatform::stall(double seconds) {
    nowNs_ += toNanoseconds(seconds);
}

bool SimulatedPlatform::runUntil(const std::function<bool()>& done, double maxSeconds) {
    const std::int64_t limitNs = nowNs_ + toNanoseconds(maxSeconds);
    while (!done()) {
        if (runPosted()) {
            continue;
        }
        const PlatformTimerId id = nextDue(limitNs);
        if (id == 0) {
            nowNs_ = std::max(nowNs_, limitNs);
            return false;
        }
        nowNs_ = std::max(nowNs_, timers_.at(id).dueNs);
        deliver(id);
    }
    return true;
}

bool SimulatedPlatform::hasTimerWithPeriod(std::uint32_t periodMs) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const auto& entry) { return entry.second.periodMs == periodMs; });
}

std::int64_t SimulatedPlatform::toNanoseconds(double seconds) {
    return std::llround(seconds * 1e9);
}

void SimulatedPlatform::advanceToNs(std::int64_t limitNs) {
    for (;;) {
        if (runPosted()) {
            continue;
        }
        const PlatformTimerId id = nextDue(limitNs);
        if (id == 0) {
            break;
        }
        nowNs_ = std::max(nowNs_, timers_.at(id).dueNs);
        deliver(id);
    }
    nowNs_ = std::max(nowNs_, limitNs);
}

// The map is walked in id order and only an earlier due time replaces the choice, so of timers
// due at the same time the one created first wins.
PlatformTimerId SimulatedPlatform::nextDue(std::int64_t limitNs) const {
    PlatformTimerId first = 0;
    std::int64_t firstDueNs = limitNs;
    for (const auto& [id, timer] : timers_) {
        if (!timer.handling && timer.dueNs <= limitNs && (first == 0 || timer.dueNs < firstDueNs)) {
            first = id;
            firstDueNs = timer.dueNs;
        }
    }
    return first;
}

// The next due time is fixed before the handler runs, because the handler may destroy this
// timer or others, or create new ones. The handler is copied out of the map for the same reason.
// While it runs the timer is skipped; a nested loop that outlasts its due time leaves one late
// tick for when the handler has returned.
void SimulatedPlatform::deliver(PlatformTimerId id) {
    Timer& timer = timers_.at(id);
    const std::int64_t phaseKeptNs = timer.dueNs + timer.periodNs;
    timer.dueNs = phaseKeptNs > nowNs_ ? phaseKeptNs : nowNs_ + timer.periodNs;
    timer.handling = true;
    const std::function<void()> onTick = timer.onTick;
    ++ticksDelivered_;
    runGuarded(onTick, [this](const std::string& message) { report(message); });
    if (const auto still = timers_.find(id); still != timers_.end()) {
        still->second.handling = false;
    }
}

bool SimulatedPlatform::runPosted() {
    if (posted_.empty()) {
        return false;
    }
    const std::function<void()> call = std::move(posted_.front());
    posted_.pop_front();
    runGuarded(call, [this](const std::string& message) { report(message); });
    return true;
}

void SimulatedPlatform::report(const std::string& message) {
    errors_.push_back(message);
    if (onError_) {
        onError_(message);
    }
}

}  // namespace pelora::testing
