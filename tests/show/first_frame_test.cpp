#include <gtest/gtest.h>

#include "assets/facts/show_facts.h"
#include "show_fixture.h"
#include "support/pixel_probe.h"

namespace pelora::testing {
namespace {

using namespace colour;

class FirstFrame : public ShowFixture {
protected:
    void SetUp() override {
        start();
        image = frame();
        saveForLooking(image, "show-first-frame");
    }
    void expectColour(double x, double y, std::uint32_t colour, const char* what) {
        EXPECT_TRUE(sameColour(pixelAt(image, x, y), colour, 3))
            << what << " at (" << x << ", " << y << "): " << hex(pixelAt(image, x, y));
    }
    QImage image;
};

TEST_F(FirstFrame, HeaderSaysLesSevenNumerosBleus) {
    expectColour(3, 3, headerRed, "header bar");
    // Left of the board, which may overlap the bar when the window has no frame.
    expectColour(10, 84.5, white, "header's bottom line");
    EXPECT_GT(countColour(image, {659, 0, 65, 85}, white), 40) << "\"Les\"";
    expectColour(730, 58, blue, "indicator box");
    EXPECT_GT(countColour(image, {731, 27, 26, 31}, white), 20) << "\"7\" in white";
    EXPECT_GT(countColour(image, {774, 0, 311, 85}, white), 200) << "heading";
    // The banner's name is blue on its yellow swoosh.
    EXPECT_GT(countColour(image, {35, 0, 400, 84}, blue, 60), 100) << "banner";
}

TEST_F(FirstFrame, TheBoardIsCentredWithTwentyEightWhiteTiles) {
    const float boardX = scene().Rectangle2().positionX();
    const float boardY = scene().Rectangle2().positionY();
    EXPECT_EQ(boardX, static_cast<float>(form->Width) / 2.0F - 520.5F);
    EXPECT_EQ(boardY, static_cast<float>(form->Height) / 2.0F - 260.0F);
    expectColour(boardX + 12, boardY + 136, boardGrey, "board between rows");
    for (int number = 1; number <= tileCount; ++number) {
        const QPointF tile = tileOrigin(number);
        expectColour(tile.x() + 12, tile.y() + 50, white, "tile fill");
        expectColour(tile.x() + 1.5, tile.y() + 50, tileStrokeAtRest, "tile stroke");
        EXPECT_GT(countColour(image, {tile.x() + 20, tile.y() + 25, 60, 50}, black), 30)
            << "number " << number;
    }
}

TEST_F(FirstFrame, FooterShowsBothBallsAndTheDrawInProgress) {
    expectColour(1000, 660, footerBrown, "footer bar, no \">>\" button");
    EXPECT_EQ(countColour(image, {1025, 642, 50, 34}, footerBrown), 50 * 34) << "no \">>\"";
    EXPECT_GT(countColour(image, {160, 634, 785, 50}, white), 150) << "footer text";
    EXPECT_EQ(scene().Label4().text(), "Tirage en cours N°1");
    const std::uint32_t blueBall = pixelAt(image, 73, 655);
    EXPECT_GT(blueBall & 0xFFU, (blueBall >> 16U) & 0xFFU) << "blue ball " << hex(blueBall);
    // Both pictures reach above the bar and are drawn there in full.
    const std::uint32_t yellowTop = pixelAt(image, 141, 628);
    EXPECT_GT((yellowTop >> 16U) & 0xFFU, 200U) << "yellow ball above the bar";
    EXPECT_LT(yellowTop & 0xFFU, 120U) << "yellow ball above the bar " << hex(yellowTop);
}

TEST_F(FirstFrame, NoRecapPanelAndTheBallIsStillOffScreen) {
    EXPECT_FALSE(scene().Rectangle10().isVisible());
    EXPECT_FALSE(scene().Rectangle9().isVisible());
    EXPECT_EQ(scene().Rectangle1().positionX(), -120.0F);
    expectColour(5, 430, white, "left edge, the ball beyond it");
}

}  // namespace
}  // namespace pelora::testing
