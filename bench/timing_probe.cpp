// The show's timeline on the real clock, in a real window with the real platform and event
// loop: one whole cycle, from the first ball of draw 1 to the first ball of draw 2 (about
// 390 s), compared with the nominal timeline. Run it under Xvfb with a window manager
// (bench/measure_timing.sh does).
#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/placement.h"
#include "app/qt_platform.h"
#include "draw/draw_cycle.h"
#include "timeline_recorder.h"

namespace pelora::bench {
namespace {

constexpr double pauseSeconds = DrawCycle::pauseTicks;
constexpr double restSeconds = DrawCycle::restSeconds;
constexpr double slideSeconds = 2.0;
constexpr double boardOutAfterSeconds = DrawCycle::restSeconds - DrawCycle::boardOutAt;

void printSpread(const char* what, std::vector<double> milliseconds) {
    if (milliseconds.empty()) {
        std::printf("%-44s none\n", what);
        return;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%-44s min %7.2f  median %7.2f  max %7.2f ms  (%zu)\n", what, milliseconds.front(),
                milliseconds[milliseconds.size() / 2], milliseconds.back(), milliseconds.size());
}

double toMs(double seconds) {
    return seconds * 1000.0;
}

// Landings against launch + Duration, pauses against landing + 5 s, countdown ticks against the
// rest's start + n s, slides against their nominal ends, and the whole cycle.
int report(const Timeline& timeline) {
    const std::vector<Flight>& flights = timeline.flights;
    if (flights.size() < 13 || timeline.countdownTickSeconds.size() < 300 ||
        timeline.slideEndSeconds.size() < 4) {
        std::printf("the cycle did not complete\n");
        return 1;
    }
    std::vector<double> landingLate;
    std::vector<double> pauseLate;
    double nominalCycle = 0.0;
    for (std::size_t ball = 0; ball < 12; ++ball) {
        landingLate.push_back(toMs(flights[ball].landingSeconds - flights[ball].launchSeconds -
                                   flights[ball].durationSeconds));
        nominalCycle += flights[ball].durationSeconds;
        if (ball < 11) {
            pauseLate.push_back(toMs(flights[ball + 1].launchSeconds -
                                     flights[ball].landingSeconds - pauseSeconds));
            nominalCycle += pauseSeconds;
        }
    }
    const double restStart = flights[11].landingSeconds;
    std::vector<double> countdownLate;
    for (std::size_t tick = 0; tick < 300; ++tick) {
        countdownLate.push_back(
            toMs(timeline.countdownTickSeconds[tick] - restStart - static_cast<double>(tick + 1)));
    }
    const double restEnd = timeline.countdownTickSeconds[299];
    const double slideNominal[4] = {restStart + boardOutAfterSeconds + slideSeconds,
                                    restStart + boardOutAfterSeconds + 2 * slideSeconds,
                                    restEnd + slideSeconds, restEnd + 2 * slideSeconds};
    std::vector<double> slideLate;
    for (std::size_t slide = 0; slide < 4; ++slide) {
        slideLate.push_back(toMs(timeline.slideEndSeconds[slide] - slideNominal[slide]));
    }
    nominalCycle += restSeconds + 2 * slideSeconds;
    const double cycle = flights[12].launchSeconds - flights[0].launchSeconds;

    printSpread("landing after launch + Duration, late by", landingLate);
    printSpread("next launch after landing + 5 s, late by", pauseLate);
    printSpread("countdown tick n after rest start + n s", countdownLate);
    printSpread("slide ends after nominal, late by", slideLate);
    std::printf("countdown: last tick (n = 300) late by %.2f ms\n", countdownLate.back());
    std::printf("whole cycle: %.3f s, nominal %.3f s, drift %.1f ms\n", cycle, nominalCycle,
                toMs(cycle - nominalCycle));
    return 0;
}

int run(int argc, char** argv) {
    QApplication application(argc, argv);
    QtPlatform platform(
        [](const std::string& message) { std::fprintf(stderr, "error: %s\n", message.c_str()); });
    installPlatform(&platform);
    int result = 1;
    {
        TForm1 form([](const std::string& message) {
            std::fprintf(stderr, "error: %s\n", message.c_str());
        });
        TimelineRecorder recorder(form, [] { QCoreApplication::quit(); });
        const QScreen* screen = QGuiApplication::primaryScreen();
        startWindow(form, screen != nullptr ? screen->availableGeometry() : QRect());
        recorder.noteLaunchIfFlying();
        showStartedWindow(form);
        QApplication::exec();
        result = report(recorder.timeline());
    }
    installPlatform(nullptr);
    return result;
}

}  // namespace
}  // namespace pelora::bench

int main(int argc, char** argv) {
    return pelora::bench::run(argc, argv);
}
