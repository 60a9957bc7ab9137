// The recap table as the rest period shows it: the scene laid out for a 1111 x 724 window (the
// panel on whole pixels at (35, 102)), the row height set before any row as the window's creation
// does, the panel shown in place, and helpers that append draws and find cells on screen.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QRect>
#include <QScrollBar>
#include <array>
#include <string>

#include "assets/facts/show_facts.h"
#include "stage/layout_pass.h"
#include "stage/recap_model.h"
#include "stage/recap_table.h"
#include "stage/recap_table_view.h"
#include "stage/scene_render.h"
#include "stage/show_scene.h"
#include "stage/show_view.h"

namespace pelora::testing {

using colour::black;
using colour::blue;
using colour::headerRed;
using colour::tableFrame;
using colour::tableGridLine;
using colour::white;
using colour::yellow;

struct DrawRow {
    std::string label;
    std::array<int, 7> blue;
    std::array<int, 5> yellow;
};

// Draw 1 as the generator makes it from a zero seed.
inline const DrawRow firstDraw{"N°1", {1, 2, 8, 10, 12, 20, 25}, {4, 6, 14, 16, 18}};

class RecapTableFixture : public ::testing::Test {
protected:
    // The table's box in the client area: panel (35, 102) plus the slot's (16, 60).
    static constexpr int tableLeft = 35 + 16;
    static constexpr int tableTop = 102 + 60;
    static constexpr int tableWidth = 1009;
    static constexpr int tableHeight = 420;
    // The cells start two pixels inside the frame.
    static constexpr int cellsLeft = tableLeft + 2;
    static constexpr int cellsTop = tableTop + 2;
    static constexpr int cellsWidth = 220 + 12 * 60;

    RecapTableFixture() {
        recap.setRowHeight(50);
        runLayoutPass(scene, 1111, 724, p1, p2);
        table.build();
        scene.Rectangle10().setVisible(true);
    }

    void append(const DrawRow& row) {
        const int r = recap.RowCount();
        recap.setRowCount(r + 1);
        recap.setCell(0, r, row.label);
        for (int i = 0; i < 7; ++i) {
            recap.setCell(1 + i, r, std::to_string(row.blue[static_cast<std::size_t>(i)]));
        }
        for (int i = 0; i < 5; ++i) {
            recap.setCell(8 + i, r, std::to_string(row.yellow[static_cast<std::size_t>(i)]));
        }
        settle();
    }

    // The view lays its rows out once the event loop runs, as it does between two events.
    static void settle() { QApplication::processEvents(); }

    // Draws firstNumber, firstNumber + 1, ..., all with the numbers of draw 1.
    void appendDraws(int count, int firstNumber = 1) {
        for (int k = 0; k < count; ++k) {
            DrawRow row = firstDraw;
            row.label = "N°" + std::to_string(firstNumber + k);
            append(row);
        }
    }

    static int columnStart(int column) { return column == 0 ? 0 : 220 + (column - 1) * 60; }
    static int columnWidth(int column) { return column == 0 ? 220 : 60; }

    // A cell of the unscrolled table in client coordinates.
    static QRect cellOnScreen(int column, int row) {
        return {cellsLeft + columnStart(column), cellsTop + row * 50, columnWidth(column), 50};
    }

    QImage frame() { return renderScene(scene); }
    RecapTableView& view() { return table.view(); }

    ShowScene scene;
    RecapModel recap;
    RecapTable table{scene, recap};
    float p1 = 0.0F;
    float p2 = 0.0F;
};

// The same, shown in a view that takes pointer and keyboard events as the window would.
class RecapTableInputFixture : public RecapTableFixture {
protected:
    RecapTableInputFixture() {
        showView.show();
        QApplication::setActiveWindow(&showView);
        showView.setFocus();
    }

    void sendMouse(QEvent::Type type, const QPoint& at) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
        QMouseEvent event(type, at, showView.viewport()->mapToGlobal(at), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(showView.viewport(), &event);
    }
    void click(const QPoint& at) {
        sendMouse(QEvent::MouseButtonPress, at);
        sendMouse(QEvent::MouseButtonRelease, at);
    }

    ShowView showView{scene};
};

}  // namespace pelora::testing
