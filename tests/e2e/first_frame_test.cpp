// The first picture the window shows once it is mapped: header with the indicator, the centred
// board of white tiles with black numbers, the footer with its status text, no next-draw button
// and no recap panel.
#include <cmath>

#include "e2e/display_fixture.h"
#include "e2e/show_layout.h"
#include "e2e/text_reading.h"
#include "support/pixel_probe.h"

namespace pelora::e2e {
namespace {

using pelora::testing::hasColourAt;

constexpr auto firstPaintTimeout = std::chrono::milliseconds(5000);
constexpr auto statusClearTimeout = std::chrono::milliseconds(3000);
constexpr auto backToBack = std::chrono::milliseconds(0);
constexpr auto statusPollPeriod = std::chrono::milliseconds(100);
// The flying ball may cover up to two tiles in the first frame.
constexpr int mostTilesUnderTheBall = 2;

class FirstFrameE2E : public DisplayTest {
public:
    // One run of the program gives the frame that every test of the suite looks at.
    static void SetUpTestSuite() {
        DisplaySuite::SetUpTestSuite();
        const auto show = startShow();
        if (!show) {
            return;
        }
        // The window may be viewable a moment before its first paint reaches the screen.
        const auto painted = show->watchFor(firstPaintTimeout, isPainted, backToBack);
        if (!painted) {
            return;
        }
        frame_ = painted->snapshot.client;
        origin_ = show->boardOrigin();
        ball_ = flyingBall(frame_);
        paintDelaySeconds_ = secondsBetween(show->shownAt(), painted->snapshot.at);
        keepForLooking(frame_, "first-frame");
        // The status text stays through the first flight: it is read once the ball is clear.
        statusFrame_ = frame_;
        if (ball_.intersects(box::statusLabel)) {
            const auto clear = show->watchFor(
                statusClearTimeout,
                [](const QImage& client) {
                    return !flyingBall(client).intersects(box::statusLabel);
                },
                statusPollPeriod);
            statusFrame_ = clear ? clear->snapshot.client : QImage();
        }
    }
    static void TearDownTestSuite() {
        frame_ = QImage();
        statusFrame_ = QImage();
        DisplaySuite::TearDownTestSuite();
    }

protected:
    void SetUp() override {
        ASSERT_FALSE(frame_.isNull()) << "no painted frame within " << firstPaintTimeout.count()
                                      << " ms of the window mapping";
    }

    static int count(const QRect& area, bool (*wanted)(std::uint32_t)) {
        return countPixels(frame_, area, wanted);
    }

    // The share of the area's pixels, outside the flying ball, that have the colour.
    static double share(const QRect& area, std::uint32_t argb) {
        int looked = 0;
        int matching = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (!ball_.contains(x, y)) {
                    ++looked;
                    matching += (frame_.pixel(x, y) | 0xFF000000U) == argb ? 1 : 0;
                }
            }
        }
        return looked == 0 ? 1.0 : static_cast<double>(matching) / looked;
    }

    static QImage frame_;
    static QImage statusFrame_;
    static QPointF origin_;
    static QRect ball_;
    static double paintDelaySeconds_;
};

QImage FirstFrameE2E::frame_;
QImage FirstFrameE2E::statusFrame_;
QPointF FirstFrameE2E::origin_;
QRect FirstFrameE2E::ball_;
double FirstFrameE2E::paintDelaySeconds_ = 0.0;

TEST_F(FirstFrameE2E, WindowBackgroundIsWhite) {
    RecordProperty("first_paint_after_map_ms",
                   std::to_string(static_cast<int>(paintDelaySeconds_ * 1000)));
    // Between the header and the board, and left and right of the board.
    EXPECT_EQ(share(QRect(0, 86, 1095, 4), colour::white), 1.0);
    EXPECT_EQ(share(QRect(0, 100, 20, 500), colour::white), 1.0);
    EXPECT_EQ(share(QRect(1075, 100, 20, 500), colour::white), 1.0);
}

TEST_F(FirstFrameE2E, HeaderBarSpansTheTopIn85Pixels) {
    // Right of the banner, left of "Les", and left of the banner: the bar's own fill.
    EXPECT_EQ(share(QRect(440, 0, 210, 84), colour::headerRed), 1.0);
    EXPECT_EQ(share(QRect(0, 0, 30, 84), colour::headerRed), 1.0);
    EXPECT_TRUE(hasColourAt(frame_, 500, 83, colour::headerRed));
    EXPECT_TRUE(hasColourAt(frame_, 500, 85, colour::white));
}

