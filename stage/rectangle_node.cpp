#include "rectangle_node.h"

#include <QPainter>
#include <QPen>

#include "stage/argb.h"

namespace pelora {

RectangleNode::RectangleNode(std::string name, QGraphicsItem* parent)
    : Node(std::move(name), parent) {}

void RectangleNode::setFillColor(std::uint32_t argb) {
    hasFill_ = true;
    fillColor_ = argb;
    update();
}

void RectangleNode::clearFill() {
    hasFill_ = false;
    update();
}

void RectangleNode::setStrokeColor(std::uint32_t argb) {
    hasStroke_ = true;
    strokeColor_ = argb;
    update();
}

void RectangleNode::setStrokeThickness(float thickness) {
    strokeThickness_ = thickness;
    update();
}

void RectangleNode::clearStroke() {
    hasStroke_ = false;
    update();
}

void RectangleNode::setStrokedSides(unsigned sides) {
    strokedSides_ = sides & allSides;
    update();
}

void RectangleNode::setCornerRadii(float radiusX, float radiusY) {
    radiusX_ = radiusX;
    radiusY_ = radiusY;
    update();
}

// The stroke is centred on this rectangle's outline, so that it lies inside the box; on a side
// without stroke the fill reaches the box's edge.
QRectF RectangleNode::shapeRect() const {
    if (!strokeVisible()) {
        return boxRect();
    }
    const qreal half = strokeThickness_ / 2.0F;
    const auto inset = [&](Side side) { return strokes(side) ? half : 0.0; };
    return boxRect().adjusted(inset(Side::Left), inset(Side::Top), -inset(Side::Right),
                              -inset(Side::Bottom));
}

void RectangleNode::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                          QWidget* /*widget*/) {
    const QRectF shape = shapeRect();
    if (hasFill_) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(argbColor(fillColor_));
        painter->drawRoundedRect(shape, radiusX_, radiusY_);
    }
    if (!strokeVisible()) {
        return;
    }
    QPen pen(argbColor(strokeColor_), strokeThickness_);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    if (strokedSides_ == allSides) {
        painter->drawRoundedRect(shape, radiusX_, radiusY_);
    } else {
        paintSides(*painter, shape);
    }
}

void RectangleNode::paintSides(QPainter& painter, const QRectF& shape) const {
    if (strokes(Side::Left)) {
        painter.drawLine(shape.topLeft(), shape.bottomLeft());
    }
    if (strokes(Side::Top)) {
        painter.drawLine(shape.topLeft(), shape.topRight());
    }
    if (strokes(Side::Right)) {
        painter.drawLine(shape.topRight(), shape.bottomRight());
    }
    if (strokes(Side::Bottom)) {
        painter.drawLine(shape.bottomLeft(), shape.bottomRight());
    }
}

}  // namespace pelora
