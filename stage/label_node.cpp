#include "label_node.h"

#include <QPainter>

#include "stage/argb.h"
#include "stage/fonts.h"

namespace pelora {
namespace {

constexpr int defaultPixelSize = 12;

}  // namespace

LabelNode::LabelNode(std::string name, QGraphicsItem* parent)
    : Node(std::move(name), parent), font_(showFont(defaultPixelSize)) {
    setAcceptHoverEvents(false);
    setAcceptedMouseButtons(Qt::NoButton);
}

void LabelNode::setText(std::string_view utf8) {
    text_ = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    update();
}

void LabelNode::setTextColor(std::uint32_t argb) {
    textColor_ = argb;
    update();
}

void LabelNode::setFontPixelSize(int pixelSize) {
    font_.setPixelSize(pixelSize);
    update();
}

void LabelNode::setAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    update();
}

void LabelNode::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                      QWidget* /*widget*/) {
    const int horizontal = alignment_ == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter->setFont(font_);
    painter->setPen(argbColor(textColor_));
    // Without Qt::TextDontClip the text is clipped to the box.
    painter->drawText(boxRect(), horizontal | Qt::AlignVCenter | Qt::TextWordWrap, text_);
}

}  // namespace pelora