TEST_F(FirstFrameE2E, HeaderReadsLesSevenNumerosBleusInWhite) {
    EXPECT_GT(count(box::lesLabel, isLight), 80) << "no white text for \"Les\"";
    EXPECT_GT(count(box::heading, isLight), 300) << "no white heading text";
    const QString header = readTextLine(frame_, QRect(650, 10, 445, 65), isLight);
    EXPECT_TRUE(header.contains(QStringLiteral("Les"))) << header.toStdString();
    EXPECT_TRUE(header.contains(QStringLiteral("bleus"))) << header.toStdString();
}

TEST_F(FirstFrameE2E, IndicatorBoxIsBlueWithAWhiteCount) {
    const QRect inside = box::indicator.adjusted(5, 5, -5, -5);
    EXPECT_GT(share(inside, colour::blue), 0.5);
    EXPECT_GT(count(inside, isLight), 30) << "no white count in the indicator box";
    EXPECT_TRUE(
        hasColourAt(frame_, box::indicator.left() + 1, box::indicator.center().y(), colour::white))
        << "the box's white stroke";
}

TEST_F(FirstFrameE2E, BoardIsCentredOnTheOuterWindow) {
    // The board's anti-aliased edge starts in the pixel that holds its corner, whole or half.
    const int row = static_cast<int>(origin_.y() + 260);
    int left = 0;
    while (left < 200 && (frame_.pixel(left, row) | 0xFF000000U) == colour::white) {
        ++left;
    }
    EXPECT_EQ(left, static_cast<int>(std::floor(origin_.x())))
        << "board expected at x " << origin_.x();
    const int column = static_cast<int>(origin_.x() + 520);
    int top = 86;
    while (top < 200 && (frame_.pixel(column, top) | 0xFF000000U) == colour::white) {
        ++top;
    }
    EXPECT_EQ(top, static_cast<int>(std::floor(origin_.y())))
        << "board expected at y " << origin_.y();
    for (const QPointF inside :
         {QPointF(10, 260), QPointF(1031, 260), QPointF(520, 12), QPointF(520, 512)}) {
        EXPECT_TRUE(hasColourAt(frame_, origin_.x() + inside.x(), origin_.y() + inside.y(),
                                colour::boardGrey));
    }
    EXPECT_TRUE(hasColourAt(frame_, origin_.x() + 1.5, origin_.y() + 260, colour::boardStroke));
}

TEST_F(FirstFrameE2E, TwentyEightWhiteTilesWithBlackNumbers) {
    int underTheBall = 0;
    for (int number = 1; number <= tileCount; ++number) {
        const QRect tile = tileBox(origin_, number).toRect();
        if (count(tile, isBallBlue) > 0) {
            ++underTheBall;
            continue;
        }
        EXPECT_EQ(tileLook(frame_, origin_, number), TileLook::White) << "tile " << number;
        const QRect digits(tile.center() - QPoint(30, 25), QSize(60, 50));
        EXPECT_GT(count(digits, isDark), 60) << "no black number on tile " << number;
    }
    EXPECT_LE(underTheBall, mostTilesUnderTheBall);
}

TEST_F(FirstFrameE2E, FooterBarIsBrownWithTheDrawInProgress) {
    EXPECT_GT(share(QRect(180, 636, 250, 4), colour::footerBrown), 0.9);
    EXPECT_GT(share(QRect(180, 679, 800, 4), colour::footerBrown), 0.9);
    EXPECT_EQ(share(QRect(960, 634, 60, 50), colour::footerBrown), 1.0);
    EXPECT_EQ(share(QRect(200, 633, 800, 1), colour::white), 1.0) << "footer starts at y 634";
    ASSERT_FALSE(statusFrame_.isNull()) << "the ball stayed over the status text";
    EXPECT_GT(countPixels(statusFrame_, box::statusLabel, isLight), 200) << "no white status text";
    const QString status = readTextLine(statusFrame_, box::statusLabel, isLight);
    EXPECT_TRUE(status.contains(QStringLiteral("Tirage en cours"))) << status.toStdString();
    EXPECT_TRUE(status.endsWith(QStringLiteral("1"))) << status.toStdString();
}

TEST_F(FirstFrameE2E, NoNextDrawButtonAndNoRecapPanel) {
    EXPECT_EQ(share(box::nextButton, colour::footerBrown), 1.0)
        << "the next-draw button's place shows something else than the footer";
    const QRect board(origin_.toPoint(), box::board.toSize());
    EXPECT_EQ(count(board, [](std::uint32_t c) { return c == colour::footerBrown; }), 0)
        << "brown on the board: the recap title?";
}

}  // namespace
}  // namespace pelora::e2e
