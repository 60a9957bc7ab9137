// The periodic timer component: a switch, a period and a handler over one platform timer.
// Ticks arrive on the event thread; a timer switched off gets no further call, even for a tick
// the platform had already queued.
#pragma once

#include <cstdint>

#include "event.h"
#include "platform.h"

namespace pelora {

class TTimer {
public:
    TTimer();
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    std::uint32_t Interval() const { return interval_; }
    const Event<TTimer>& OnTimer() const { return onTimer_; }

    // Each setter does nothing when the value is unchanged; otherwise it stores the value and
    // rebuilds the platform timer. A refused platform timer raises a ShowError
    // ("Création du timer impossible :  systemErrorCode = N"); the new value is kept.
    void setEnabled(bool enabled);
    void setInterval(std::uint32_t intervalMs);
    void setOnTimer(Event<TTimer> handler);

    // While the scene description is applied no platform timer is created; at its end the
    // timer is updated once.
    void beginLoading();
    void endLoading();

    bool hasPlatformTimer() const { return platformTimer_ != 0; }

private:
    void update();
    void tick();

    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    Event<TTimer> onTimer_;
    bool loading_ = false;
    bool destroying_ = false;
    PlatformTimerId platformTimer_ = 0;
};

}  // namespace pelora
