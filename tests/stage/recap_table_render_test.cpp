#include <gtest/gtest.h>

#include <QPainter>
#include <string>
#include <vector>

#include "motion/error.h"
#include "recap_table_fixture.h"
#include "stage/recap_cell_painter.h"
#include "support/pixel_probe.h"

namespace pelora::testing {
namespace {

struct ColumnGroup {
    int column;
    std::uint32_t block;
    std::uint32_t text;
};

const std::vector<ColumnGroup> columnGroups = {
    {0, headerRed, white}, {1, blue, white},    {4, blue, white},    {7, blue, white},
    {8, yellow, black},    {10, yellow, black}, {12, yellow, black},
};

using RecapTableRender = RecapTableFixture;

TEST_F(RecapTableRender, EachBlockInItsGroupColourWithItsFigures) {
    append(firstDraw);
    const QImage image = frame();
    saveForLooking(image, "recap-one-row");
    for (const ColumnGroup& group : columnGroups) {
        SCOPED_TRACE("column " + std::to_string(group.column));
        const QRect block = cellOnScreen(group.column, 0).adjusted(3, 3, -3, -3);
        EXPECT_TRUE(hasColourAt(image, block.left(), block.top(), group.block));
        EXPECT_TRUE(hasColourAt(image, block.right(), block.bottom(), group.block));
        const int textPixels = countColour(image, block, group.text, 24);
        EXPECT_GT(textPixels, 60) << "figures in the text colour";
        const std::uint32_t otherText = group.text == white ? black : white;
        EXPECT_EQ(countColour(image, block, otherText, 60), 0);
        const int blockPixels = countColour(image, block, group.block, 2);
        EXPECT_GT(blockPixels, block.width() * block.height() / 2) << "block filled, square";
        EXPECT_TRUE(hasColourAt(image, block.left() - 1, block.top() + 20, white)) << "margin";
        EXPECT_TRUE(hasColourAt(image, block.right() + 1, block.top() + 20, white)) << "margin";
    }
}

// "N°1" is wider than "25": every figure is there, bold and large.
TEST_F(RecapTableRender, DrawLabelIsLargerThanANumber) {
    append(firstDraw);
    const QImage image = frame();
    const int label = countColour(image, cellOnScreen(0, 0).adjusted(3, 3, -3, -3), white, 24);
    const int number = countColour(image, cellOnScreen(7, 0).adjusted(3, 3, -3, -3), white, 24);
    EXPECT_GT(label, number);
    EXPECT_GT(number, 150) << "two figures of 30 pixels, bold";
}

TEST_F(RecapTableRender, FrameAndGapAroundTheCells) {
    append(firstDraw);
    const QImage image = frame();
    const int middleY = tableTop + 300;
    EXPECT_TRUE(hasColourAt(image, tableLeft, middleY, tableFrame));
    EXPECT_TRUE(hasColourAt(image, tableLeft + 1, middleY, white));
    EXPECT_TRUE(hasColourAt(image, tableLeft + tableWidth - 1, middleY, tableFrame));
    EXPECT_TRUE(hasColourAt(image, tableLeft + tableWidth - 2, middleY, white));
    EXPECT_TRUE(hasColourAt(image, tableLeft + 500, tableTop, tableFrame));
    EXPECT_TRUE(hasColourAt(image, tableLeft + 500, tableTop + 1, white));
    EXPECT_TRUE(hasColourAt(image, tableLeft + 500, tableTop + tableHeight - 1, tableFrame));
    EXPECT_TRUE(hasColourAt(image, tableLeft + 500, tableTop + tableHeight - 2, white));
    EXPECT_TRUE(hasColourAt(image, tableLeft - 1, middleY, 0xFFDDDDDDU)) << "the panel outside";
}

// The table's greys as described, written out here rather than read from the constants the
// program paints with, as the scene's other colours are pinned.
TEST_F(RecapTableRender, FrameAndGridLinesInTheirDescribedGreys) {
    appendDraws(2);
    const QImage image = frame();
    EXPECT_TRUE(hasColourAt(image, tableLeft, tableTop + 300, 0xFF7A7A7AU)) << "frame";
    EXPECT_TRUE(hasColourAt(image, tableLeft + 500, tableTop, 0xFF7A7A7AU)) << "frame";
    EXPECT_TRUE(hasColourAt(image, cellsLeft + columnStart(5), cellsTop + 25, 0xFFF0F0F0U, 1))
        << "column line";
    EXPECT_TRUE(hasColourAt(image, cellsLeft + columnStart(5) + 30, cellsTop + 50, 0xFFF0F0F0U, 1))
        << "row line";
}

// Lines on every column boundary, both outer edges included, and on every row boundary; none
// beyond the last column or the last row.
TEST_F(RecapTableRender, LightLinesOnEveryBoundaryAndNotBeyond) {
    appendDraws(2);
    const QImage image = frame();
    saveForLooking(image, "recap-lines");
    const int rowMiddle = cellsTop + 25;
    for (int column = 0; column <= 13; ++column) {
        const int x = cellsLeft + (column < 13 ? columnStart(column) : cellsWidth - 1);
        SCOPED_TRACE("boundary before column " + std::to_string(column));
        EXPECT_TRUE(hasColourAt(image, x, rowMiddle, tableGridLine, 1));
        EXPECT_TRUE(hasColourAt(image, x, rowMiddle + 50, tableGridLine, 1));
        if (column > 0) {
            EXPECT_TRUE(hasColourAt(image, x - 1, rowMiddle, white)) << "gap left of the line";
        }
    }
    for (const int y : {cellsTop, cellsTop + 50, cellsTop + 99}) {
        SCOPED_TRACE("row boundary at " + std::to_string(y));
        for (const int column : {0, 5, 12}) {
            EXPECT_TRUE(
                hasColourAt(image, cellsLeft + columnStart(column) + 30, y, tableGridLine, 1));
        }
    }
    const QRect rightOfCells(cellsLeft + cellsWidth, cellsTop, 60, 100);
    EXPECT_EQ(countColour(image, rightOfCells, white), 60 * 100);
    const QRect belowCells(cellsLeft, cellsTop + 100, cellsWidth, 100);
    EXPECT_EQ(countColour(image, belowCells, white), cellsWidth * 100);
}

struct ScrollBarCase {
    int rows;
    bool bar;
};

class RecapTableScrollBar : public RecapTableFixture,
                            public ::testing::WithParamInterface<ScrollBarCase> {};

// Eight rows of 50 fit the 416 pixels of content; the ninth brings the bar, 16 pixels wide
// against the right side of the frame, and the columns always fit.
TEST_P(RecapTableScrollBar, VerticalBarOnlyOnceTheRowsOverflow) {
    appendDraws(GetParam().rows);
    const QImage image = frame();
    saveForLooking(image, "recap-rows-" + std::to_string(GetParam().rows));
    EXPECT_EQ(view().verticalScrollBar()->isVisible(), GetParam().bar);
    EXPECT_FALSE(view().horizontalScrollBar()->isVisible());
    const int barWidth = GetParam().bar ? 16 : 0;
    EXPECT_EQ(view().viewport()->geometry(), QRect(2, 2, 1005 - barWidth, 416));
    const QRect barStrip(tableLeft + tableWidth - 1 - 16, tableTop + 1, 16, tableHeight - 2);
    const int whiteInStrip = countColour(image, barStrip, white);
    if (GetParam().bar) {
        EXPECT_EQ(view().verticalScrollBar()->geometry().width(), 16);
        EXPECT_LT(whiteInStrip, barStrip.width() * barStrip.height() / 2);
    } else {
        EXPECT_EQ(whiteInStrip, barStrip.width() * barStrip.height());
    }
}

INSTANTIATE_TEST_SUITE_P(RowCounts, RecapTableScrollBar,
                         ::testing::Values(ScrollBarCase{1, false}, ScrollBarCase{8, false},
                                           ScrollBarCase{9, true}, ScrollBarCase{40, true}));

// The ninth row shows only its top 16 pixels: its blocks and figures, a selected cell's
// included, are cut off by the frame's gap.
TEST_F(RecapTableRender, NinthRowShowsOnlyItsTop) {
    appendDraws(9);
    view().selectionModel()->select(recap.index(8, 3), QItemSelectionModel::ClearAndSelect);
    const QImage image = frame();
    const QRect ninth = cellOnScreen(0, 8);
    EXPECT_TRUE(hasColourAt(image, ninth.left() + 10, ninth.top() + 10, headerRed));
    EXPECT_TRUE(hasColourAt(image, ninth.left() + 10, ninth.top() + 15, headerRed));
    EXPECT_TRUE(hasColourAt(image, ninth.left() + 10, ninth.top() + 16, white));
    EXPECT_TRUE(hasColourAt(image, ninth.left() + 10, ninth.top() + 17, tableFrame));
    const QRect belowTable(tableLeft, tableTop + tableHeight, tableWidth, 30);
    EXPECT_EQ(countColour(image, belowTable, 0xFFDDDDDDU), belowTable.width() * 30)
        << "nothing of the ninth row below the frame";
}

class RecapTableCentring : public RecapTableFixture,
                           public ::testing::WithParamInterface<std::string> {};

// The white columns of the label within the first block leave equal margins left and right.
TEST_P(RecapTableCentring, DrawNumberCentredInTheFirstBlock) {
    DrawRow row = firstDraw;
    row.label = GetParam();
    append(row);
    const QImage image = frame();
    saveForLooking(image, "recap-label-" + std::to_string(GetParam().size()));
    const QRect block = cellOnScreen(0, 0).adjusted(3, 3, -3, -3);
    int leftmost = block.right();
    int rightmost = block.left();
    for (int x = block.left(); x <= block.right(); ++x) {
        if (countColour(image, QRect(x, block.top(), 1, block.height()), white, 60) > 0) {
            leftmost = std::min(leftmost, x);
            rightmost = std::max(rightmost, x);
        }
    }
    ASSERT_LT(leftmost, rightmost);
    const int leftMargin = leftmost - block.left();
    const int rightMargin = block.right() - rightmost;
    EXPECT_NEAR(leftMargin, rightMargin, 3) << leftMargin << " left, " << rightMargin << " right";
    EXPECT_GT(rightmost - leftmost, 30);
}

INSTANTIATE_TEST_SUITE_P(Labels, RecapTableCentring, ::testing::Values("N°1", "N°123", "N°4567"));

// A window of odd outer height puts the panel on a half pixel: blocks and lines stay sharp, with
// no blended row between a block, its margin and the line.
TEST_F(RecapTableRender, SharpOnAHalfPixel) {
    runLayoutPass(scene, 1111, 723, p1, p2);
    ASSERT_EQ(scene.Rectangle10().positionY(), 101.5F);
    appendDraws(2);
    const QImage image = frame();
    const int x = cellOnScreen(3, 0).left() + 5;
    int blocks = 0;
    int lines = 0;
    for (int y = cellsTop - 10; y < cellsTop + 100; ++y) {
        const std::uint32_t colour = pixelAt(image, x, y);
        const bool known = sameColour(colour, white) || sameColour(colour, tableGridLine) ||
                           sameColour(colour, blue) || sameColour(colour, tableFrame) ||
                           sameColour(colour, 0xFFDDDDDDU);
        EXPECT_TRUE(known) << hex(colour) << " at y " << y;
        blocks += sameColour(colour, blue) ? 1 : 0;
        lines += sameColour(colour, tableGridLine) ? 1 : 0;
    }
    EXPECT_EQ(blocks, 2 * 44);
    EXPECT_EQ(lines, 3);
}

// The colours are the scene's at the moment of painting, not copies taken at the start.
TEST_F(RecapTableRender, BlocksFollowTheSwatchesAtEachPaint) {
    append(firstDraw);
    scene.Rectangle5().setFillColor(0xFF00A000U);
    const QImage image = frame();
    const QRect block = cellOnScreen(3, 0).adjusted(3, 3, -3, -3);
    EXPECT_TRUE(hasColourAt(image, block.left() + 1, block.top() + 1, 0xFF00A000U));
}

TEST(RecapCellPainter, FillsTheBoundsOnlyAndRefusesUnknownColumns) {
    ShowScene scene;
    RecapModel grid;
    grid.setRowCount(1);
    grid.setCell(8, 0, "4");
    QImage image(80, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRect bounds = recapBlockBounds(QRect(10, 5, 60, 50));
    EXPECT_EQ(bounds, QRect(13, 8, 54, 44));
    StringGrid1DrawColumnCell(scene, grid, painter, 8, bounds, 0);
    EXPECT_THROW(StringGrid1DrawColumnCell(scene, grid, painter, 13, bounds, 0), ShowError);
    painter.end();
    EXPECT_EQ(countColour(image, QRect(0, 0, 80, 60), white), 80 * 60 - 54 * 44);
    EXPECT_GT(countColour(image, bounds, black, 60), 40) << "the figure 4";
    EXPECT_TRUE(hasColourAt(image, 13, 8, yellow));
    EXPECT_TRUE(hasColourAt(image, 66, 51, yellow));
}

}  // namespace
}  // namespace pelora::testing
