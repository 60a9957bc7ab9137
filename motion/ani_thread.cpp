#include "ani_thread.h"

#include <algorithm>
#include <cstddef>

#include "float_animation.h"
#include "platform.h"

namespace pelora {
namespace {

std::unique_ptr<TAniThread>& driverSlot() {
    static std::unique_ptr<TAniThread> driver;
    return driver;
}

}  // namespace

TAniThread& TAniThread::instance() {
    std::unique_ptr<TAniThread>& driver = driverSlot();
    if (!driver) {
        // The constructor is private, out of reach of std::make_unique.
        driver.reset(new TAniThread());
    }
    return *driver;
}

TAniThread* TAniThread::existing() {
    return driverSlot().get();
}

void TAniThread::destroyInstance() {
    driverSlot().reset();
}

// The timer is switched off before its handler is bound, so that building the driver creates
// no platform timer.
TAniThread::TAniThread() {
    timer_.setEnabled(false);
    timer_.setInterval(periodMs);
    timer_.setOnTimer(Event<TTimer>::bind<&TAniThread::onTimer>(*this));
}

TAniThread::~TAniThread() = default;

// The first tick of a fresh timer measures from now, not from the end of an earlier run.
// Should the platform refuse the timer, the driver is left as it was before the call.
void TAniThread::AddAnimation(TFloatAnimation& animation) {
    const bool timerWasOff = !timer_.Enabled();
    const bool appended = std::find(list_.begin(), list_.end(), &animation) == list_.end();
    if (appended) {
        list_.push_back(&animation);
    }
    if (timerWasOff && !list_.empty()) {
        lastTime_ = currentPlatform().monotonicSeconds();
    }
    try {
        timer_.setEnabled(!list_.empty());
    } catch (...) {
        if (appended) {
            list_.pop_back();
        }
        timer_.setEnabled(false);
        throw;
    }
}

void TAniThread::RemoveAnimation(TFloatAnimation& animation) {
    const auto listed = std::find(list_.begin(), list_.end(), &animation);
    if (listed != list_.end()) {
        list_.erase(listed);
    }
    timer_.setEnabled(!list_.empty());
}

// Walks from the newest animation to the oldest. A finishing animation removes itself, which
// leaves the entries before it in place; one started during the walk is appended behind the
// walk's position and first advanced at the next tick. The index is clamped after each visit
// because a handler may remove any number of entries.
void TAniThread::OneStep() {
    const double now = currentPlatform().monotonicSeconds();
    const double delta = now - lastTime_;
    lastTime_ = now;
    if (delta <= 0.0) {
        return;
    }
    const auto deltaSeconds = static_cast<float>(delta);
    auto length = [this] { return static_cast<std::ptrdiff_t>(list_.size()); };
    std::ptrdiff_t i = length() - 1;
    while (i >= 0) {
        TFloatAnimation* animation = list_[static_cast<std::size_t>(i)];
        if (animation->Running()) {
            animation->ProcessTick(deltaSeconds);
        }
        i -= 1;
        if (i >= length()) {
            i = length() - 1;
        }
    }
}

void TAniThread::onTimer(TTimer& /*sender*/) {
    OneStep();
}

}  // namespace pelora
