#include "label_node.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <algorithm>
#include <cmath>

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
    layout_.reset();
    update();
}

void LabelNode::setTextColor(std::uint32_t argb) {
    textColor_ = argb;
    update();
}

void LabelNode::setFontPixelSize(int pixelSize) {
    font_.setPixelSize(pixelSize);
    layout_.reset();
    update();
}

void LabelNode::setAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    layout_.reset();
    update();
}

// Lines are laid out as QPainter::drawText lays them out for a box with word wrapping: as wide as
// the box, each starting on a whole pixel below the one before, leading between them.
const LabelNode::Layout& LabelNode::layoutFor(const QPaintDevice* device) {
    const int dpi = device != nullptr ? device->logicalDpiY() : 0;
    const qreal ratio = device != nullptr ? device->devicePixelRatioF() : 0.0;
    if (layout_ && layout_->device == device && layout_->logicalDpiY == dpi &&
        layout_->devicePixelRatio == ratio) {
        return *layout_;
    }
    const QSizeF box = boxRect().size();
    auto layout = std::make_unique<Layout>();
    layout->device = device;
    layout->logicalDpiY = dpi;
    layout->devicePixelRatio = ratio;
    const QFont font = device != nullptr ? QFont(font_, device) : font_;
    // Lines are laid out from the left; paint centres each one in the box.
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    QTextLayout& lines = layout->lines;
    lines.setText(text_);
    lines.setFont(font);
    lines.setTextOption(option);
    lines.setCacheEnabled(true);
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    lines.beginLayout();
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
        line.setLineWidth(std::max<qreal>(0.0, box.width()));
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0.0, height));
        // The line's own height, not rounded up as QTextLine::height() rounds it.
        height += line.ascent() + line.descent();
        layout->widest = std::max(layout->widest, line.naturalTextWidth());
        if (height >= box.height()) {
            break;
        }
    }
    lines.endLayout();
    layout->height = height;
    layout_ = std::move(layout);
    return *layout_;
}

void LabelNode::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                      QWidget* /*widget*/) {
    if (text_.isEmpty()) {
        return;
    }
    const Layout& layout = layoutFor(painter->device());
    const QRectF box = boxRect();
    const qreal top = box.y() + (box.height() - layout.height) / 2.0;
    painter->setFont(font_);
    painter->setPen(argbColor(textColor_));
    // What does not fit is cut at the box.
    const qreal left =
        alignment_ == TextAlignment::Centre ? (box.width() - layout.widest) / 2.0 : 0.0;
    const bool clip = !box.contains(QRectF(box.x() + left, top, layout.widest, layout.height));
    if (clip) {
        painter->save();
        painter->setClipRect(box, Qt::IntersectClip);
    }
    for (int i = 0; i < layout.lines.lineCount(); ++i) {
        const QTextLine line = layout.lines.lineAt(i);
        const qreal x = alignment_ == TextAlignment::Centre
                            ? (box.width() - line.horizontalAdvance()) / 2.0
                            : 0.0;
        line.draw(painter, QPointF(box.x() + x, top));
    }
    if (clip) {
        painter->restore();
    }
}

}  // namespace pelora
