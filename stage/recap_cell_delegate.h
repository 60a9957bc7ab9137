// The recap table's delegate: the view's own rendering of a cell (its selection and focus marks),
// then the show's cell painting over it. Only the cells the view asks for are painted.
#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "motion/error_boundary.h"

namespace pelora {

class RecapModel;
class ShowScene;

class RecapCellDelegate : public QStyledItemDelegate {
public:
    // Told (column, row) after each cell painted: tests and benchmarks count with it.
    using PaintObserver = std::function<void(int column, int row)>;

    RecapCellDelegate(ShowScene& scene, const RecapModel& grid, ErrorHandler onError,
                      QObject* parent);

    void setPaintObserver(PaintObserver observer) { observer_ = std::move(observer); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void paintDefaultLook(QPainter& painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const;

    ShowScene& scene_;
    const RecapModel& grid_;
    ErrorHandler onError_;
    PaintObserver observer_;
};

}  // namespace pelora
