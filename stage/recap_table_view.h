// The recap table's widget: a grid of 13 fixed columns (220, then twelve of 60) over the recap
// model, with no headers, no editing, single-cell selection moved by Tab and the arrow keys, one
// white background, light lines on every cell boundary, a thin grey frame with the content two
// pixels inside it, and 16-pixel scroll bars only when the rows or columns overflow.
#pragma once

#include <QTableView>
#include <cstdint>

namespace pelora {

class RecapModel;

class RecapTableView : public QTableView {
public:
    static constexpr int firstColumnWidth = 220;
    static constexpr int numberColumnWidth = 60;
    static constexpr int scrollBarExtent = 16;
    // The frame line, then a one-pixel white gap before the content.
    static constexpr int contentInset = 2;

    // Shows the model until setModel says otherwise; its row height is followed while it lives.
    explicit RecapTableView(RecapModel& grid, QWidget* parent = nullptr);

    // Typing selects nothing: only a click, Tab and the arrow keys move the selection.
    void keyboardSearch(const QString& search) override;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setUpColumns();
    // The model's row height, for the rows about to arrive: it is set before the first row.
    void followRowHeight(int height);
    void paintFrame();
    void paintGridLines(QPainter& painter) const;
};

}  // namespace pelora
