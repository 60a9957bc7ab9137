#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "assets/facts/show_facts.h"
#include "stage/layout_pass.h"
#include "stage/scene_render.h"
#include "stage/show_scene.h"
#include "support/pixel_probe.h"

namespace pelora {
namespace {

using testing::countColour;
using testing::hasColourAt;
using testing::pixelAt;
using testing::sameColour;

using colour::black;
using colour::blue;
using colour::boardGrey;
using colour::boardStroke;
using colour::footerBrown;
using colour::headerRed;
using colour::tileStrokeAtRest;
using colour::white;

QImage solidPicture(std::uint32_t argb) {
    QImage picture(224, 225, QImage::Format_ARGB32);
    picture.fill(QColor::fromRgba(argb));
    return picture;
}

// The scene as the first frame shows it: the draw logic has reset the board, set the indicator
// and the status text, sent the ball home; the layout pass has centred the board.
class RenderTest : public ::testing::Test {
protected:
    RenderTest() { prepareFirstFrame(1111, 723); }

    void prepareFirstFrame(std::int32_t outerWidth, std::int32_t outerHeight) {
        scene.Rectangle9().setFillColor(scene.Rectangle5().fillColor());
        for (int k = 1; k <= tileCount; ++k) {
            scene.tile(k).setFillColor(scene.Rectangle7().fillColor());
            scene.tile(k).setStrokeColor(tileStrokeAtRest);
            scene.tileLabel(k).setTextColor(black);
        }
        scene.Label4().setText("Tirage en cours N°1");
        scene.Rectangle8().setFillColor(scene.Rectangle5().fillColor());
        scene.Label1().setText("7");
        scene.Label1().setTextColor(white);
        scene.Rectangle1().setPositionX(-120.0F);
        runLayoutPass(scene, outerWidth, outerHeight, p1, p2);
    }

    // Client-area point of a tile's box corner plus an offset.
    QPointF onTile(int k, double dx, double dy) {
        const Node& tile = scene.tile(k);
        const QPointF board(scene.Rectangle2().positionX(), scene.Rectangle2().positionY());
        return board + QPointF(tile.positionX(), tile.positionY()) + QPointF(dx, dy);
    }

