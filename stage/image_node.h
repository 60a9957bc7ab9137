// Image node: one picture drawn with its alpha over what lies beneath, scaled uniformly to the
// largest size that fits the box and centred in it.
#pragma once

#include <QImage>
#include <vector>

#include "stage/node.h"

namespace pelora {

class ImageNode : public Node {
public:
    ImageNode(std::string name, QGraphicsItem* parent);

    // Pictures are shared, not copied: copying one node's picture into another is cheap.
    const QImage& picture() const { return picture_; }
    // The picture gives the node its proportions and its size at scale 1. Larger versions of the
    // same picture (same proportions, more pixels) serve screens whose scale would enlarge it:
    // an enlarged picture is blurred.
    void setPicture(const QImage& picture, std::vector<QImage> largerVersions = {});
    // The picture already scaled, smoothly, to sizes it is drawn at on the device: where one is
    // the size the picture covers, it is drawn as it is and nothing is scaled. Setting the
    // picture again forgets them.
    void setReadyVersions(std::vector<QImage> readyVersions);

    // Where the picture lands in the box.
    QRectF pictureRect() const;

    // The source drawn where the picture covers `devicePixels`: the smallest of the picture and
    // its larger versions that is at least as large in both directions, so that nothing is
    // enlarged while one exists; the largest when none is.
    const QImage& sourceFor(const QSize& devicePixels) const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    // The source scaled down once to the size it covers on the device: smooth scaling from a
    // larger source every frame would cost time and alias.
    const QImage& scaledFor(const QSize& devicePixels);
    static void drawInBands(QPainter& painter, const QRectF& target, const QImage& source);

    QImage picture_;
    std::vector<QImage> largerVersions_;
    std::vector<QImage> readyVersions_;
    QImage scaled_;
    qint64 scaledFrom_ = 0;  // cache key of the source of `scaled_`
};

}  // namespace pelora
