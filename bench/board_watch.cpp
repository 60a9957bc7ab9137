// Watches the show's window from outside, as a viewer would, for the long real-time run: grabs
// the client area from the X server ten times a second and prints one line for each thing it
// sees change, stamped with the seconds since the watch began:
//   landing <s> <number> blue|yellow    a tile took a ball's colour
//   cleared <s>                         every tile is white again: a new draw is on the board
//   rest <s> / resumed <s>              the ">>" button showed / left
// It never touches the show; it only reads the screen.
//   board_watch <client x> <client y> <frame left> <frame right> <frame top> <frame bottom>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "e2e/show_layout.h"

namespace {

using namespace pelora::e2e;
using Clock = std::chrono::steady_clock;

constexpr int grabPeriodMs = 100;
// Far fewer than the title's letters hold, far more than any stray pixel of that brown.
constexpr int recapTitlePixels = 100;

class BoardWatch {
public:
    BoardWatch(QPoint clientOrigin, const FrameExtents& frame)
        : clientOrigin_(clientOrigin), boardOrigin_(boardOrigin(frame)) {}

    void look() {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QImage client = screen
                                  ->grabWindow(0, clientOrigin_.x(), clientOrigin_.y(),
                                               box::client.width(), box::client.height())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        if (client.isNull()) {
            return;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        const bool rest = nextButtonIsBlue(client) || nextButtonIsYellow(client);
        if (rest != inRest_) {
            inRest_ = rest;
            std::printf("%s %.3f\n", rest ? "rest" : "resumed", seconds);
        }
        if (boardHasLeft(client, boardOrigin_) || recapPanelShows(client)) {
            std::fflush(stdout);
            return;
        }
        const BoardLook board = readBoard(client, boardOrigin_);
        int coloured = 0;
        for (int number = 1; number <= pelora::tileCount; ++number) {
            const TileLook now = board.tiles[static_cast<std::size_t>(number - 1)];
            TileLook& before = seen_[static_cast<std::size_t>(number - 1)];
            const bool isColoured = now == TileLook::Blue || now == TileLook::Yellow;
            coloured += isColoured ? 1 : 0;
            if (isColoured && before != now) {
                std::printf("landing %.3f %d %s\n", seconds, number,
                            now == TileLook::Blue ? "blue" : "yellow");
                before = now;
            }
        }
        if (coloured == 0 && board.count(TileLook::White) == pelora::tileCount && anyColoured()) {
            seen_.fill(TileLook::White);
            std::printf("cleared %.3f\n", seconds);
        }
        std::fflush(stdout);
    }

private:
    // The recap panel covers the board exactly, and its table's blue and yellow blocks would read
    // as tiles: its brown title tells it apart.
    bool recapPanelShows(const QImage& client) const {
        const QRect title(boardOrigin_.toPoint(),
                          QSize(static_cast<int>(box::board.width()), box::recapTitleHeight));
        return countPixels(client, title, [](std::uint32_t argb) {
                   return (argb | 0xFF000000U) == pelora::colour::footerBrown;
               }) > recapTitlePixels;
    }

    bool anyColoured() const {
        for (const TileLook look : seen_) {
            if (look != TileLook::White) {
                return true;
            }
        }
        return false;
    }

    QPoint clientOrigin_;
    QPointF boardOrigin_;
    Clock::time_point start_ = Clock::now();
    std::array<TileLook, pelora::tileCount> seen_{};
    bool inRest_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: board_watch <client x> <client y> <frame left> <frame right> "
                     "<frame top> <frame bottom>\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const auto number = [argv](int index) { return std::atoi(argv[index]); };
    BoardWatch watch(QPoint(number(1), number(2)),
                     FrameExtents{number(3), number(4), number(5), number(6)});
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&watch] { watch.look(); });
    timer.start(grabPeriodMs);
    return QGuiApplication::exec();
}
