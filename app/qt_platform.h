// The platform seam on Qt: precise QTimers whose ticks arrive through the event loop, and the
// machine's steady clock. Errors escaping a tick go to the error display; the timer goes on.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "motion/platform.h"

namespace pelora {

class QtPlatform final : public Platform {
public:
    using ErrorSink = std::function<void(const std::string& message)>;

    explicit QtPlatform(ErrorSink onError);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    double monotonicSeconds() override;
    PlatformTimerId createTimer(std::uint32_t periodMs, std::function<void()> onTick,
                                int& errorCode) override;
    void destroyTimer(PlatformTimerId id) override;
    std::optional<std::uint64_t> performanceCounter() override;
    std::uint32_t tickCountMs() override;

    std::size_t timerCount() const { return timers_.size(); }

private:
    ErrorSink onError_;
    QElapsedTimer clock_;
    std::map<PlatformTimerId, std::unique_ptr<QTimer>> timers_;
    PlatformTimerId nextId_ = 1;
};

}  // namespace pelora
