#include "qt_platform.h"

#include <cerrno>

namespace pelora {

QtPlatform::QtPlatform(ErrorHandler onError) : onError_(std::move(onError)) {
    clock_.start();
}

QtPlatform::~QtPlatform() = default;

double QtPlatform::monotonicSeconds() {
    return static_cast<double>(clock_.nsecsElapsed()) / 1e9;
}

PlatformTimerId QtPlatform::createTimer(std::uint32_t periodMs, std::function<void()> onTick,
                                        int& errorCode) {
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(static_cast<int>(periodMs));
    // Qt calls into the show here: nothing may unwind through Qt.
    QObject::connect(timer.get(), &QTimer::timeout,
                     [this, onTick = std::move(onTick)] { runGuarded(onTick, onError_); });
    timer->start();
    if (!timer->isActive()) {
        errorCode = errno != 0 ? errno : EAGAIN;
        return 0;
    }
    const PlatformTimerId id = nextId_++;
    timers_.emplace(id, std::move(timer));
    return id;
}

// A timer may be destroyed from inside its own tick: it is stopped at once, so that no further
// tick is delivered, and deleted once the event loop is back.
void QtPlatform::destroyTimer(PlatformTimerId id) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) {
        return;
    }
    QTimer* timer = found->second.release();
    timers_.erase(found);
    timer->stop();
    timer->disconnect();
    timer->deleteLater();
}

void QtPlatform::post(std::function<void()> call) {
    QMetaObject::invokeMethod(
        &postedCalls_, [this, call = std::move(call)] { runGuarded(call, onError_); },
        Qt::QueuedConnection);
}

void QtPlatform::unpredictablePicks(std::span<const std::uint32_t> bounds,
                                    std::span<std::uint32_t> picks) {
    picks_.pick(bounds, picks);
}

}  // namespace pelora
