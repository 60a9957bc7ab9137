// Cost of one frame of the window while the recap panel slides in, with a short and a very long
// recap table, and with and without the panel's cached look; the board sliding out beside it.
// A frame is painted by the window's own view, as the screen would get it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <string>

#include "assets/facts/show_facts.h"
#include "stage/layout_pass.h"
#include "stage/recap_model.h"
#include "stage/recap_table.h"
#include "stage/show_scene.h"
#include "stage/show_view.h"

namespace pelora {
namespace {

// The 200 frames of a two-second slide.
constexpr int slideFrames = 200;

// The window's scene and view, laid out for a 1111 x 724 window, with `rows` draws in the table.
// The view is not shown: frames are painted only when asked for.
struct SlidingShow {
    explicit SlidingShow(int rows) {
        recap.setRowHeight(50);
        recap.setRowCount(rows);
        for (int row = 0; row < rows; ++row) {
            recap.setCell(0, row, "N°" + std::to_string(row + 1));
            for (int column = 1; column < RecapModel::columns; ++column) {
                recap.setCell(column, row, std::to_string(column * 2));
            }
        }
        runLayoutPass(scene, 1111, 724, p1, p2);
        table.build();
        table.setPaintObserver([this](int /*column*/, int /*row*/) { ++cellsPainted; });
        QApplication::processEvents();
    }

    float slidePosition(int frame) const {
        return p2 + (p1 - p2) * static_cast<float>(frame % slideFrames) / slideFrames;
    }

    void paintFrame() {
        QPainter painter(&image);
        view.viewport()->render(&painter);
    }

    ShowScene scene;
    RecapModel recap;
    RecapTable table{scene, recap};
    ShowView view{scene};
    QImage image{clientWidth, clientHeight, QImage::Format_ARGB32_Premultiplied};
    float p1 = 0.0F;
    float p2 = 0.0F;
    long cellsPainted = 0;
};

// range(0): rows in the table; range(1): 1 with the panel's device-coordinate cache, 0 without.
void recapPanelSlideFrame(benchmark::State& state) {
    SlidingShow show(static_cast<int>(state.range(0)));
    RectangleNode& panel = show.scene.Rectangle10();
    panel.setCacheMode(state.range(1) != 0 ? QGraphicsItem::DeviceCoordinateCache
                                           : QGraphicsItem::NoCache);
    panel.setVisible(true);
    show.scene.Rectangle2().setPositionX(show.p2);
    int frame = 0;
    for (auto _ : state) {
        panel.setPositionX(show.slidePosition(frame++));
        show.paintFrame();
    }
    state.counters["cells/frame"] = benchmark::Counter(static_cast<double>(show.cellsPainted),
                                                       benchmark::Counter::kAvgIterations);
    state.SetLabel(state.range(1) != 0 ? "panel cached" : "panel not cached");
}
BENCHMARK(recapPanelSlideFrame)->ArgsProduct({{10, 10000}, {1, 0}})->Unit(benchmark::kMillisecond);

// The board of 28 tiles sliding out, the recap panel still hidden.
void boardSlideFrame(benchmark::State& state) {
    SlidingShow show(10);
    RectangleNode& board = show.scene.Rectangle2();
    int frame = 0;
    for (auto _ : state) {
        board.setPositionX(show.p1 + show.p2 - show.slidePosition(frame++));
        show.paintFrame();
    }
}
BENCHMARK(boardSlideFrame)->Unit(benchmark::kMillisecond);

// The panel in place, the whole window painted: the frame after a scroll or a click.
void recapPanelInPlaceFrame(benchmark::State& state) {
    SlidingShow show(static_cast<int>(state.range(0)));
    show.scene.Rectangle10().setVisible(true);
    for (auto _ : state) {
        show.paintFrame();
    }
    state.counters["cells/frame"] = benchmark::Counter(static_cast<double>(show.cellsPainted),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK(recapPanelInPlaceFrame)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

// A draw's row appended to a table of range(0) rows and laid out, as the event loop does it
// when a draw is prepared.
void appendRow(benchmark::State& state) {
    SlidingShow show(static_cast<int>(state.range(0)));
    show.scene.Rectangle10().setVisible(true);
    for (auto _ : state) {
        const int row = show.recap.RowCount();
        show.recap.setRowCount(row + 1);
        for (int column = 0; column < RecapModel::columns; ++column) {
            show.recap.setCell(column, row, std::to_string(column + 1));
        }
        QApplication::processEvents();
    }
}
BENCHMARK(appendRow)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pelora
