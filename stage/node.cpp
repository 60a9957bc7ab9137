#include "node.h"

#include <QPainterPath>
#include <cmath>
#include <utility>
#include <vector>

namespace pelora {
namespace {

// Anti-aliased edges may touch the pixel next to the box; repaints must cover it.
constexpr qreal paintMargin = 1.0;

}  // namespace

Node::Node(std::string name, QGraphicsItem* parent)
    : QGraphicsItem(parent),
      name_(std::move(name)),
      position_(*this),
      rotation_(*this, &Node::rotationAngle, &Node::setRotationAngle) {
    setTransformOriginPoint(box_.width * 0.5F, box_.height * 0.5F);
}

void Node::setPositionX(float x) {
    box_.x = x;
    setPos(box_.x, box_.y);
}

void Node::setPositionY(float y) {
    box_.y = y;
    setPos(box_.x, box_.y);
}

void Node::setPosition(float x, float y) {
    box_.x = x;
    box_.y = y;
    setPos(box_.x, box_.y);
}

void Node::setWidth(float width) {
    setSize(width, box_.height);
}

void Node::setHeight(float height) {
    setSize(box_.width, height);
}

void Node::setSize(float width, float height) {
    if (width == box_.width && height == box_.height) {
        return;
    }
    prepareGeometryChange();
    box_.width = width;
    box_.height = height;
    setTransformOriginPoint(box_.width * 0.5F, box_.height * 0.5F);
    arrangeDockedChildren();
    sizeChanged();
}

void Node::setBox(const Box& box) {
    setPosition(box.x, box.y);
    setSize(box.width, box.height);
}

// Whole turns are dropped before Qt builds the transform, so that a tile that spun 720 degrees
// stands exactly as it did before, to the last pixel.
void Node::setRotationAngle(float degrees) {
    rotationAngle_ = degrees;
    setRotation(std::fmod(static_cast<double>(degrees), 360.0));
}

void Node::setDocking(Docking docking, Margins margins) {
    docking_ = docking;
    margins_ = margins;
}

void Node::arrangeDockedChildren() {
    std::vector<Node*> nodes;
    std::vector<DockedChild> docked;
    for (QGraphicsItem* item : childItems()) {
        auto* node = dynamic_cast<Node*>(item);
        if (node != nullptr && node->docking_ != Docking::None) {
            nodes.push_back(node);
            docked.push_back({node->docking_, node->margins_, node->box_});
        }
    }
    dock(box_.width, box_.height, docked);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i]->setBox(docked[i].box);
    }
}

QRectF Node::boundingRect() const {
    return boxRect().adjusted(-paintMargin, -paintMargin, paintMargin, paintMargin);
}

QPainterPath Node::shape() const {
    QPainterPath path;
    path.addRect(boxRect());
    return path;
}

void Node::paint(QPainter* /*painter*/, const QStyleOptionGraphicsItem* /*option*/,
                 QWidget* /*widget*/) {}

PropertyObject* Node::objectProperty(std::string_view name) {
    return sameNameIgnoringCase(name, "Position") ? &position_ : nullptr;
}

FloatProperty* Node::floatProperty(std::string_view name) {
    return sameNameIgnoringCase(name, "RotationAngle") ? &rotation_ : nullptr;
}

Node::PositionObject::PositionObject(Node& node)
    : x_(node, &Node::positionX, &Node::setPositionX),
      y_(node, &Node::positionY, &Node::setPositionY) {}

FloatProperty* Node::PositionObject::floatProperty(std::string_view name) {
    if (sameNameIgnoringCase(name, "X")) {
        return &x_;
    }
    return sameNameIgnoringCase(name, "Y") ? &y_ : nullptr;
}

}  // namespace pelora
