// The frame driver: one per process, it ticks every running animation from a single periodic
// timer that runs only while some animation runs. Progress follows the clock, not the number of
// ticks. Despite its name it is no thread: its ticks arrive on the event thread.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "timer.h"

namespace pelora {

class TFloatAnimation;

class TAniThread {
public:
    static constexpr std::int32_t AniFrameRate = 60;
    // floor(1000 / 60 / 10) * 10: 10 ms, not 16.
    static constexpr std::uint32_t periodMs = 1000U / AniFrameRate / 10U * 10U;

    // The driver, created on first use; it lives until the process ends.
    static TAniThread& instance();
    // The driver if it exists, else nullptr.
    static TAniThread* existing();
    // Destroys the driver so that a test starts from none. Nothing may be running.
    static void destroyInstance();

    void AddAnimation(TFloatAnimation& animation);
    void RemoveAnimation(TFloatAnimation& animation);
    void OneStep();

    bool timerRunning() const { return timer_.Enabled() && timer_.hasPlatformTimer(); }
    const std::vector<TFloatAnimation*>& running() const { return list_; }

    TAniThread(const TAniThread&) = delete;
    TAniThread& operator=(const TAniThread&) = delete;
    ~TAniThread();

private:
    TAniThread();
    void onTimer(TTimer& sender);

    std::vector<TFloatAnimation*> list_;
    TTimer timer_;
    double lastTime_ = 0.0;
};

}  // namespace pelora
