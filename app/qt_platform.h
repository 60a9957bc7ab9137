// The platform seam on Qt: precise QTimers and queued calls whose work arrives through the event
// loop, the machine's steady clock, and the draw's picks from the system's generator. Errors
// escaping a tick or a posted call go to the error display; the timer goes on.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "app/system_picks.h"
#include "motion/error_boundary.h"
#include "motion/platform.h"

namespace pelora {

class QtPlatform final : public Platform {
public:
    explicit QtPlatform(ErrorHandler onError);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    double monotonicSeconds() override;
    PlatformTimerId createTimer(std::uint32_t periodMs, std::function<void()> onTick,
                                int& errorCode) override;
    void destroyTimer(PlatformTimerId id) override;
    void post(std::function<void()> call) override;
    void unpredictablePicks(std::span<const std::uint32_t> bounds,
                            std::span<std::uint32_t> picks) override;

private:
    ErrorHandler onError_;
    QElapsedTimer clock_;
    std::map<PlatformTimerId, std::unique_ptr<QTimer>> timers_;
    PlatformTimerId nextId_ = 1;
    // Receiver of the posted calls: the calls still queued when the platform goes are dropped
    // with it.
    QObject postedCalls_;
    SystemPicks picks_;
};

}  // namespace pelora
