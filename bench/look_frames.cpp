// Frames of the show at fixed moments, saved as PNG, so that a change meant to make painting
// cheaper can be checked not to change a single pixel (compare two directories with
// ImageMagick's `compare -metric AE`). Each moment is saved twice: as the window's backing store
// holds it after the event loop's partial repaints ("-screen"), and painted whole by the view
// ("-view"); the two must be the same. Runs on the offscreen platform; QT_SCALE_FACTOR=2 gives the
// frames at scale 2.
//
//   look_frames <directory>
#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QPainter>
#include <cstdio>
#include <string>

#include "bench_show.h"
#include "stage/show_view.h"

namespace pelora::bench {
namespace {

// A moment, then how many 10 ms frames into it.
struct Shot {
    const char* name;
    Moment moment;
    int frames;
};

constexpr Shot shots[] = {
    {"flight-start", Moment::Flight, 3},    {"flight-middle", Moment::Flight, 100},
    {"spin-early", Moment::Spin, 20},       {"spin-late", Moment::Spin, 250},
    {"board-out", Moment::BoardSlide, 90},  {"panel-in", Moment::PanelSlide, 120},
    {"panel-out", Moment::PanelSlide, 60},  {"board-in", Moment::BoardSlide, 150},
    {"flight-yellow", Moment::Flight, 150},
};

void save(const QImage& image, const QString& directory, const std::string& name) {
    const QString path = directory + QLatin1Char('/') + QString::fromStdString(name) + ".png";
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toUtf8().data());
    }
}

void saveBoth(BenchShow& show, const QString& directory, const std::string& name) {
    QApplication::processEvents();
    QWidget& view = show.form().view();
    // The offscreen platform's backing store is an image: what the event loop left in it.
    QPaintDevice* store = show.form().backingStore()->paintDevice();
    if (store->devType() == QInternal::Image) {
        save(*static_cast<QImage*>(store), directory, name + "-screen");
    }
    QImage whole(view.size() * view.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    whole.setDevicePixelRatio(view.devicePixelRatioF());
    QPainter painter(&whole);
    view.render(&painter);
    painter.end();
    save(whole, directory, name + "-view");
}

// Runs until the moment is (or is not) under way, the event loop painting every frame.
void runUntil(BenchShow& show, Moment moment, bool underWay) {
    show.platform().runUntil(
        [&] {
            QApplication::processEvents();
            return show.during(moment) == underWay;
        },
        400.0);
}

// The next occurrence of the moment, frame by frame, each painted as the real window is.
void runFrames(BenchShow& show, const Shot& shot) {
    runUntil(show, shot.moment, false);
    runUntil(show, shot.moment, true);
    for (int frame = 0; frame < shot.frames; ++frame) {
        show.nextFrame(shot.moment);
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace pelora::bench

int main(int argc, char** argv) {
    using namespace pelora::bench;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: look_frames <directory>\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(directory);
    BenchShow show;
    saveBoth(show, directory, "first");
    for (const Shot& shot : shots) {
        runFrames(show, shot);
        saveBoth(show, directory, shot.name);
    }
    return show.shownErrors().empty() ? 0 : 1;
}