    ShowScene scene;
    float p1 = 0.0F;
    float p2 = 0.0F;
};

TEST_F(RenderTest, HeaderWithItsIndicator) {
    const QImage frame = renderScene(scene);
    testing::saveForLooking(frame, "stage-first-frame");
    EXPECT_TRUE(hasColourAt(frame, 550, 40, headerRed));
    EXPECT_TRUE(hasColourAt(frame, 550, 84, white));  // the bar's bottom line
    EXPECT_TRUE(hasColourAt(frame, 550, 83, headerRed));
    EXPECT_TRUE(hasColourAt(frame, 5, 90, white));   // window fill between header and board
    EXPECT_TRUE(hasColourAt(frame, 729, 26, blue));  // indicator box inside its white border
    EXPECT_TRUE(hasColourAt(frame, 725, 40, white));
    EXPECT_GT(countColour(frame, {659, 0, 65, 85}, white, 8), 150);    // "Les"
    EXPECT_GT(countColour(frame, {727, 23, 34, 39}, white, 8), 80);    // "7"
    EXPECT_GT(countColour(frame, {774, 0, 311, 85}, white, 8), 1200);  // "numéros bleus"
    EXPECT_EQ(countColour(frame, {774, 0, 311, 85}, black, 60), 0);
    EXPECT_GT(countColour(frame, {35, 0, 400, 84}, headerRed, 2), 0);
    EXPECT_LT(countColour(frame, {35, 0, 400, 84}, headerRed, 2), 400 * 84 / 2);  // banner
}

TEST_F(RenderTest, CentredBoardOfWhiteTilesWithBlackNumbers) {
    const QImage frame = renderScene(scene);
    EXPECT_TRUE(hasColourAt(frame, 45, 360, boardGrey));    // left of the first column
    EXPECT_TRUE(hasColourAt(frame, 36, 360, boardStroke));  // board border, x 35 to 38
    EXPECT_TRUE(hasColourAt(frame, 34, 360, white));        // window fill left of the board
    EXPECT_TRUE(hasColourAt(frame, 1078, 360, white));      // and right of it
    for (int k = 1; k <= tileCount; ++k) {
        SCOPED_TRACE("tile " + std::to_string(k));
        const QPointF fill = onTile(k, 12, 50);
        EXPECT_TRUE(hasColourAt(frame, fill.x(), fill.y(), white));
        const QPointF stroke = onTile(k, 2, 50);
        EXPECT_TRUE(hasColourAt(frame, stroke.x(), stroke.y(), tileStrokeAtRest));
        const QPointF number = onTile(k, 20, 25);
        EXPECT_GT(countColour(frame, {number, QSizeF(60, 50)}, black, 40), 60);
    }
}

TEST_F(RenderTest, BlueTileWithWhiteNumber) {
    scene.tile(10).setFillColor(blue);
    scene.tileLabel(10).setTextColor(white);
    const QImage frame = renderScene(scene);
    const QPointF fill = onTile(10, 12, 50);
    EXPECT_TRUE(hasColourAt(frame, fill.x(), fill.y(), blue));
    const QRectF number(onTile(10, 20, 25), QSizeF(60, 50));
    EXPECT_GT(countColour(frame, number, white, 8), 150);
    EXPECT_EQ(countColour(frame, number, black, 60), 0);
}

// Turned 45 degrees about its centre, a tile reaches beyond its box at the middle of each side
// and leaves its box's corners to the board; its inside keeps its colour.
TEST_F(RenderTest, RotatedTileTurnsAboutItsCentre) {
    scene.tile(9).setFillColor(blue);
    scene.tile(9).setRotationAngle(45.0F);
    const QImage frame = renderScene(scene);
    testing::saveForLooking(frame, "stage-rotated-tile");
    const QPointF aboveBox = onTile(9, 50, -5);
    EXPECT_TRUE(hasColourAt(frame, aboveBox.x(), aboveBox.y(), blue));
    const QPointF leftOfBox = onTile(9, -5, 50);
    EXPECT_TRUE(hasColourAt(frame, leftOfBox.x(), leftOfBox.y(), blue));
    const QPointF corner = onTile(9, 3, 3);
    EXPECT_TRUE(hasColourAt(frame, corner.x(), corner.y(), boardGrey));
    const QPointF inside = onTile(9, 15, 50);
    EXPECT_TRUE(hasColourAt(frame, inside.x(), inside.y(), blue));
}

// After its two turns a tile and its number stand exactly as before.
TEST_F(RenderTest, TileUprightAgainAfterTwoTurns) {
    const QImage before = renderScene(scene);
    scene.tile(12).setRotationAngle(720.0F);
    EXPECT_EQ(scene.tile(12).rotationAngle(), 720.0F);
    EXPECT_EQ(renderScene(scene), before);
}

// On a whole-pixel board the tiles' top borders start on exact rows.
TEST_F(RenderTest, TileFifteenSitsOnePixelHigher) {
    prepareFirstFrame(1111, 724);
    const QImage frame = renderScene(scene);
    const auto topEdge = [&](int k) {
        const QPointF column = onTile(k, 50, 0);
        for (int y = static_cast<int>(column.y()) - 5; y < static_cast<int>(column.y()) + 5; ++y) {
            if (sameColour(pixelAt(frame, column.x(), y), tileStrokeAtRest)) {
                return y;
            }
        }
        return -1;
    };
    EXPECT_EQ(topEdge(16), 102 + 276);
    EXPECT_EQ(topEdge(15), topEdge(16) - 1);
    for (int k = 17; k <= 21; ++k) {
        EXPECT_EQ(topEdge(k), topEdge(16)) << k;
    }
}

TEST_F(RenderTest, ChildrenAreNotClipped) {
    scene.tile(1).setFillColor(blue);
    scene.tile(1).setPosition(-50.0F, -50.0F);
    const QImage frame = renderScene(scene);
    EXPECT_TRUE(hasColourAt(frame, 10, 95, blue));  // outside the board, over the window fill
}

TEST_F(RenderTest, FooterWithBallPicturesReachingAboveIt) {
    scene.Image4().setPicture(solidPicture(0xFF00C000U));
    scene.Image3().setPicture(solidPicture(0xFFC000C0U));
    const QImage frame = renderScene(scene);
    EXPECT_TRUE(hasColourAt(frame, 20, 634, footerBrown));  // no outline at the bar's edges
    EXPECT_TRUE(hasColourAt(frame, 20, 683, footerBrown));
    EXPECT_TRUE(hasColourAt(frame, 1094, 660, footerBrown));
    EXPECT_TRUE(hasColourAt(frame, 141, 625, 0xFF00C000U));  // Image4, 10 pixels above the bar
    EXPECT_TRUE(hasColourAt(frame, 141, 660, 0xFF00C000U));
    EXPECT_TRUE(hasColourAt(frame, 141, 622, white));
    EXPECT_TRUE(hasColourAt(frame, 73, 631, 0xFFC000C0U));  // Image3, 4 pixels above the bar
    EXPECT_TRUE(hasColourAt(frame, 73, 628, white));
    EXPECT_GT(countColour(frame, {160, 634, 785, 50}, white, 8), 500);  // the status text
}

TEST_F(RenderTest, NextDrawButtonShownAndHidden) {
    QImage frame = renderScene(scene);
    EXPECT_TRUE(hasColourAt(frame, 1030, 647, blue));
    EXPECT_TRUE(hasColourAt(frame, 1025.5, 660, white));               // its border
    EXPECT_GT(countColour(frame, {1027, 644, 46, 30}, white, 8), 30);  // ">>"
    scene.Rectangle9().setVisible(false);
    frame = renderScene(scene);
    EXPECT_TRUE(hasColourAt(frame, 1030, 647, footerBrown));
    EXPECT_EQ(countColour(frame, {1025, 642, 50, 34}, footerBrown), 50 * 34);
}

TEST_F(RenderTest, BallSpriteHomeIsOutOfSightAndItsPictureShowsElsewhere) {
    scene.Image2().setPicture(solidPicture(0xFF00C000U));
    QImage frame = renderScene(scene);
    EXPECT_EQ(countColour(frame, {0, 86, 34, 540}, 0xFF00C000U, 8), 0);
    scene.Rectangle1().setPosition(500.0F, 300.0F);  // over the board
    frame = renderScene(scene);
    EXPECT_TRUE(hasColourAt(frame, 550, 350, 0xFF00C000U));
    EXPECT_TRUE(hasColourAt(frame, 509, 350, 0xFF00C000U));  // picture box from 508 to 592
    EXPECT_FALSE(sameColour(pixelAt(frame, 505, 350), 0xFF00C000U, 8));
}

TEST_F(RenderTest, RecapPanelCoversTheBoardWhenShown) {
    scene.Rectangle10().setVisible(true);
    scene.Rectangle1().setPosition(40.0F, 500.0F);
    scene.Image2().setPicture(solidPicture(0xFF00C000U));
    const QImage frame = renderScene(scene);
    testing::saveForLooking(frame, "recap-panel");
    const QPointF tile = onTile(24, 50, 90);  // below the table, where the tile would show
    EXPECT_TRUE(hasColourAt(frame, tile.x(), tile.y(), boardGrey));
    EXPECT_TRUE(hasColourAt(frame, 100, 590, boardGrey));           // over the ball sprite too
    EXPECT_TRUE(hasColourAt(frame, 35 + 100, 101.5 + 300, white));  // the table's place
    EXPECT_TRUE(hasColourAt(frame, 35 + 16.5, 101.5 + 300, colour::tableFrame));  // its frame
    EXPECT_TRUE(hasColourAt(frame, 36, 300, boardStroke));  // the panel's border
    EXPECT_GT(countColour(frame, {35, 101.5, 1041, 49}, footerBrown, 8), 1500);  // the title
}

TEST_F(RenderTest, ScaledRenderHasMoreDevicePixels) {
    const QImage frame = renderScene(scene, 2.0);
    testing::saveForLooking(frame, "scale-2");
    EXPECT_EQ(frame.size(), QSize(2190, 1368));
    EXPECT_EQ(frame.deviceIndependentSize(), QSizeF(1095.0, 684.0));
    EXPECT_TRUE(hasColourAt(frame, 550, 40, headerRed));
    EXPECT_TRUE(hasColourAt(frame, 550, 84.25, white));
    EXPECT_TRUE(hasColourAt(frame, 550, 84.75, white));
    EXPECT_TRUE(hasColourAt(frame, 1030, 647, blue));
}

}  // namespace
}  // namespace pelora
