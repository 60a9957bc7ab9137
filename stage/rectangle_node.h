// Rectangle node: a rounded rectangle with an optional solid fill and an optional solid stroke that
// lies wholly inside the box, on all four sides or on chosen sides only.
#pragma once

#include <cstdint>

#include "stage/node.h"

namespace pelora {

enum class Side : unsigned { Left = 1U, Top = 2U, Right = 4U, Bottom = 8U };

class RectangleNode : public Node {
public:
    static constexpr unsigned allSides = 15U;

    RectangleNode(std::string name, QGraphicsItem* parent);

    bool hasFill() const { return hasFill_; }
    std::uint32_t fillColor() const { return fillColor_; }
    void setFillColor(std::uint32_t argb);
    void clearFill();

    bool hasStroke() const { return hasStroke_; }
    std::uint32_t strokeColor() const { return strokeColor_; }
    float strokeThickness() const { return strokeThickness_; }
    void setStrokeColor(std::uint32_t argb);
    void setStrokeThickness(float thickness);
    void clearStroke();

    // Sides as a set of Side bits; allSides strokes a rounded outline.
    unsigned strokedSides() const { return strokedSides_; }
    void setStrokedSides(unsigned sides);
    bool strokes(Side side) const { return (strokedSides_ & static_cast<unsigned>(side)) != 0U; }

    float cornerRadiusX() const { return radiusX_; }
    float cornerRadiusY() const { return radiusY_; }
    void setCornerRadii(float radiusX, float radiusY);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    bool strokeVisible() const { return hasStroke_ && strokeThickness_ > 0.0F; }
    QRectF shapeRect() const;
    void paintSides(QPainter& painter, const QRectF& shape) const;
    bool paintsAsTwoFills() const;
    void paintTwoFills(QPainter& painter) const;
    QRectF flatInterior(qreal deviceScale) const;
    bool paintInteriorOnly(QPainter& painter, const QStyleOptionGraphicsItem* option) const;

    bool hasFill_ = true;
    std::uint32_t fillColor_ = 0xFFE0E0E0U;
    bool hasStroke_ = true;
    std::uint32_t strokeColor_ = 0xFF000000U;
    float strokeThickness_ = 1.0F;
    unsigned strokedSides_ = allSides;
    float radiusX_ = 0.0F;
    float radiusY_ = 0.0F;
};

}  // namespace pelora
