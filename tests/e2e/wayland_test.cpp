// The show on a Wayland desktop (weston, with Xwayland): started as a desktop session starts it,
// without a chosen Qt platform, it shows through Xwayland, where it can centre its window and
// keep it fixed; its board lies below the header's white line although weston publishes no
// frame; and a platform the user chose is kept.
#include <QRegularExpression>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/show_layout.h"
#include "support/pixel_probe.h"

namespace pelora::e2e {
namespace {

using pelora::testing::hasColourAt;

constexpr auto firstPaintTimeout = std::chrono::milliseconds(5000);
// Weston's title bar and borders, which it draws around the client without publishing them.
constexpr int westonFrameAllowance = 40;
constexpr auto nativeRunTime = std::chrono::seconds(3);
constexpr auto placementTimeout = std::chrono::seconds(3);
constexpr auto placementPoll = std::chrono::milliseconds(100);

class WaylandDesktopE2E : public ::testing::Test, public DisplaySuite {
public:
    static void SetUpTestSuite() {
        try {
            weston_ = std::make_unique<XSession>(XSession::Desktop::WestonWithXwayland);
        } catch (const std::runtime_error& error) {
            westonError_ = error.what();
        }
    }
    static void TearDownTestSuite() { weston_.reset(); }

protected:
    void SetUp() override {
        if (!weston_) {
            FAIL() << "no Wayland desktop: " << westonError_;
        }
    }
    static std::unique_ptr<XSession> weston_;
    static std::string westonError_;
};

std::unique_ptr<XSession> WaylandDesktopE2E::weston_;
std::string WaylandDesktopE2E::westonError_;

// Only an X11 client has a window on the Xwayland display: finding it there shows the platform.
TEST_F(WaylandDesktopE2E, ShowsThroughXwaylandCentredWithAFixedSize) {
    const auto show = startShowOn(*weston_);
    ASSERT_TRUE(show);
    // Weston maps the window first where it likes, then moves it where the program asked.
    const auto deadline = Clock::now() + placementTimeout;
    std::optional<QRect> client;
    QPoint offCentre;
    do {
        std::this_thread::sleep_for(placementPoll);
        client = clientRectangle(*weston_, show->window());
        ASSERT_TRUE(client);
        offCentre = client->center() - QRect(QPoint(), XSession::screenSize).center();
    } while (std::max(std::abs(offCentre.x()), std::abs(offCentre.y())) > westonFrameAllowance &&
             Clock::now() < deadline);
    EXPECT_EQ(client->size(), box::client);
    EXPECT_LE(std::abs(offCentre.x()), westonFrameAllowance) << "client at " << client->x();
    EXPECT_LE(std::abs(offCentre.y()), westonFrameAllowance) << "client at " << client->y();
    // Fixed: the smallest and the largest size the window accepts are its own.
    const QString hints = QString::fromUtf8(
        weston_
            ->run(QStringLiteral("xprop"),
                  {QStringLiteral("-id"), hexId(show->window()), QStringLiteral("WM_NORMAL_HINTS")})
            .output);
    EXPECT_TRUE(hints.contains(QStringLiteral("minimum size: 1095 by 684"))) << hints.toStdString();
    EXPECT_TRUE(hints.contains(QStringLiteral("maximum size: 1095 by 684"))) << hints.toStdString();
}

TEST_F(WaylandDesktopE2E, FirstFrameHasTheBoardBelowTheHeadersWhiteLine) {
    const auto show = startShowOn(*weston_);
    ASSERT_TRUE(show);
    const auto painted = show->watchFor(firstPaintTimeout, isPainted);
    ASSERT_TRUE(painted) << "no painted frame";
    const QImage& frame = painted->snapshot.client;
    keepForLooking(frame, "wayland-first-frame");
    const QPointF board = show->boardOrigin();
    EXPECT_EQ(board, QPointF(28.0, 92.5));
    // Between the tiles of the first and second columns, on the board's left part.
    const double between = board.x() + 148.0;
    // Between the banner and the heading.
    EXPECT_TRUE(hasColourAt(frame, 550, box::header.bottom() - 4, colour::headerRed));
    for (int y = box::header.bottom() + 1; y < static_cast<int>(board.y()); ++y) {
        EXPECT_TRUE(hasColourAt(frame, between, y, colour::white)) << "white line, row " << y;
    }
    EXPECT_TRUE(hasColourAt(frame, between, board.y() + 12.0, colour::boardGrey));
    EXPECT_TRUE(hasColourAt(frame, board.x() + 12.0, board.y() + 12.0, colour::boardGrey));
    EXPECT_TRUE(hasColourAt(frame, board.x() - 4.0, board.y() + 12.0, colour::white));
}

// A user who asks for the native Wayland platform gets it: the show runs without an X window.
TEST_F(WaylandDesktopE2E, KeepsTheNativeWaylandPlatformTheUserChose) {
    QProcessEnvironment environment = weston_->environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    GuardedProcess process(QStringLiteral(PELORA_PROGRAM), {}, environment);
    ASSERT_TRUE(process.started());
    std::this_thread::sleep_for(nativeRunTime);
    EXPECT_TRUE(process.running()) << "the show stopped on the Wayland platform";
    EXPECT_FALSE(
        findViewableWindow(*weston_, process.processId(), QStringLiteral("^Pelora - V1\\.0")));
}

}  // namespace
}  // namespace pelora::e2e
