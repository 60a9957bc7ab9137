#include "timer.h"

#include <string>

#include "error.h"

namespace pelora {

TTimer::TTimer() = default;

TTimer::~TTimer() {
    destroying_ = true;
    onTimer_ = {};
    enabled_ = false;
    if (platformTimer_ == 0) {
        return;
    }
    // A destructor must not throw: a timer that outlives the installed platform has nothing left
    // to destroy there.
    try {
        currentPlatform().destroyTimer(platformTimer_);
    } catch (const ShowError&) {
    }
    platformTimer_ = 0;
}

void TTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    update();
}

void TTimer::setInterval(std::uint32_t intervalMs) {
    if (intervalMs == interval_) {
        return;
    }
    interval_ = intervalMs;
    update();
}

void TTimer::setOnTimer(Event<TTimer> handler) {
    if (handler == onTimer_) {
        return;
    }
    onTimer_ = handler;
    update();
}

void TTimer::beginLoading() {
    loading_ = true;
}

void TTimer::endLoading() {
    loading_ = false;
    update();
}

// Every change rebuilds the platform timer, so a new full period starts from the change.
void TTimer::update() {
    if (platformTimer_ != 0) {
        const PlatformTimerId running = platformTimer_;
        platformTimer_ = 0;
        currentPlatform().destroyTimer(running);
    }
    if (!enabled_ || interval_ == 0 || loading_ || destroying_ || !onTimer_) {
        return;
    }
    int errorCode = 0;
    const PlatformTimerId created = currentPlatform().createTimer(
        interval_, [this] { tick(); }, errorCode);
    if (created == 0) {
        throw ShowError("Création du timer impossible :  systemErrorCode = " +
                        std::to_string(errorCode));
    }
    platformTimer_ = created;
}

// Switching the timer off destroys its platform timer, and the platform drops a tick of it
// already queued; the component keeps the rule on its own side as well.
void TTimer::tick() {
    if (enabled_ && interval_ > 0) {
        onTimer_(*this);
    }
}

}  // namespace pelora
