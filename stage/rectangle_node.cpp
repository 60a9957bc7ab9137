#include "rectangle_node.h"

#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>

#include "stage/argb.h"

namespace pelora {

// The view tells each paint which part of the node it repaints (the exposed rectangle), so that a
// repaint inside the flat fill can skip the outline.
RectangleNode::RectangleNode(std::string name, QGraphicsItem* parent)
    : Node(std::move(name), parent) {
    setFlag(QGraphicsItem::ItemUsesExtendedStyleOption);
}

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

// An opaque stroke on every side around an opaque fill is painted as two filled rounded
// rectangles: the stroke's outer outline in the stroke colour, then the part of the fill that the
// stroke leaves visible. Filling skips the stroker: the 28 tiles and the board, painted this way
// in every frame, cost a third less. The pixels are those of fill-then-stroke, to within the
// anti-aliasing of an edge, as long as the stroke is at least two pixels wide (a thinner one has
// both its edges in the same pixels) and its inner edge is still rounded (a corner radius under
// half the stroke leaves the stroker's own inner corner).
bool RectangleNode::paintsAsTwoFills() const {
    const float half = strokeThickness_ / 2.0F;
    return hasFill_ && strokeVisible() && strokedSides_ == allSides && radiusX_ == radiusY_ &&
           strokeThickness_ >= 2.0F && (radiusX_ == 0.0F || radiusX_ >= half) &&
           (fillColor_ >> 24U) == 0xFFU && (strokeColor_ >> 24U) == 0xFFU;
}

void RectangleNode::paintTwoFills(QPainter& painter) const {
    const QRectF outer = boxRect();
    const qreal half = strokeThickness_ / 2.0F;
    const qreal radius = radiusX_;
    painter.setPen(Qt::NoPen);
    painter.setBrush(argbColor(strokeColor_));
    // A square corner stays square: a mitred stroke around it has no rounding outside.
    const qreal outerRadius = radius > 0.0 ? radius + half : 0.0;
    painter.drawRoundedRect(outer, outerRadius, outerRadius);
    const QRectF inner =
        outer.adjusted(strokeThickness_, strokeThickness_, -strokeThickness_, -strokeThickness_);
    if (inner.isEmpty()) {
        return;
    }
    const qreal innerRadius = std::max(radius - half, 0.0);
    painter.setBrush(argbColor(fillColor_));
    painter.drawRoundedRect(inner, innerRadius, innerRadius);
}

// The part of the fill that neither the stroke nor a rounded corner reaches, less a device pixel
// for the anti-aliasing of their edges: every pixel in it is the fill colour and nothing else.
QRectF RectangleNode::flatInterior(qreal deviceScale) const {
    if (!hasFill_ || deviceScale <= 0.0) {
        return {};
    }
    const qreal stroke = strokeVisible() ? static_cast<qreal>(strokeThickness_) : 0.0;
    const qreal inset =
        stroke + static_cast<qreal>(std::max(radiusX_, radiusY_)) + 1.0 / deviceScale;
    const QRectF flat = boxRect().adjusted(inset, inset, -inset, -inset);
    return flat.isValid() ? flat : QRectF();
}

// While a ball flies over the board, or lands on a tile, most frames repaint a small patch in the
// middle of a rectangle. There the rectangle is its fill colour, so the patch is filled as a plain
// rectangle instead of the rounded outlines being laid out and rasterised again: the pixels are
// the same, and outside the patch the view's clip keeps the rest of the frame as it was.
bool RectangleNode::paintInteriorOnly(QPainter& painter,
                                      const QStyleOptionGraphicsItem* option) const {
    if (option == nullptr || option->exposedRect.isEmpty()) {
        return false;
    }
    const QTransform& device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale) {
        return false;
    }
    const QRectF flat = flatInterior(std::min(std::abs(device.m11()), std::abs(device.m22())));
    if (flat.isEmpty() || !flat.contains(option->exposedRect)) {
        return false;
    }
    painter.fillRect(flat, argbColor(fillColor_));
    return true;
}

void RectangleNode::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                          QWidget* /*widget*/) {
    if (paintInteriorOnly(*painter, option)) {
        return;
    }
    if (paintsAsTwoFills()) {
        paintTwoFills(*painter);
        return;
    }
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
