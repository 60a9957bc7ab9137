// Label node: bold text in the show's font, wrapped at word boundaries to the box's width, aligned
// leading or centred, the block of lines centred vertically. The box never follows the text, and
// what does not fit is cut at the box. The pointer passes through a label to the node beneath.
#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <cstdint>
#include <memory>
#include <string>

#include "stage/node.h"

namespace pelora {

enum class TextAlignment { Leading, Centre };

class LabelNode : public Node {
public:
    LabelNode(std::string name, QGraphicsItem* parent);

    // UTF-8.
    std::string text() const { return text_.toStdString(); }
    void setText(std::string_view utf8);

    std::uint32_t textColor() const { return textColor_; }
    void setTextColor(std::uint32_t argb);

    int fontPixelSize() const { return font_.pixelSize(); }
    void setFontPixelSize(int pixelSize);
    const QFont& font() const { return font_; }

    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment alignment);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // Lays the text out for painting on `device` ahead of the paint, which then finds it done.
    void prepareLayout(const QPaintDevice& device) { static_cast<void>(layoutFor(&device)); }

private:
    // The text laid out in lines, kept from one paint to the next: a label over which a ball
    // flies or that spins is painted a hundred times a second, and laying its text out again
    // each time (shaping included) cost more than drawing it.
    // It is dropped when the text, font or alignment changes, or the box's size (sizeChanged),
    // and laid out again for another device.
    struct Layout {
        QTextLayout lines;
        qreal height = 0.0;
        qreal widest = 0.0;  // the widest line's natural width
        const QPaintDevice* device = nullptr;
        int logicalDpiY = 0;
        qreal devicePixelRatio = 0.0;
    };
    const Layout& layoutFor(const QPaintDevice* device);
    void sizeChanged() override { layout_.reset(); }

    QString text_;
    std::uint32_t textColor_ = 0xFF000000U;
    QFont font_;
    TextAlignment alignment_ = TextAlignment::Leading;
    std::unique_ptr<Layout> layout_;
};

}  // namespace pelora
