// Label node: bold text in the show's font, wrapped at word boundaries to the box's width, aligned
// leading or centred, the block of lines centred vertically. The box never follows the text, and
// what does not fit is cut at the box. The pointer passes through a label to the node beneath.
#pragma once

#include <QFont>
#include <QString>
#include <cstdint>
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

private:
    QString text_;
    std::uint32_t textColor_ = 0xFF000000U;
    QFont font_;
    TextAlignment alignment_ = TextAlignment::Leading;
};

}  // namespace pelora
