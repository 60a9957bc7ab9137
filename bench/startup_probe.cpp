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
// `settleMs` more, notes the memory again, prints its report and ends the event loop.
class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(std::function<QObject*()> target, int settleMs)
        : target_(std::move(target)), settleMs_(settleMs) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched == target_()) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { framePainted(); });
        }
        return false;
    }

private:
    void framePainted() {
        const std::int64_t frameNs = monotonicNanoseconds();
        const long frameKib = residentKibibytes();
        QTimer::singleShot(settleMs_, this, [frameNs, frameKib] {
            std::printf("frame_ns=%lld rss_frame_kib=%ld rss_settled_kib=%ld\n",
                        static_cast<long long>(frameNs), frameKib, residentKibibytes());
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

    std::function<QObject*()> target_;
    int settleMs_;
    bool seen_ = false;
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
    std::vector<double> frameMs;
    std::vector<double> frameKib;
    std::vector<double> settledKib;

    void add(const ProbeRun& run) {
        frameMs.push_back((run.values.at("frame_ns") - static_cast<double>(run.spawnedAtNs)) / 1e6);
        frameKib.push_back(run.values.at("rss_frame_kib"));
        settledKib.push_back(run.values.at("rss_settled_kib"));
    }
};

void printKind(const char* kind, const Samples& samples) {
    std::printf(
        "%-5s first frame median %7.1f ms (min %.1f)   RSS at frame %7.0f KiB   "
        "settled %7.0f KiB\n",
        kind, median(samples.frameMs),
        *std::min_element(samples.frameMs.begin(), samples.frameMs.end()), median(samples.frameKib),
        median(samples.settledKib));
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
