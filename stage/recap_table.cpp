#include "stage/recap_table.h"

#include <QGraphicsProxyWidget>
#include <memory>

#include "motion/error.h"
#include "stage/recap_model.h"
#include "stage/recap_table_view.h"
#include "stage/show_scene.h"

namespace pelora {

RecapTable::RecapTable(ShowScene& scene, RecapModel& grid, ErrorHandler onError)
    : scene_(scene), grid_(grid), onError_(std::move(onError)) {}

void RecapTable::build() {
    if (built_) {
        return;
    }
    built_ = true;
    GridSlot& slot = scene_.StringGrid1();
    auto view = std::make_unique<RecapTableView>(grid_);
    view_ = view.get();
    delegate_ = new RecapCellDelegate(scene_, grid_, onError_, view_);
    delegate_->setPaintObserver(observer_);
    view_->setItemDelegate(delegate_);

    // A child of the slot, at its origin: it moves with the slot and the panel without being told.
    proxy_ = new QGraphicsProxyWidget(&slot);
    proxy_->setWidget(view.release());
    proxy_->setPos(0.0, 0.0);
    proxy_->resize(slot.width(), slot.height());
    slot.setResizeHandler([proxy = proxy_](float width, float height) {
        if (proxy != nullptr) {
            proxy->resize(width, height);
        }
    });
    // The table paints the slot's whole box itself.
    slot.setFlag(QGraphicsItem::ItemHasNoContents);
}

// The model may go before the scene that holds the view: the view lets go of it first.
RecapTable::~RecapTable() {
    if (RecapTableView* view = view_.data(); view != nullptr) {
        view->setModel(nullptr);
    }
}

RecapTableView& RecapTable::view() {
    build();
    RecapTableView* view = view_.data();
    if (view == nullptr) {
        throw ShowError("Le tableau récapitulatif n'existe plus");
    }
    return *view;
}

QGraphicsProxyWidget& RecapTable::proxy() {
    build();
    QGraphicsProxyWidget* proxy = proxy_.data();
    if (proxy == nullptr) {
        throw ShowError("Le tableau récapitulatif n'existe plus");
    }
    return *proxy;
}

void RecapTable::setPaintObserver(RecapCellDelegate::PaintObserver observer) {
    observer_ = std::move(observer);
    if (RecapCellDelegate* delegate = delegate_.data(); delegate != nullptr) {
        delegate->setPaintObserver(observer_);
    }
}

}  // namespace pelora
