// Memory growth of the show over many draws in simulated time: the real window built offscreen,
// draws run one after the other with every rest counted down to its end, the event loop given
// its turn after each draw. Reports resident memory and the heap in use (mallinfo2, mapped blocks
// included) before and after, and their growth per draw.
//
//   draw_memory_probe [draws]      (default 10000, after 20 draws of warming up)
#include <malloc.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "bench_show.h"
#include "process_probe.h"

namespace pelora::bench {
namespace {

constexpr int warmUpDraws = 20;

struct Reading {
    long residentKib;
    std::size_t heapBytes;  // allocated, in the arena and in mapped blocks
};

Reading read() {
    QApplication::processEvents();
    const struct mallinfo2 heap = mallinfo2();
    return {residentKibibytes(), heap.uordblks + heap.hblkhd};
}

void runDraws(BenchShow& show, int draws) {
    for (int draw = 0; draw < draws; ++draw) {
        show.runDraws(1);
        QApplication::processEvents();
    }
}

int measure(int draws) {
    BenchShow show;
    runDraws(show, warmUpDraws);
    const Reading before = read();
    const std::int32_t rowsBefore = show.form().recap().RowCount();
    runDraws(show, draws);
    const Reading after = read();
    const std::int32_t rows = show.form().recap().RowCount() - rowsBefore;
    const double perDraw = 1.0 / static_cast<double>(draws);
    std::printf("%d draws (%d recap rows added) after %d of warming up\n", draws, rows,
                warmUpDraws);
    std::printf("resident: %ld KiB -> %ld KiB, %.0f bytes a draw\n", before.residentKib,
                after.residentKib,
                static_cast<double>(after.residentKib - before.residentKib) * 1024.0 * perDraw);
    std::printf(
        "heap in use: %zu -> %zu bytes, %.0f bytes a draw\n", before.heapBytes, after.heapBytes,
        (static_cast<double>(after.heapBytes) - static_cast<double>(before.heapBytes)) * perDraw);
    if (!show.shownErrors().empty()) {
        std::printf("the show reported: %s\n", show.shownErrors().front().c_str());
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace pelora::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int draws = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    return pelora::bench::measure(draws);
}
