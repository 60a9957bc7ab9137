#include "grid_slot.h"

#include <QPainter>

#include "assets/facts/show_facts.h"
#include "stage/argb.h"

namespace pelora {

GridSlot::GridSlot(std::string name, QGraphicsItem* parent) : Node(std::move(name), parent) {}

void GridSlot::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                     QWidget* /*widget*/) {
    painter->setPen(QPen(argbColor(colour::tableFrame), 1.0));
    painter->setBrush(argbColor(colour::white));
    painter->drawRect(boxRect().adjusted(0.5, 0.5, -0.5, -0.5));
}

void GridSlot::sizeChanged() {
    if (onResize_) {
        onResize_(width(), height());
    }
}

}  // namespace pelora
