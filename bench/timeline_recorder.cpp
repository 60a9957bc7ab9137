#include "timeline_recorder.h"

#include <utility>

namespace pelora::bench {
namespace {

constexpr int slideAnimations[3] = {31, 32, 34};

}  // namespace

TimelineRecorder::TimelineRecorder(TForm1& form, std::function<void()> onCycle)
    : form_(form), onCycle_(std::move(onCycle)) {
    ShowScene& scene = form.scene();
    using Finish = Event<TFloatAnimation>;
    landing_ = std::exchange(scene.FloatAnimation(1).OnFinish,
                             Finish::bind<&TimelineRecorder::landing>(*this));
    for (int i = 0; i < 3; ++i) {
        slideEnds_[i] = std::exchange(scene.FloatAnimation(slideAnimations[i]).OnFinish,
                                      Finish::bind<&TimelineRecorder::slideEnded>(*this));
    }
    boardBackIn_ = std::exchange(scene.FloatAnimation(33).OnFinish,
                                 Finish::bind<&TimelineRecorder::boardBackIn>(*this));
    pauseTick_ = form.entredeux.OnTimer();
    form.entredeux.setOnTimer(Event<TTimer>::bind<&TimelineRecorder::pauseTick>(*this));
    countdownTick_ = form.repos5mn.OnTimer();
    form.repos5mn.setOnTimer(Event<TTimer>::bind<&TimelineRecorder::countdownTick>(*this));
}

double TimelineRecorder::now() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void TimelineRecorder::noteLaunchIfFlying() {
    const TFloatAnimation& flight = form_.scene().FloatAnimation(1);
    if (flight.Running() && flight.elapsed() == 0.0F) {
        timeline_.flights.push_back({now(), static_cast<double>(flight.Duration), 0.0});
    }
}

void TimelineRecorder::landing(TFloatAnimation& sender) {
    const double at = now();
    if (!timeline_.flights.empty()) {
        timeline_.flights.back().landingSeconds = at;
    }
    landing_(sender);
}

void TimelineRecorder::slideEnded(TFloatAnimation& sender) {
    timeline_.slideEndSeconds.push_back(now());
    for (int i = 0; i < 3; ++i) {
        if (&sender == &form_.scene().FloatAnimation(slideAnimations[i])) {
            slideEnds_[i](sender);
        }
    }
}

void TimelineRecorder::boardBackIn(TFloatAnimation& sender) {
    timeline_.slideEndSeconds.push_back(now());
    boardBackIn_(sender);
    noteLaunchIfFlying();
    if (onCycle_) {
        onCycle_();
    }
}

void TimelineRecorder::pauseTick(TTimer& sender) {
    timeline_.pauseTickSeconds.push_back(now());
    pauseTick_(sender);
    noteLaunchIfFlying();
}

void TimelineRecorder::countdownTick(TTimer& sender) {
    timeline_.countdownTickSeconds.push_back(now());
    countdownTick_(sender);
}

}  // namespace pelora::bench
