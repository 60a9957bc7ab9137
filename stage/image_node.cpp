#include "image_node.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pelora {

ImageNode::ImageNode(std::string name, QGraphicsItem* parent) : Node(std::move(name), parent) {}

void ImageNode::setPicture(const QImage& picture) {
    picture_ = picture;
    scaled_ = QImage();
    update();
}

QRectF ImageNode::pictureRect() const {
    const QRectF box = boxRect();
    if (picture_.isNull()) {
        return {box.center(), QSizeF(0.0, 0.0)};
    }
    const QSizeF size = picture_.deviceIndependentSize();
    const qreal scale = std::min(box.width() / size.width(), box.height() / size.height());
    QRectF target(QPointF(0.0, 0.0), size * scale);
    target.moveCenter(box.center());
    return target;
}

const QImage& ImageNode::scaledFor(const QSize& devicePixels) {
    if (devicePixels.isEmpty() || devicePixels.width() >= picture_.width()) {
        return picture_;
    }
    if (scaled_.size() != devicePixels) {
        scaled_ = picture_.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return scaled_;
}

void ImageNode::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                      QWidget* /*widget*/) {
    if (picture_.isNull()) {
        return;
    }
    const QRectF target = pictureRect();
    const QTransform& device = painter->deviceTransform();
    const qreal deviceScale = std::hypot(device.m11(), device.m12());
    const QSize devicePixels = (target.size() * deviceScale).toSize();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, scaledFor(devicePixels));
}

}  // namespace pelora
