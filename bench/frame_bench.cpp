// The cost of one frame of the show window while something moves on it: the ball's flight, a
// tile's spin, the board sliding out and the recap panel sliding in. The real window is built
// on the simulated platform; each iteration moves the show on by one 10 ms frame and paints.
// Google Benchmark's time is the mean; the counters give the median and the slow frames.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "bench_show.h"
#include "frame_times.h"
#include "stage/scene_render.h"
#include "stage/show_view.h"

namespace pelora::bench {
namespace {

const QRectF clientArea(0.0, 0.0, clientWidth, clientHeight);

Moment momentOf(const benchmark::State& state) {
    return static_cast<Moment>(state.range(0));
}

// The client area at a scale factor, as QT_SCALE_FACTOR would give it.
QImage clientImage(qreal scale) {
    const QSize pixels(static_cast<int>(std::lround(clientArea.width() * scale)),
                       static_cast<int>(std::lround(clientArea.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    return image;
}

// Counts the paint events of one widget.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    long paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Paints one frame per iteration; the moment comes back, untimed, whenever it ends.
template <typename Paint>
void paintFrames(benchmark::State& state, BenchShow& show, Paint&& paint) {
    const Moment moment = momentOf(state);
    if (!show.reach(moment)) {
        state.SkipWithError("the moment never came");
        return;
    }
    QApplication::processEvents();
    FrameTimes times;
    for (auto _ : state) {
        if (!show.nextFrame(moment)) {
            state.PauseTiming();
            show.reach(moment);
            state.ResumeTiming();
        }
        timeFrame(times, paint);
    }
    times.report(state);
    state.SetLabel(momentName(moment));
    if (!show.shownErrors().empty()) {
        state.SkipWithError(show.shownErrors().front().c_str());
    }
}

// The scene rendered whole into an image, as renderScene does it; range(1) is the scale.
void sceneIntoImage(benchmark::State& state) {
    BenchShow show;
    QImage image = clientImage(static_cast<qreal>(state.range(1)));
    paintFrames(state, show, [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHints(sceneRenderHints);
        show.scene().graphicsScene().render(&painter, clientArea, clientArea);
    });
}

// The window's view painting its whole viewport into an image; range(1) is the scale.
void viewIntoImage(benchmark::State& state) {
    BenchShow show;
    QImage image = clientImage(static_cast<qreal>(state.range(1)));
    paintFrames(state, show, [&] {
        QPainter painter(&image);
        show.form().view().viewport()->render(&painter);
    });
}

// The shown view repainting its whole viewport into the window's backing store, at the scale of
// the platform (QT_SCALE_FACTOR).
void viewRepaint(benchmark::State& state) {
    BenchShow show;
    QWidget& viewport = *show.form().view().viewport();
    paintFrames(state, show, [&] { viewport.repaint(); });
    state.counters["scale"] = viewport.devicePixelRatioF();
}

// A frame as the event loop gives it: the frame tick, then the repaint of what changed only.
void eventLoopFrame(benchmark::State& state) {
    BenchShow show;
    QWidget& viewport = *show.form().view().viewport();
    PaintCounter counter(viewport);
    paintFrames(state, show, [] { QApplication::processEvents(); });
    state.counters["paints"] =
        benchmark::Counter(static_cast<double>(counter.paints), benchmark::Counter::kAvgIterations);
    state.counters["scale"] = viewport.devicePixelRatioF();
}

void momentsAndScales(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"moment", "scale"})->ArgsProduct({{0, 1, 2, 3}, {1, 2}});
    benchmark->Unit(benchmark::kMillisecond);
}

void moments(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("moment")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
}

BENCHMARK(sceneIntoImage)->Apply(momentsAndScales);
BENCHMARK(viewIntoImage)->Apply(momentsAndScales);
BENCHMARK(viewRepaint)->Apply(moments);
BENCHMARK(eventLoopFrame)->Apply(moments);

}  // namespace
}  // namespace pelora::bench
