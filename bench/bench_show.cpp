#include "bench_show.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRect>
#include <QWindow>

#include "app/placement.h"

namespace pelora::bench {
namespace {

// A draw and its rest last about 390 s: every moment comes within that.
constexpr double cycleSeconds = 400.0;
constexpr int exposeWaitMs = 5000;

bool anySpinRunning(ShowScene& scene) {
    for (int number = 1; number <= tileCount; ++number) {
        if (scene.spin(number).Running()) {
            return true;
        }
    }
    return false;
}

}  // namespace

const char* momentName(Moment moment) {
    switch (moment) {
        case Moment::Flight:
            return "flight";
        case Moment::Spin:
            return "spin";
        case Moment::BoardSlide:
            return "board slide";
        case Moment::PanelSlide:
            return "panel slide";
    }
    return "";
}

BenchShow::BenchShow()
    : form_(std::make_unique<TForm1>(
          [this](const std::string& message) { shownErrors_.push_back(message); })) {
    startWindow(*form_, QRect(0, 0, 1280, 800));
    form_->show();
    // On a real display the window paints only once the server has mapped it.
    QElapsedTimer waiting;
    waiting.start();
    while (!form_->windowHandle()->isExposed() && waiting.elapsed() < exposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, exposeWaitMs);
    }
}

BenchShow::~BenchShow() {
    form_.reset();
}

bool BenchShow::during(Moment moment) {
    ShowScene& show = scene();
    switch (moment) {
        case Moment::Flight:
            return show.FloatAnimation(1).Running();
        case Moment::Spin:
            return anySpinRunning(show) && !show.FloatAnimation(1).Running();
        case Moment::BoardSlide:
            return show.FloatAnimation(31).Running() || show.FloatAnimation(33).Running();
        case Moment::PanelSlide:
            return show.FloatAnimation(32).Running() || show.FloatAnimation(34).Running();
    }
    return false;
}

bool BenchShow::reach(Moment moment) {
    return platform_.runUntil([&] { return during(moment); }, cycleSeconds);
}

bool BenchShow::nextFrame(Moment moment) {
    platform_.advanceBy(framePeriodSeconds);
    return during(moment);
}

void BenchShow::runDraws(int draws) {
    const DrawState& state = form_->cycle().state;
    const int last = state.numtir + draws;
    platform_.runUntil([&] { return state.numtir == last; },
                       cycleSeconds * static_cast<double>(draws));
}

}  // namespace pelora::bench
