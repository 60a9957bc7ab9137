#include "image_node.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pelora {
namespace {

bool covers(const QImage& source, const QSize& devicePixels) {
    return source.width() >= devicePixels.width() && source.height() >= devicePixels.height();
}

}  // namespace

ImageNode::ImageNode(std::string name, QGraphicsItem* parent) : Node(std::move(name), parent) {}

void ImageNode::setPicture(const QImage& picture, std::vector<QImage> largerVersions) {
    picture_ = picture;
    largerVersions_ = std::move(largerVersions);
    readyVersions_.clear();
    std::sort(largerVersions_.begin(), largerVersions_.end(),
              [](const QImage& a, const QImage& b) { return a.width() < b.width(); });
    scaled_ = QImage();
    scaledFrom_ = 0;
    update();
}

void ImageNode::setReadyVersions(std::vector<QImage> readyVersions) {
    readyVersions_ = std::move(readyVersions);
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

const QImage& ImageNode::sourceFor(const QSize& devicePixels) const {
    if (largerVersions_.empty() || covers(picture_, devicePixels)) {
        return picture_;
    }
    for (const QImage& version : largerVersions_) {
        if (covers(version, devicePixels)) {
            return version;
        }
    }
    return largerVersions_.back();
}

const QImage& ImageNode::scaledFor(const QSize& devicePixels) {
    const QImage& source = sourceFor(devicePixels);
    if (devicePixels.isEmpty() || devicePixels.width() >= source.width()) {
        return source;
    }
    if (&source == &picture_) {
        for (const QImage& ready : readyVersions_) {
            if (ready.size() == devicePixels) {
                return ready;
            }
        }
    }
    if (scaled_.size() != devicePixels || scaledFrom_ != source.cacheKey()) {
        scaled_ = source.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaledFrom_ = source.cacheKey();
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
    drawInBands(*painter, target, scaledFor(devicePixels));
}

// Qt's painter splits a stretched or sub-pixel image draw of a few dozen rows or more into
// pieces for its thread pool: on every frame of a flight two threads were woken and waited for,
// which cost more than the drawing. Clipped to bands of whole device rows, each drawn alone, the
// picture comes out pixel for pixel the same, all of it on the event thread.
void ImageNode::drawInBands(QPainter& painter, const QRectF& target, const QImage& source) {
    constexpr int bandRows = 16;
    const QTransform& device = painter.deviceTransform();
    const QRectF onDevice = device.mapRect(target);
    const int top = static_cast<int>(std::floor(onDevice.top()));
    const int bottom = static_cast<int>(std::ceil(onDevice.bottom()));
    const bool blit = onDevice == onDevice.toRect() && onDevice.size() == source.size();
    if (blit || device.type() > QTransform::TxScale || bottom - top <= bandRows) {
        painter.drawImage(target, source);
        return;
    }
    // A column to spare on each side: the band only cuts rows.
    const int left = static_cast<int>(std::floor(onDevice.left())) - 1;
    const int right = static_cast<int>(std::ceil(onDevice.right())) + 1;
    const QTransform toLogical = device.inverted();
    for (int row = top; row < bottom; row += bandRows) {
        painter.save();
        painter.setClipRect(toLogical.mapRect(QRectF(left, row, right - left, bandRows)),
                            Qt::IntersectClip);
        painter.drawImage(target, source);
        painter.restore();
    }
}

}  // namespace pelora
