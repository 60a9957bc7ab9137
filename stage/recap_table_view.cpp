#include "stage/recap_table_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include "assets/facts/show_facts.h"
#include "stage/argb.h"
#include "stage/recap_model.h"

namespace pelora {
namespace {

// The style's scroll bars, at the table's own thickness.
class RecapScrollBar : public QScrollBar {
public:
    RecapScrollBar(Qt::Orientation orientation, QWidget* parent)
        : QScrollBar(orientation, parent) {}

    QSize sizeHint() const override {
        QSize hint = QScrollBar::sizeHint();
        if (orientation() == Qt::Vertical) {
            hint.setWidth(RecapTableView::scrollBarExtent);
        } else {
            hint.setHeight(RecapTableView::scrollBarExtent);
        }
        return hint;
    }
};

void fixSections(QHeaderView& header) {
    header.hide();
    header.setSectionResizeMode(QHeaderView::Fixed);
    header.setSectionsMovable(false);
    header.setSectionsClickable(false);
    header.setMinimumSectionSize(1);
}

}  // namespace

RecapTableView::RecapTableView(RecapModel& grid, QWidget* parent) : QTableView(parent) {
    setVerticalScrollBar(new RecapScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new RecapScrollBar(Qt::Horizontal, this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(ScrollPerItem);
    // Two pixels of frame: a one-pixel line and a one-pixel gap, both painted in event(). The
    // view's own viewport margins belong to its headers, so the inset is the frame's.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(contentInset);

    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    setFocusPolicy(Qt::StrongFocus);
    setAlternatingRowColors(false);
    setShowGrid(false);
    setCornerButtonEnabled(false);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, argbColor(colour::white));
    viewport()->setPalette(palette);

    fixSections(*horizontalHeader());
    fixSections(*verticalHeader());
    setModel(&grid);
    setUpColumns();
    followRowHeight(grid.RowHeight());
    connect(&grid, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this, &grid] { followRowHeight(grid.RowHeight()); });
}

void RecapTableView::setUpColumns() {
    setColumnWidth(0, firstColumnWidth);
    for (int column = 1; column < RecapModel::columns; ++column) {
        setColumnWidth(column, numberColumnWidth);
    }
}

void RecapTableView::followRowHeight(int height) {
    if (height > 0 && verticalHeader()->defaultSectionSize() != height) {
        verticalHeader()->setDefaultSectionSize(height);
    }
}

void RecapTableView::keyboardSearch(const QString& /*search*/) {}

// The table's own paint event (the viewport's comes through paintEvent): the white background
// and the frame, drawn here rather than by the style so that they look the same everywhere.
bool RecapTableView::event(QEvent* event) {
    if (event->type() != QEvent::Paint) {
        return QTableView::event(event);
    }
    paintFrame();
    return true;
}

// A click gives the table the keyboard focus itself: inside the scene the click reaches it through
// its proxy, and the focus must not depend on how the application routes that.
void RecapTableView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QTableView::mousePressEvent(event);
}

// Whole-pixel rectangles, not anti-aliased: inside the scene the painter takes the scene's
// anti-aliasing, and on a panel standing on a half pixel a line would spread over two pixels.
void RecapTableView::paintFrame() {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect box = rect();
    const QColor frame = argbColor(colour::tableFrame);
    painter.fillRect(box, argbColor(colour::white));
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), frame);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), frame);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), frame);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), frame);
}

void RecapTableView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintGridLines(painter);
}

// A line on every row and column boundary of the cells, the outer edges included: the boundary
// at the start of a row or column takes its first pixel, the far edges the last pixel of the
// last row and column, so that no line reaches beyond the cells. Only visible rows are visited.
void RecapTableView::paintGridLines(QPainter& painter) const {
    const int rows = model()->rowCount();
    const int columns = model()->columnCount();
    if (rows == 0 || columns == 0) {
        return;
    }
    const int lastColumn = columns - 1;
    const int left = columnViewportPosition(0);
    const int right = columnViewportPosition(lastColumn) + columnWidth(lastColumn);
    const int top = rowViewportPosition(0);
    const int bottom = rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & viewport()->rect();
    if (area.isEmpty()) {
        return;
    }
    const QColor colour = argbColor(colour::tableGridLine);
    for (int column = 0; column <= columns; ++column) {
        const int x = column < columns ? columnViewportPosition(column) : right - 1;
        if (x >= area.left() && x <= area.right()) {
            painter.fillRect(QRect(x, area.top(), 1, area.height()), colour);
        }
    }
    const int firstRow = rowAt(area.top());
    const int lastRow = rowAt(area.bottom());
    for (int row = firstRow; row <= lastRow + 1; ++row) {
        const int y = row < rows ? rowViewportPosition(row) : bottom - 1;
        if (y >= area.top() && y <= area.bottom()) {
            painter.fillRect(QRect(area.left(), y, area.width(), 1), colour);
        }
    }
}

}  // namespace pelora
