#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "recap_table_fixture.h"
#include "support/pixel_probe.h"

namespace pelora::testing {
namespace {

class RecapTableInput : public RecapTableInputFixture {
protected:
    void press(int key, const QString& text = {}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&showView, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&showView, &up);
    }
    void wheel(const QPoint& at, int notches) {
        const QPoint angle(0, -120 * notches);
        QWheelEvent event(at, showView.viewport()->mapToGlobal(at), {}, angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(showView.viewport(), &event);
    }
    std::pair<int, int> current() {
        const QModelIndex index = view().currentIndex();
        return {index.column(), index.row()};
    }
    std::vector<QModelIndex> selected() {
        const QModelIndexList list = view().selectionModel()->selectedIndexes();
        return {list.begin(), list.end()};
    }
    void clickCell(int column, int row) { click(cellOnScreen(column, row).center()); }
};

TEST_F(RecapTableInput, NothingSelectedAtFirstAndAClickSelectsOneCell) {
    appendDraws(3);
    EXPECT_TRUE(selected().empty());
    clickCell(4, 1);
    ASSERT_EQ(selected().size(), 1U);
    EXPECT_EQ(current(), std::make_pair(4, 1));
    EXPECT_TRUE(view().hasFocus());
    clickCell(0, 2);
    ASSERT_EQ(selected().size(), 1U);
    EXPECT_EQ(current(), std::make_pair(0, 2));
}

// Selecting shows only in the margin around the cell: every pixel that changes lies in that
// cell outside its block.
TEST_F(RecapTableInput, SelectionChangesOnlyTheMarginOfTheCell) {
    appendDraws(3);
    const QImage before = frame();
    clickCell(4, 1);
    const QImage after = frame();
    saveForLooking(after, "recap-selected");
    const QRect cell = cellOnScreen(4, 1);
    const QRect block = cell.adjusted(3, 3, -3, -3);
    int changedInMargin = 0;
    int changedElsewhere = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y)) {
                continue;
            }
            const QPoint at(x, y);
            if (cell.contains(at) && !block.contains(at)) {
                ++changedInMargin;
            } else {
                ++changedElsewhere;
            }
        }
    }
    EXPECT_GT(changedInMargin, 100);
    EXPECT_EQ(changedElsewhere, 0);
    const std::uint32_t highlight = view().palette().color(QPalette::Highlight).rgba();
    EXPECT_GT(countColour(after, cell, highlight, 8), 100) << "the platform's selection colour";
}

TEST_F(RecapTableInput, KeysEditNothingAndTypingMovesNothing) {
    appendDraws(3);
    clickCell(2, 1);
    const QImage before = frame();
    const std::vector<std::pair<int, QString>> keys = {
        {Qt::Key_7, QStringLiteral("7")},
        {Qt::Key_N, QStringLiteral("N")},
        {Qt::Key_F2, {}},
        {Qt::Key_Return, QStringLiteral("\r")},
        {Qt::Key_Delete, {}},
        {Qt::Key_Backspace, QStringLiteral("\b")},
        {Qt::Key_Space, QStringLiteral(" ")},
    };
    for (const auto& [key, text] : keys) {
        press(key, text);
        EXPECT_TRUE(view().viewport()->findChildren<QLineEdit*>().empty()) << "an editor, " << key;
        EXPECT_EQ(current(), std::make_pair(2, 1)) << key;
    }
    EXPECT_EQ(recap.cell(2, 1), QStringLiteral("2"));
    EXPECT_TRUE(frame() == before);
}

struct KeyMove {
    int key;
    std::pair<int, int> from;
    std::pair<int, int> to;
};

class RecapTableKeys : public RecapTableInput, public ::testing::WithParamInterface<KeyMove> {};

TEST_P(RecapTableKeys, TabAndArrowsMoveTheSelection) {
    appendDraws(3);
    const auto [fromColumn, fromRow] = GetParam().from;
    clickCell(fromColumn, fromRow);
    press(GetParam().key);
    EXPECT_EQ(current(), GetParam().to);
    ASSERT_EQ(selected().size(), 1U);
    EXPECT_EQ(selected().front(), view().currentIndex());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RecapTableKeys,
    ::testing::Values(KeyMove{Qt::Key_Tab, {0, 0}, {1, 0}}, KeyMove{Qt::Key_Tab, {12, 0}, {0, 1}},
                      KeyMove{Qt::Key_Right, {3, 1}, {4, 1}}, KeyMove{Qt::Key_Left, {3, 1}, {2, 1}},
                      KeyMove{Qt::Key_Down, {3, 1}, {3, 2}}, KeyMove{Qt::Key_Up, {3, 1}, {3, 0}}));

