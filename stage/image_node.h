// Image node: one picture drawn with its alpha over what lies beneath, scaled uniformly to the
// largest size that fits the box and centred in it.
#pragma once

#include <QImage>

#include "stage/node.h"

namespace pelora {

class ImageNode : public Node {
public:
    ImageNode(std::string name, QGraphicsItem* parent);

    // Pictures are shared, not copied: copying one node's picture into another is cheap.
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // Where the picture lands in the box.
    QRectF pictureRect() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    // The picture scaled down once to the size it covers on the device: smooth scaling from the
    // large source every frame would cost time and alias.
    const QImage& scaledFor(const QSize& devicePixels);

    QImage picture_;
    QImage scaled_;
};

}  // namespace pelora
