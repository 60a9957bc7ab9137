// The recap table in the window: once the first rest period has brought the panel in, the table
// shows the row of the draw just finished, in the window's own scene.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <algorithm>
#include <array>
#include <string>

#include "assets/facts/show_facts.h"
#include "show_fixture.h"
#include "stage/recap_table.h"
#include "stage/recap_table_view.h"
#include "support/pixel_probe.h"

namespace pelora::testing {
namespace {

using namespace colour;

class RecapOnScreen : public ShowFixture {
protected:
    void SetUp() override { start(); }

    // Cell (column, 0) of the table in client coordinates: panel, table box, frame.
    QRect firstRowCell(int column) {
        const RectangleNode& panel = scene().Rectangle10();
        const int left = static_cast<int>(panel.positionX()) + 16 + 2;
        const int top = static_cast<int>(panel.positionY()) + 60 + 2;
        const int start = column == 0 ? 0 : 220 + (column - 1) * 60;
        return {left + start, top, column == 0 ? 220 : 60, 50};
    }
};

TEST_F(RecapOnScreen, TheFinishedDrawShowsAsOneRowOfBlocks) {
    std::array<int, 12> drawn{};
    for (int ball = 1; ball <= 12; ++ball) {
        drawn[static_cast<std::size_t>(ball - 1)] = state().Tirage[ball];
    }
    runUntil([&] { return scene().Rectangle9().isVisible(); });
    const QImage image = frame();
    saveForLooking(image, "recap-in-the-window");

    ASSERT_EQ(form->recap().RowCount(), 1);
    EXPECT_EQ(form->recap().cell(0, 0), QStringLiteral("N°1"));
    std::sort(drawn.begin(), drawn.begin() + 7);
    std::sort(drawn.begin() + 7, drawn.end());
    for (int column = 1; column <= 12; ++column) {
        EXPECT_EQ(form->recap().cell(column, 0).toStdString(),
                  std::to_string(drawn[static_cast<std::size_t>(column - 1)]));
    }
    for (int column = 0; column <= 12; ++column) {
        SCOPED_TRACE("column " + std::to_string(column));
        const QRect block = firstRowCell(column).adjusted(3, 3, -3, -3);
        const std::uint32_t fill = column == 0 ? headerRed : column <= blueBalls ? blue : yellow;
        EXPECT_TRUE(hasColourAt(image, block.left() + 1, block.top() + 1, fill));
        EXPECT_GT(countColour(image, block, column <= blueBalls ? white : black, 24), 40);
    }
    EXPECT_FALSE(form->recapTable().view().verticalScrollBar()->isVisible());
}

// The first frame does without the table's widget; it exists by the time the panel shows.
TEST_F(RecapOnScreen, TheTableIsMadeWhenThePanelFirstShows) {
    EXPECT_FALSE(form->recapTable().isBuilt());
    runUntil([&] { return scene().Rectangle10().isVisible(); });
    EXPECT_TRUE(form->recapTable().isBuilt());
    EXPECT_TRUE(form->recapTable().proxy().isVisible());
}

}  // namespace
}  // namespace pelora::testing
