// One whole cycle of the show in real time: twelve balls, the board sliding out ten seconds after
// the last landing, the recap panel with its row, the ">>" button and its hover feedback, a click
// that brings the reset board back for draw 2, and the first ball of draw 2.
#include <QColor>
#include <iostream>

#include "assets/facts/show_facts.h"
#include "e2e/display_fixture.h"
#include "e2e/landing_watch.h"
#include "e2e/text_reading.h"
#include "support/pixel_probe.h"

namespace pelora::e2e {
namespace {

// Twelve flights of at most 3 s and eleven pauses of 5 s, with room to spare.
constexpr auto wholeDrawTimeout = std::chrono::seconds(110);
constexpr auto restStepTimeout = std::chrono::seconds(20);
constexpr auto pointerTimeout = std::chrono::seconds(3);
constexpr auto nextDrawTimeout = std::chrono::seconds(10);
constexpr double boardOutAfterLastLanding = 10.0;
constexpr double buttonAfterLastLanding = 14.0;
constexpr double boardBackAfterClick = 4.0;
constexpr double restTolerance = 1.0;
constexpr double firstFlightTolerance = 0.7;
// The pointer rests on the button's lower edge: the tooltip then opens below the window.
constexpr QPoint onTheButton{1050, 673};
constexpr QPoint offTheButton{550, 40};

bool isBrownText(std::uint32_t argb) {
    const int r = static_cast<int>((argb >> 16) & 0xFFU);
    const int g = static_cast<int>((argb >> 8) & 0xFFU);
    const int b = static_cast<int>(argb & 0xFFU);
    return r > 110 && g < 100 && b < 100;
}

QRect recapBlock(QPointF boardOrigin, int column) {
    const QPoint first = boardOrigin.toPoint() + box::recapFirstBlock;
    return column == 0 ? QRect(first, QSize(214, 44))
                       : QRect(first + QPoint(220 + 60 * (column - 1), 0), QSize(54, 44));
}

QRect recapTitle(QPointF boardOrigin) {
    return {boardOrigin.toPoint(),
            QSize(static_cast<int>(box::board.width()), box::recapTitleHeight)};
}

std::uint32_t colourAt(const QImage& client, QPointF point) {
    return client.pixel(point.toPoint()) | 0xFF000000U;
}

// The reset board in its place: its left stroke exactly where it started, white tiles, and no
// recap title left.
bool boardIsBack(const QImage& client, QPointF origin) {
    return colourAt(client, origin + QPointF(-3, 260)) == colour::white &&
           colourAt(client, origin + QPointF(1, 260)) == colour::boardStroke &&
           colourAt(client, origin + QPointF(10, 260)) == colour::boardGrey &&
           readBoard(client, origin).count(TileLook::White) == tileCount &&
           countPixels(client, recapTitle(origin), isBrownText) == 0;
}

// A recap block's text: the pixels nearer the text's colour than the block's, so that a digit
// keeps its thinner joins. Only the nearly white pixels of a "6" on blue left its join out, and
// it was not read.
bool isTextOnBlue(std::uint32_t argb) {
    return qRed(argb) > (qRed(colour::blue) + qRed(colour::white)) / 2;
}

bool isTextOnYellow(std::uint32_t argb) {
    return qGreen(argb) < (qGreen(colour::yellow) + qGreen(colour::black)) / 2;
}

// The numbers of the recap row's blue and yellow blocks, each block read alone as one number,
// from its inside only. Read as one line, a single digit between two others was now and then
// dropped; and with the block's edge in the picture, the lines between cells (as light as the
// text on blue) made tesseract read a digit more or one less, depending on a pixel of offset.
std::vector<int> readRecapNumbers(const QImage& client, QPointF origin) {
    constexpr int inset = 4;
    std::vector<int> numbers;
    for (int column = 1; column <= ballsPerDraw; ++column) {
        const auto isText = column <= blueBalls ? isTextOnBlue : isTextOnYellow;
        const QRect inside = recapBlock(origin, column).adjusted(inset, inset, -inset, -inset);
        bool isNumber = false;
        const int number = readNumber(client, inside, isText).toInt(&isNumber);
        if (isNumber) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

void reportLandings(const std::vector<Landing>& landings, Clock::time_point shownAt) {
    auto previous = shownAt;
    for (std::size_t i = 0; i < landings.size(); ++i) {
        const double nominal = flightSeconds(landings[i].number) + (i == 0 ? 0.0 : 5.0);
        std::cout << "ball " << i + 1 << " on " << landings[i].number << ": "
                  << secondsBetween(previous, landings[i].estimate) << " s (nominal " << nominal
                  << " s)\n";
        previous = landings[i].estimate;
    }
}

// The steps of the cycle, in order; each one fails the test when the show does not get there.
class CycleE2E : public DisplayTest {
protected:
    void playTheWholeDraw() {
        show_ = startShow();
        ASSERT_NE(show_, nullptr);
        origin_ = show_->boardOrigin();
        const std::vector<Landing> landings =
            watchLandings(*show_, origin_, ballsPerDraw, wholeDrawTimeout);
        reportLandings(landings, show_->shownAt());
        ASSERT_EQ(landings.size(), static_cast<std::size_t>(ballsPerDraw));
        for (std::size_t i = 0; i < landings.size(); ++i) {
            EXPECT_EQ(landings[i].look, i < blueBalls ? TileLook::Blue : TileLook::Yellow)
                << "ball " << i + 1;
        }
        lastLanding_ = landings.back().estimate;
        const QImage fullBoard = show_->snap().client;
        keepForLooking(fullBoard, "full-board");
        board_ = readBoard(fullBoard, origin_);
        EXPECT_EQ(board_.count(TileLook::Blue), blueBalls);
        EXPECT_EQ(board_.count(TileLook::Yellow), ballsPerDraw - blueBalls);
    }

    void watchTheBoardGoAndTheRecapCome() {
        const auto boardOut = show_->watchFor(restStepTimeout, [this](const QImage& client) {
            return boardHasLeft(client, origin_);
        });
        ASSERT_TRUE(boardOut.has_value()) << "the board did not slide out";
        keepForLooking(boardOut->snapshot.client, "board-sliding-out");
        const double outAfter = secondsBetween(lastLanding_, boardOut->estimate);
        std::cout << "board out " << outAfter << " s after the last landing\n";
        EXPECT_NEAR(outAfter, boardOutAfterLastLanding, restTolerance);

        const auto recap = show_->watchFor(restStepTimeout, nextButtonIsBlue);
        ASSERT_TRUE(recap.has_value()) << "no blue \">>\" button with white text";
        keepForLooking(recap->snapshot.client, "recap");
        const double buttonAfter = secondsBetween(lastLanding_, recap->estimate);
        std::cout << "\">>\" shown " << buttonAfter << " s after the last landing\n";
        EXPECT_NEAR(buttonAfter, buttonAfterLastLanding, restTolerance);
        checkRecapPanel(recap->snapshot.client);
        checkRecapRow(recap->snapshot.client);
    }

    void checkRecapPanel(const QImage& client) const {
        const QRect belowTheTable(origin_.toPoint() + QPoint(5, 485), QSize(1030, 30));
        EXPECT_GT(colourShare(client, belowTheTable, colour::boardGrey), 0.95) << "panel fill";
        EXPECT_GT(countPixels(client, recapTitle(origin_), isBrownText), 300) << "no brown title";
        const QString title = readTextLine(client, recapTitle(origin_), isBrownText);
        EXPECT_TRUE(title.contains(QStringLiteral("capitulatif des tirages")))
            << title.toStdString();
    }

    // The row of draw 1: a red block, then the blue numbers and the yellow numbers of the board,
    // each colour smallest first.
    void checkRecapRow(const QImage& client) const {
        EXPECT_GT(colourShare(client, recapBlock(origin_, 0), colour::headerRed), 0.5)
            << "draw-number block";
        for (int column = 1; column <= ballsPerDraw; ++column) {
            const std::uint32_t fill = column <= blueBalls ? colour::blue : colour::yellow;
            EXPECT_GT(colourShare(client, recapBlock(origin_, column), fill), 0.5)
                << "recap block " << column << " should be " << pelora::testing::hex(fill);
        }
        std::vector<int> expected = board_.numbers(TileLook::Blue);
        const std::vector<int> yellow = board_.numbers(TileLook::Yellow);
        expected.insert(expected.end(), yellow.begin(), yellow.end());
        EXPECT_EQ(readRecapNumbers(client, origin_), expected) << "the row's numbers, read";
    }

    void hoverTheButton() {
        show_->movePointerTo(onTheButton);
        const auto hovered = show_->watchFor(pointerTimeout, nextButtonIsYellow);
        ASSERT_TRUE(hovered.has_value()) << "the button did not turn yellow with black text";
        keepForLooking(hovered->snapshot.client, "button-hovered");
        show_->movePointerTo(offTheButton);
        const auto left = show_->watchFor(pointerTimeout, nextButtonIsBlue);
        ASSERT_TRUE(left.has_value()) << "the button did not turn back blue with white text";
        keepForLooking(left->snapshot.client, "button-left");
    }

    void clickForTheNextDraw() {
        show_->movePointerTo(onTheButton);
        ASSERT_TRUE(show_->watchFor(pointerTimeout, nextButtonIsYellow));
        show_->click();
        const auto clicked = Clock::now();
        const auto back = show_->watchFor(
            nextDrawTimeout, [this](const QImage& client) { return boardIsBack(client, origin_); });
        ASSERT_TRUE(back.has_value()) << "the white board did not come back";
        keepForLooking(back->snapshot.client, "board-back");
        boardBack_ = back->estimate;
        const double backAfter = secondsBetween(clicked, boardBack_);
        std::cout << "board back " << backAfter << " s after the click\n";
        EXPECT_NEAR(backAfter, boardBackAfterClick, restTolerance);
        EXPECT_EQ(colourShare(back->snapshot.client, box::nextButton, colour::footerBrown), 1.0)
            << "the \">>\" button is still shown";
        const QString status = readTextLine(back->snapshot.client, box::statusLabel, isLight);
        EXPECT_TRUE(status.contains(QStringLiteral("Tirage en cours"))) << status.toStdString();
        EXPECT_TRUE(status.endsWith(QStringLiteral("2"))) << status.toStdString();
    }

    void watchTheFirstBallOfDrawTwo() {
        const auto next = watchLandings(*show_, origin_, 1, nextDrawTimeout);
        ASSERT_EQ(next.size(), 1U) << "no ball landed in draw 2";
        keepForLooking(next[0].client, "draw-2-first-landing");
        const double flight = secondsBetween(boardBack_, next[0].estimate);
        std::cout << "draw 2 ball 1 on " << next[0].number << " " << flight
                  << " s after the board was back\n";
        EXPECT_EQ(next[0].look, TileLook::Blue);
        EXPECT_NEAR(flight, flightSeconds(next[0].number), firstFlightTolerance);
    }

    std::unique_ptr<ShowProgram> show_;
    QPointF origin_;
    BoardLook board_;
    Clock::time_point lastLanding_;
    Clock::time_point boardBack_;
};

TEST_F(CycleE2E, WholeDrawRestRecapAndNextDrawInRealTime) {
    ASSERT_NO_FATAL_FAILURE(playTheWholeDraw());
    ASSERT_NO_FATAL_FAILURE(watchTheBoardGoAndTheRecapCome());
    ASSERT_NO_FATAL_FAILURE(hoverTheButton());
    ASSERT_NO_FATAL_FAILURE(clickForTheNextDraw());
    watchTheFirstBallOfDrawTwo();
}

}  // namespace
}  // namespace pelora::e2e
