#include "stage/recap_cell_delegate.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "stage/recap_cell_painter.h"

namespace pelora {
namespace {

QRect visiblePart(const QStyleOptionViewItem& option) {
    const auto* view = qobject_cast<const QAbstractScrollArea*>(option.widget);
    return view != nullptr ? option.rect & view->viewport()->rect() : option.rect;
}

}  // namespace

RecapCellDelegate::RecapCellDelegate(ShowScene& scene, const RecapModel& grid, ErrorHandler onError,
                                     QObject* parent)
    : QStyledItemDelegate(parent), scene_(scene), grid_(grid), onError_(std::move(onError)) {}

// The cell is clipped to its visible part: inside the scene the view's region reaches the
// painter only as a system clip, which anti-aliased text drawn through the scene's painter was
// seen to ignore (the ninth row's figures showed below the table). Edges are not anti-aliased,
// so that a panel standing on a half pixel still shows sharp blocks.
void RecapCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    painter->setClipRect(visiblePart(option), Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing, false);
    paintDefaultLook(*painter, option, index);
    runGuarded(
        [&] {
            StringGrid1DrawColumnCell(scene_, grid_, *painter, index.column(),
                                      recapBlockBounds(option.rect), index.row());
        },
        onError_);
    painter->restore();
    if (observer_) {
        observer_(index.column(), index.row());
    }
}

// The style's item look gives the selected cell its selection colour and the current one its
// focus mark; on any other cell it draws nothing that the block would not cover, and it is
// skipped. Its text would only be covered by the block, so it is not laid out at all.
void RecapCellDelegate::paintDefaultLook(QPainter& painter, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    const QStyle::State marked =
        QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver;
    if ((option.state & marked) == QStyle::State_None) {
        return;
    }
    QStyleOptionViewItem look = option;
    initStyleOption(&look, index);
    look.text.clear();
    look.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &look, &painter, widget);
}

}  // namespace pelora
