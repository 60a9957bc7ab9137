// The window where a user expects it on any desktop: under openbox, under xfwm4 (a larger frame,
// 5, 5, 29, 5), under managers that give it no frame (openbox with a kiosk rule, and KWin, which
// cannot be asked for the frame before the window shows) and on a bare X server with no window
// manager, as kiosks run. The window is centred on the work area with its real
// frame (none without a manager or under the rule), its board is where the layout puts it for
// that frame (for the frame of the desktop the show is made on where none is reported or it is
// empty, below the header's white line), and from its mapping on the window neither moves
// nor is laid out again: the X server's notifications show no move, and the board stands in
// every picture where it stood in the first.
#include <cmath>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/placement_watch.h"
#include "e2e/show_layout.h"
#include "support/pixel_probe.h"

namespace pelora::e2e {
namespace {

using pelora::testing::hasColourAt;

constexpr auto firstPaintTimeout = std::chrono::milliseconds(5000);
constexpr auto backToBack = std::chrono::milliseconds(0);
// Long enough for a frame that came late, a second centring or layout pass, to show.
constexpr auto watchedAfterFirstFrame = std::chrono::seconds(3);
constexpr auto snapshotPeriod = std::chrono::milliseconds(250);

struct Desktop {
    const char* name;
    XSession::Desktop desktop;
    // A manager that cannot be asked for the frame before the window shows publishes it only as
    // it takes the window over: the window, placed for the frame it assumed, is centred again
    // once then, unless that came before the mapping. KWin also maps its frame at the screen's
    // corner before it moves it where the window asked to be.
    int mostPlacesAfterMapping = 1;
};

void PrintTo(const Desktop& desktop, std::ostream* out) {
    *out << desktop.name;
}

// The first white pixel's end along a line: where the board's anti-aliased edge starts.
int firstNotWhite(const QImage& client, QPoint from, QPoint step, int limit) {
    QPoint at = from;
    for (int i = 0; i < limit && client.valid(at); ++i, at += step) {
        if ((client.pixel(at) | 0xFF000000U) != colour::white) {
            return step.x() != 0 ? at.x() : at.y();
        }
    }
    return -1;
}

// Whether the board's left and top edges are where a board at `origin` has them. Each edge is
// read on two lines far apart, so that the flying ball, which covers one at most, does not hide
// it; a board laid out elsewhere misses on both.
bool boardStandsAt(const QImage& client, QPointF origin) {
    const int left = static_cast<int>(std::floor(origin.x()));
    const int top = static_cast<int>(std::floor(origin.y()));
    const auto leftAt = [&](double y) {
        return firstNotWhite(client, QPoint(0, static_cast<int>(origin.y() + y)), QPoint(1, 0),
                             200);
    };
    const auto topAt = [&](double x) {
        return firstNotWhite(client,
                             QPoint(static_cast<int>(origin.x() + x), box::header.bottom() + 1),
                             QPoint(0, 1), 200);
    };
    return (leftAt(20) == left || leftAt(500) == left) && (topAt(100) == top || topAt(940) == top);
}

std::string listed(const std::vector<QPoint>& places) {
    std::string text;
    for (const QPoint& place : places) {
        text += (text.empty() ? "" : ", then ") + std::to_string(place.x()) + ", " +
                std::to_string(place.y());
    }
    return text;
}

// Each test starts a display of its own desktop; the suite's shared display is not needed.
class PlacementE2E : public ::testing::TestWithParam<Desktop>, public DisplaySuite {
public:
    static void SetUpTestSuite() {}
    static void TearDownTestSuite() {}
};

TEST_P(PlacementE2E, CentredWithItsRealFrameAndStillFromTheFirstFrame) {
    std::unique_ptr<XSession> session;
    try {
        session = std::make_unique<XSession>(GetParam().desktop);
    } catch (const std::runtime_error& error) {
        FAIL() << "no test display: " << error.what();
    }
    PlacementWatch watch(*session);
    const auto show = startShowOn(*session);
    ASSERT_TRUE(show);
    const auto painted = show->watchFor(firstPaintTimeout, isPainted, backToBack);
    ASSERT_TRUE(painted) << "no painted frame";
    const auto settled = Clock::now() + watchedAfterFirstFrame;
    while (watch.placesSinceMapping(show->window()).size() <
               static_cast<std::size_t>(GetParam().mostPlacesAfterMapping) &&
           Clock::now() < settled) {
        std::this_thread::sleep_for(snapshotPeriod);
    }
    keepForLooking(painted->snapshot.client, std::string("placement-") + GetParam().name);

    // The frame the window is centred with: the manager's, or none.
    const FrameExtents frame = session->reportsFrames() ? show->frame() : FrameExtents{};
    const std::optional<QRect> client = clientRectangle(*session, show->window());
    ASSERT_TRUE(client);
    EXPECT_EQ(client->size(), box::client);
    const QRect outer = client->adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
    const QSize screen = XSession::screenSize;
    EXPECT_NEAR(outer.left(), (screen.width() - outer.width()) / 2.0, 0.5)
        << "outer rectangle at " << outer.x() << ", " << outer.y();
    EXPECT_NEAR(outer.top(), (screen.height() - outer.height()) / 2.0, 0.5)
        << "outer rectangle at " << outer.x() << ", " << outer.y();

    // The board as the layout puts it: on the outer size with the real frame, or with the frame
    // of openbox where nobody reports one.
    const QPointF board = show->boardOrigin();
    EXPECT_TRUE(boardStandsAt(painted->snapshot.client, board))
        << "board expected at " << board.x() << ", " << board.y() << " in the first frame";
    EXPECT_GT(board.y(), static_cast<double>(box::header.height()))
        << "the board covers the header's white line";
    EXPECT_TRUE(hasColourAt(painted->snapshot.client, board.x() + 148.0, box::header.bottom() + 2.0,
                            colour::white));

    const auto end = Clock::now() + watchedAfterFirstFrame;
    int pictures = 0;
    while (Clock::now() < end) {
        std::this_thread::sleep_for(snapshotPeriod);
        const QImage later = show->snap().client;
        ASSERT_FALSE(later.isNull());
        EXPECT_TRUE(boardStandsAt(later, board)) << "the board moved, picture " << pictures;
        ++pictures;
    }
    EXPECT_EQ(clientRectangle(*session, show->window()), client);
    const std::vector<QPoint> places = watch.placesSinceMapping(show->window());
    ASSERT_FALSE(places.empty()) << "the window's mapping was not seen";
    EXPECT_LE(places.size(), static_cast<std::size_t>(GetParam().mostPlacesAfterMapping))
        << "the window moved after it was mapped: " << listed(places);
}

const Desktop desktops[] = {
    {"Openbox", XSession::Desktop::OpenboxOnXvfb},
    {"Xfwm4", XSession::Desktop::Xfwm4OnXvfb},
    {"OpenboxWithoutFrame", XSession::Desktop::UndecoratedOpenboxOnXvfb},
    {"KwinWithoutFrame", XSession::Desktop::KwinOnXvfb, 3},
    {"NoWindowManager", XSession::Desktop::BareXvfb},
};

INSTANTIATE_TEST_SUITE_P(Desktops, PlacementE2E, ::testing::ValuesIn(desktops),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace pelora::e2e
