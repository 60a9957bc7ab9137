// Whole draws on the real scene in simulated time, checked on rendered frames.
#include <gtest/gtest.h>

#include <cmath>

#include "assets/facts/show_facts.h"
#include "draw/publisher.h"
#include "show_fixture.h"
#include "support/pixel_probe.h"

namespace pelora::testing {
namespace {

using namespace colour;

class DrawOnScreen : public ShowFixture {
protected:
    void SetUp() override { start(); }
    double landingOf(int ball) {
        return runUntil([&] { return state().coup == ball + 1; });
    }
};

TEST_F(DrawOnScreen, ABlueLandingTurnsTheTileBlueWithAWhiteNumber) {
    const int number = state().Tirage[1];
    landingOf(1);
    runFor(3.1);  // the spin is over
    const QImage image = frame();
    saveForLooking(image, "show-blue-tile");
    const QPointF tile = tileOrigin(number);
    EXPECT_TRUE(sameColour(pixelAt(image, tile.x() + 12, tile.y() + 50), blue, 3));
    EXPECT_TRUE(sameColour(pixelAt(image, tile.x() + 1.5, tile.y() + 50), white, 3));
    EXPECT_GT(countColour(image, {tile.x() + 20, tile.y() + 25, 60, 50}, white), 30);
    EXPECT_EQ(countColour(image, {tile.x() + 20, tile.y() + 25, 60, 50}, black), 0);
}

TEST_F(DrawOnScreen, AYellowLandingTurnsTheTileYellowAndKeepsABlackNumber) {
    const int number = state().Tirage[8];
    const double launch = runUntil([&] { return state().coup == 8; });
    (void)launch;
    runUntil([&] { return scene().Label28().text() == "numéros jaunes"; });
    QImage image = frame();
    EXPECT_TRUE(sameColour(pixelAt(image, 730, 58), yellow, 3)) << "indicator box";
    EXPECT_GT(countColour(image, {731, 27, 26, 31}, black), 20) << "\"5\" in black";
    EXPECT_EQ(scene().Label1().text(), "5");
    // The sprite carries the yellow ball from ball 8 on.
    EXPECT_EQ(scene().Image2().picture(), scene().Image4().picture());

    landingOf(8);
    runFor(3.1);
    image = frame();
    saveForLooking(image, "show-yellow-tile");
    const QPointF tile = tileOrigin(number);
    EXPECT_TRUE(sameColour(pixelAt(image, tile.x() + 12, tile.y() + 50), yellow, 3));
    EXPECT_GT(countColour(image, {tile.x() + 20, tile.y() + 25, 60, 50}, black), 30);
}

TEST_F(DrawOnScreen, ASpinningTileTurnsWithItsNumberBeyondItsBox) {
    const int number = state().Tirage[1];
    landingOf(1);
    runFor(0.1875);  // an eighth of the 720 degrees: 45 degrees
    const float angle = scene().tile(number).rotationAngle();
    EXPECT_NEAR(angle, 45.0F, 3.5F);
    const QImage image = frame();
    saveForLooking(image, "show-mid-spin");
    const QPointF tile = tileOrigin(number);
    // A corner turned to the top reaches beyond the box: the white stroke and the blue fill
    // (both full blue channel) stand where the board's grey was.
    const std::uint32_t aboveTheBox = pixelAt(image, tile.x() + 50, tile.y() - 10);
    EXPECT_GE(aboveTheBox & 0xFFU, 0xF0U) << hex(aboveTheBox);
    EXPECT_FALSE(sameColour(aboveTheBox, boardGrey, 3));
    EXPECT_TRUE(sameColour(pixelAt(image, tile.x() + 50, tile.y() + 12), blue, 3));
}

TEST_F(DrawOnScreen, TheBallFliesFromHomeOntoItsTileAndGoesBack) {
    for (int ball = 1; ball <= 12; ++ball) {
        const int number = state().Tirage[ball];
        const QPointF target = tileOrigin(number);
        const TFloatAnimation& horizontal = scene().FloatAnimation(1);
        const TFloatAnimation& vertical = scene().FloatAnimation(2);
        if (ball == 1) {
            // Launched before the first layout pass: aimed at the board of the description.
            EXPECT_EQ(horizontal.StopValue, 35.0F + scene().tile(number).positionX());
            EXPECT_EQ(vertical.StopValue, 105.0F + scene().tile(number).positionY());
        } else {
            EXPECT_EQ(horizontal.StopValue, static_cast<float>(target.x()));
            EXPECT_EQ(vertical.StopValue, static_cast<float>(target.y()));
        }
        EXPECT_EQ(horizontal.StartValue, -120.0F);
        const float startY = number >= 8 && number <= 14    ? 600.0F
                             : number >= 15 && number <= 21 ? 140.0F
                                                            : 380.0F;
        EXPECT_EQ(vertical.StartValue, startY) << "ball " << ball << ", number " << number;
        // One frame before the end the ball is over its tile.
        runUntil([&] { return horizontal.elapsed() >= horizontal.Duration - 0.015F; });
        EXPECT_NEAR(scene().Rectangle1().positionX(), horizontal.StopValue, 12.0F);
        EXPECT_NEAR(scene().Rectangle1().positionY(), vertical.StopValue, 40.0F);
        landingOf(ball);
        EXPECT_EQ(scene().Rectangle1().positionX(), -120.0F);
        EXPECT_EQ(scene().Rectangle1().positionY(), 380.0F);
        if (ball < 12) {
            runUntil([&] { return horizontal.Running(); });
        }
    }
}

TEST_F(DrawOnScreen, TheEndOfADrawShowsThePublisherInTheHeading) {
    landingOf(12);
    const QImage image = frame();
    saveForLooking(image, "show-end-of-draw");
    EXPECT_EQ(scene().Label28().text(), std::string(publisherAddress));
    EXPECT_EQ(countColour(image, {659, 0, 105, 84}, headerRed), 105 * 84)
        << "box and \"Les\" hidden";
    EXPECT_GT(countColour(image, {774, 0, 311, 85}, white), 150);
    EXPECT_EQ(scene().Label4().text(), "Tirage N°1 terminé");
    for (int ball = 1; ball <= 12; ++ball) {
        const QPointF tile = tileOrigin(state().Tirage[ball]);
        EXPECT_TRUE(sameColour(pixelAt(image, tile.x() + 12, tile.y() + 50),
                               ball <= blueBalls ? blue : yellow, 3));
    }
}

TEST_F(DrawOnScreen, TheBoardSlidesOutAndTheRecapSlidesIn) {
    const double L = landingOf(12);
    platform.advanceTo(L + 11.0);
    const float p1 = state().p1;
    const float p2 = state().p2;
    const float boardX = scene().Rectangle2().positionX();
    EXPECT_NEAR(boardX, p1 + (p2 - p1) / 2.0F, (p2 - p1) * 0.01F);
    QImage image = frame();
    saveForLooking(image, "show-board-sliding");
    EXPECT_TRUE(sameColour(pixelAt(image, boardX - 5, 300), white, 3));
    EXPECT_TRUE(sameColour(pixelAt(image, boardX + 12, 300), boardGrey, 3));
    EXPECT_EQ(scene().Label4().text(), "Prochain tirage N°2 dans 04'49");

    platform.advanceTo(L + 14.5);
    image = frame();
    saveForLooking(image, "show-recap-in");
    EXPECT_TRUE(scene().Rectangle10().isVisible());
    EXPECT_EQ(scene().Rectangle10().positionX(), p1);
    EXPECT_TRUE(scene().Rectangle9().isVisible());
    EXPECT_TRUE(sameColour(pixelAt(image, 1030, 672), blue, 3)) << "\">>\" button";
}

}  // namespace
}  // namespace pelora::testing
