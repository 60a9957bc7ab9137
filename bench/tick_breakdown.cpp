// Where a 10 ms tick's CPU goes: the show in a real window with the real platform and event loop
// (run it under Xvfb with a window manager, at the scale to measure), its event thread's CPU
// split by what each event delivery spent (see event_costs.h) over the first seconds of a draw,
// divided by the frame ticks. Waits 2 s for start-up to settle, then measures.
//   tick_breakdown [seconds]      (60 by default: about seven balls, their flights and spins)
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Unit1.h"
#include "app/placement.h"
#include "app/qt_platform.h"
#include "event_costs.h"

int main(int argc, char** argv) {
    pelora::bench::MeteredApplication application(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    auto complain = [](const std::string& message) {
        std::fprintf(stderr, "error: %s\n", message.c_str());
    };
    pelora::QtPlatform platform(complain);
    pelora::installPlatform(&platform);
    {
        pelora::TForm1 form(complain);
        const QScreen* screen = QGuiApplication::primaryScreen();
        pelora::startWindow(form, screen != nullptr ? screen->availableGeometry() : QRect());
        pelora::showStartedWindow(form);
        QTimer::singleShot(2000, [&application] { application.reset(); });
        QTimer::singleShot(2000 + seconds * 1000, [&application, seconds] {
            const std::string title = "the show, " + std::to_string(seconds) + " s of the draw";
            application.report(title.c_str());
            QCoreApplication::quit();
        });
        QApplication::exec();
    }
    pelora::installPlatform(nullptr);
    return 0;
}
