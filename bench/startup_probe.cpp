// Start-up of the show against a bare Qt window built the same way: time from the start of the
// process to its first painted frame, and resident memory then and once settled. Each run is a
// separate process; run it under Xvfb with a window manager, or with QT_QPA_PLATFORM=offscreen.
//
//   startup_probe [--runs N] [--settle-ms M]   runs both kinds N times, alternating, and reports
//                                              the medians and the ratios show / bare
//   startup_probe show|bare [--settle-ms M]    one run, reporting on one line (used by the above)
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/application.h"
#include "probe_runs.h"
#include "process_probe.h"
#include "stage/show_view.h"

namespace pelora::bench {
namespace {

// Watches every event of the application for the first paint of one widget. Once that paint
// and the flush that follows it are over, it notes the time and the memory, lets the program run
// `settleMs` more, notes the memory again, prints its report and ends the event loop. On the way it
// notes when the event loop first ran (the window built and shown), when the window system first
// exposed the widget's window and when that first paint began, so that a slower start can be told
// apart: building, the window system's mapping, or the paint itself.
class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(std::function<QObject*()> target, int settleMs)
        : target_(std::move(target)), settleMs_(settleMs) {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { loopNs_ = monotonicNanoseconds(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (seen_) {
            return false;
        }
        if (event->type() == QEvent::Expose && exposeNs_ == 0 && exposes(watched)) {
            exposeNs_ = monotonicNanoseconds();
        } else if (event->type() == QEvent::Paint && watched == target_()) {
            seen_ = true;
            paintNs_ = monotonicNanoseconds();
            QTimer::singleShot(0, this, [this] { framePainted(); });
        }
        return false;
    }

private:
    bool exposes(QObject* watched) const {
        const auto* widget = qobject_cast<QWidget*>(target_());
        const auto* window = qobject_cast<QWindow*>(watched);
        return widget != nullptr && window != nullptr && widget->window()->windowHandle() == window;
    }

    void framePainted() {
        const std::int64_t frameNs = monotonicNanoseconds();
        const long frameKib = residentKibibytes();
        QTimer::singleShot(settleMs_, this, [this, frameNs, frameKib] {
            std::printf(
                "loop_ns=%lld expose_ns=%lld paint_ns=%lld frame_ns=%lld rss_frame_kib=%ld "
                "rss_settled_kib=%ld\n",
                static_cast<long long>(loopNs_), static_cast<long long>(exposeNs_),
                static_cast<long long>(paintNs_), static_cast<long long>(frameNs), frameKib,
                residentKibibytes());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

    std::function<QObject*()> target_;
    int settleMs_;
    bool seen_ = false;
    std::int64_t loopNs_ = 0;
    std::int64_t exposeNs_ = 0;
    std::int64_t paintNs_ = 0;
};

// The start of the program, as its entry does it; the frame that counts is the view's.
int runShow(int argc, char** argv, int settleMs) {
    TApplication Application(argc, argv);
    FirstFrameWatch watch(
        []() -> QObject* { return Form1 != nullptr ? Form1->view().viewport() : nullptr; },
        settleMs);
    Application.CreateForm(Form1);
    return Application.Run();
}

// A window with the show window's flags and client size, showing nothing.
int runBare(int argc, char** argv, int settleMs) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint);
    window.setFixedSize(TForm1::ClientWidth, TForm1::ClientHeight);
    FirstFrameWatch watch([&window]() -> QObject* { return &window; }, settleMs);
    window.show();
    return QApplication::exec();
}

struct Samples {
    std::vector<double> loopMs;
    std::vector<double> exposeMs;
    std::vector<double> paintMs;
    std::vector<double> frameMs;
    std::vector<double> frameKib;
    std::vector<double> settledKib;

    void add(const ProbeRun& run) {
        const auto since = [&run](const char* name) {
            return (run.values.at(name) - static_cast<double>(run.spawnedAtNs)) / 1e6;
        };
        loopMs.push_back(since("loop_ns"));
        exposeMs.push_back(since("expose_ns"));
        paintMs.push_back(since("paint_ns"));
        frameMs.push_back(since("frame_ns"));
        frameKib.push_back(run.values.at("rss_frame_kib"));
        settledKib.push_back(run.values.at("rss_settled_kib"));
    }
};

void printKind(const char* kind, const Samples& samples) {
    std::printf(
        "%-5s first frame median %7.1f ms (min %.1f)   RSS at frame %7.0f KiB   "
        "settled %7.0f KiB\n"
        "      on the way, medians: event loop %.1f ms, exposed %.1f ms, paint began %.1f ms\n",
        kind, median(samples.frameMs),
        *std::min_element(samples.frameMs.begin(), samples.frameMs.end()), median(samples.frameKib),
        median(samples.settledKib), median(samples.loopMs), median(samples.exposeMs),
        median(samples.paintMs));
}

int compare(int runs, const std::string& settleMs) {
    Samples show;
    Samples bare;
    for (int run = 0; run < runs; ++run) {
        // Alternating which goes first evens out a machine that warms up or gets busy.
        if (run % 2 == 0) {
            bare.add(runSelf({"bare", "--settle-ms", settleMs}));
            show.add(runSelf({"show", "--settle-ms", settleMs}));
        } else {
            show.add(runSelf({"show", "--settle-ms", settleMs}));
            bare.add(runSelf({"bare", "--settle-ms", settleMs}));
        }
    }
    std::printf("%d runs of each, platform %s\n", runs,
                qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default")).toUtf8().data());
    printKind("bare", bare);
    printKind("show", show);
    std::printf("ratio show / bare: first frame %.2f   RSS at frame %.2f   settled %.2f\n",
                median(show.frameMs) / median(bare.frameMs),
                median(show.frameKib) / median(bare.frameKib),
                median(show.settledKib) / median(bare.settledKib));
    return 0;
}

std::string optionAfter(int argc, char** argv, const char* name, const char* fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return argv[i + 1];
        }
    }
    return fallback;
}

}  // namespace
}  // namespace pelora::bench

int main(int argc, char** argv) {
    using namespace pelora::bench;
    const std::string settleMs = optionAfter(argc, argv, "--settle-ms", "2000");
    const std::string kind = argc > 1 ? argv[1] : "";
    if (kind == "show") {
        return runShow(argc, argv, std::stoi(settleMs));
    }
    if (kind == "bare") {
        return runBare(argc, argv, std::stoi(settleMs));
    }
    try {
        return compare(std::stoi(optionAfter(argc, argv, "--runs", "20")), settleMs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_probe: %s\n", error.what());
        return 1;
    }
}
