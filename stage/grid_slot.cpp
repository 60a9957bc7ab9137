#include "grid_slot.h"

#include <QPainter>

#include "stage/argb.h"

namespace pelora {
namespace {

constexpr std::uint32_t background = 0xFFFFFFFFU;
constexpr std::uint32_t frame = 0xFF7A7A7AU;

}  // namespace

GridSlot::GridSlot(std::string name, QGraphicsItem* parent) : Node(std::move(name), parent) {}

void GridSlot::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                     QWidget* /*widget*/) {
    painter->setPen(QPen(argbColor(frame), 1.0));
    painter->setBrush(argbColor(background));
    painter->drawRect(boxRect().adjusted(0.5, 0.5, -0.5, -0.5));
}

void GridSlot::sizeChanged() {
    if (onResize_) {
        onResize_(width(), height());
    }
}

}  // namespace pelora