// The selection moved below the visible rows brings the view along.
TEST_F(RecapTableInput, TheViewFollowsTheSelection) {
    appendDraws(20);
    clickCell(5, 7);
    EXPECT_EQ(view().verticalScrollBar()->value(), 0);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(current(), std::make_pair(5, 9));
    EXPECT_GT(view().verticalScrollBar()->value(), 0);
    const QRect shown = view().visualRect(view().currentIndex());
    EXPECT_TRUE(view().viewport()->rect().contains(shown));
}

TEST_F(RecapTableInput, TheWheelOverTheTableScrollsIt) {
    appendDraws(30);
    wheel(cellOnScreen(2, 3).center(), 1);
    const int afterOneNotch = view().verticalScrollBar()->value();
    EXPECT_GT(afterOneNotch, 0);
    wheel(cellOnScreen(2, 3).center(), 2);
    EXPECT_GT(view().verticalScrollBar()->value(), afterOneNotch);
    const QImage image = frame();
    saveForLooking(image, "recap-scrolled");
    EXPECT_TRUE(
        hasColourAt(image, cellOnScreen(0, 0).left() + 5, cellOnScreen(0, 0).top() + 5, headerRed));
}

// An appended row goes to the bottom; the rows shown stay the same, at the top or scrolled (the
// scroll bar's thumb alone shrinks).
TEST_F(RecapTableInput, AnAppendedRowDoesNotMoveTheView) {
    const QRect shownCells(cellsLeft, cellsTop, cellsWidth, 416);
    appendDraws(12);
    const QImage atTop = frame().copy(shownCells);
    appendDraws(1, 13);
    EXPECT_EQ(view().verticalScrollBar()->value(), 0);
    EXPECT_TRUE(frame().copy(shownCells) == atTop);

    view().verticalScrollBar()->setValue(2);
    const QImage scrolled = frame().copy(shownCells);
    EXPECT_FALSE(scrolled == atTop);
    appendDraws(1, 14);
    EXPECT_EQ(view().verticalScrollBar()->value(), 2);
    EXPECT_TRUE(frame().copy(shownCells) == scrolled);
}

// The panel slides with its cached look; the table moves with it, as the window's view paints it.
TEST_F(RecapTableInput, TheTableSlidesWithThePanel) {
    appendDraws(2);
    ASSERT_EQ(scene.Rectangle10().cacheMode(), QGraphicsItem::DeviceCoordinateCache);
    for (const float shift : {0.0F, 300.0F, 611.0F}) {
        SCOPED_TRACE("panel moved by " + std::to_string(shift));
        scene.Rectangle10().setPositionX(p1 + shift);
        const QImage image = showView.grab().toImage();
        const QRect block =
            cellOnScreen(0, 1).adjusted(3, 3, -3, -3).translated(static_cast<int>(shift), 0);
        EXPECT_TRUE(hasColourAt(image, block.left(), block.top(), headerRed));
        EXPECT_TRUE(hasColourAt(image, block.left() - 3, block.top(), tableGridLine, 1));
        EXPECT_TRUE(hasColourAt(image, block.left() - 5, block.top(), tableFrame));
        EXPECT_GT(countColour(image, block, white, 24), 100) << "the label";
    }
}

// Only the visible rows are painted: the same cells whether the table holds 10 rows or 10,000,
// at the top or scrolled to the middle.
TEST_F(RecapTableInput, CellsPaintedPerRepaintDoNotGrowWithTheRows) {
    std::set<std::pair<int, int>> painted;
    int calls = 0;
    table.setPaintObserver([&](int column, int row) {
        painted.insert({column, row});
        ++calls;
    });
    const auto paintOnce = [&] {
        painted.clear();
        calls = 0;
        frame();
    };
    recap.setRowCount(10);
    settle();
    paintOnce();
    const int withTen = calls;
    EXPECT_EQ(withTen, 9 * 13) << "eight rows and the top of the ninth";
    EXPECT_EQ(painted.size(), static_cast<std::size_t>(withTen));

    recap.setRowCount(10000);
    settle();
    paintOnce();
    EXPECT_EQ(calls, withTen);
    EXPECT_EQ(painted.rbegin()->second, 8);

    view().verticalScrollBar()->setValue(5000);
    paintOnce();
    EXPECT_EQ(calls, withTen);
    EXPECT_EQ(painted.begin()->second, 5000);
}

}  // namespace
}  // namespace pelora::testing
