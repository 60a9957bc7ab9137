// The platform seam on Qt: precise QTimers and queued calls whose work arrives through the event
// loop, and the machine's steady clock. Errors escaping a tick or a posted call go to the error
// display; the timer goes on.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

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
    std::optional<std::uint64_t> performanceCounter() override;
    std::uint32_t tickCountMs() override;

private:
    ErrorHandler onError_;
    QElapsedTimer clock_;
    std::map<PlatformTimerId, std::unique_ptr<QTimer>> timers_;
    PlatformTimerId nextId_ = 1;
    // Receiver of the posted calls: the calls still queued when the platform goes are dropped
    // with it.
    QObject postedCalls_;
};

}  // namespace pelora
