// A rectangle node's fill and stroke: however the node paints them, the pixels are those of the
// fill under a stroke centred on the outline half a stroke inside the box (mitred, flat-capped),
// to within the anti-aliasing of an edge.
#include <gtest/gtest.h>

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>

#include "assets/facts/show_facts.h"
#include "stage/rectangle_node.h"

namespace pelora {
namespace {

struct Look {
    const char* name;
    std::uint32_t fill;
    std::uint32_t stroke;
    float thickness;
    float radius;
    float degrees;
};

void PrintTo(const Look& look, std::ostream* out) {
    *out << look.name;
}

constexpr int canvas = 160;
constexpr QPointF origin{30.0, 30.0};
constexpr QSizeF boxSize{100.0, 100.0};

// The definition: fill the outline, then stroke it.
QImage reference(const Look& look) {
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin + QPointF(boxSize.width() / 2, boxSize.height() / 2));
    painter.rotate(look.degrees);
    painter.translate(-boxSize.width() / 2, -boxSize.height() / 2);
    const qreal half = static_cast<qreal>(look.thickness) / 2.0;
    const QRectF outline = QRectF(QPointF(), boxSize).adjusted(half, half, -half, -half);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(look.fill));
    painter.drawRoundedRect(outline, look.radius, look.radius);
    QPen pen(QColor::fromRgba(look.stroke), look.thickness);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outline, look.radius, look.radius);
    return image;
}

QImage painted(const Look& look) {
    QGraphicsScene scene(0, 0, canvas, canvas);
    auto* node = new RectangleNode("Rectangle", nullptr);
    scene.addItem(node);
    node->setSize(static_cast<float>(boxSize.width()), static_cast<float>(boxSize.height()));
    node->setPosition(static_cast<float>(origin.x()), static_cast<float>(origin.y()));
    node->setFillColor(look.fill);
    node->setStrokeColor(look.stroke);
    node->setStrokeThickness(look.thickness);
    node->setCornerRadii(look.radius, look.radius);
    node->setRotationAngle(look.degrees);
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(0, 0, canvas, canvas), QRectF(0, 0, canvas, canvas));
    return image;
}

int channelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

class RectanglePaint : public ::testing::TestWithParam<Look> {};

TEST_P(RectanglePaint, MatchesTheFillUnderTheStroke) {
    const QImage expected = reference(GetParam());
    const QImage actual = painted(GetParam());
    int largest = 0;
    int differing = 0;
    for (int y = 0; y < canvas; ++y) {
        for (int x = 0; x < canvas; ++x) {
            const int difference = channelDifference(expected.pixel(x, y), actual.pixel(x, y));
            largest = std::max(largest, difference);
            differing += difference > 0 ? 1 : 0;
        }
    }
    // Only edge pixels may differ, and only by a little (more along the slanted edges of a turned
    // tile): an outline half a pixel off makes the corners differ by 40 levels and more.
    EXPECT_LE(largest, GetParam().degrees == 0.0F ? 20 : 40);
    EXPECT_LE(differing, 1000);
    // The middle of the fill and of a side's stroke are exact.
    if (GetParam().degrees == 0.0F) {
        EXPECT_EQ(actual.pixel(80, 80), expected.pixel(80, 80));
        EXPECT_EQ(actual.pixel(80, 30 + static_cast<int>(GetParam().thickness / 2)),
                  expected.pixel(80, 30 + static_cast<int>(GetParam().thickness / 2)));
    }
}

using colour::blue;
using colour::boardGrey;
using colour::boardStroke;
using colour::tileStrokeAtRest;
using colour::white;

INSTANTIATE_TEST_SUITE_P(
    Looks, RectanglePaint,
    ::testing::Values(Look{"Tile", white, tileStrokeAtRest, 4.0F, 10.0F, 0.0F},
                      Look{"TurningTile", blue, white, 4.0F, 10.0F, 37.0F},
                      Look{"SquareCorners", 0xFFDDDDDDU, 0xFF404040U, 4.0F, 0.0F, 0.0F},
                      Look{"RadiusUnderHalfTheStroke", white, blue, 6.0F, 2.0F, 0.0F},
                      Look{"Board", boardGrey, boardStroke, 3.0F, 10.0F, 0.0F},
                      Look{"Button", blue, white, 2.0F, 3.0F, 0.0F},
                      Look{"ThinStrokeLargeRadius", 0xFFA52A2AU, 0xFF000000U, 1.0F, 30.0F, 0.0F},
                      Look{"TranslucentFill", 0x80FF0000U, 0xFF0000FFU, 4.0F, 10.0F, 0.0F},
                      Look{"TranslucentStroke", 0xFFFFFF00U, 0x800000FFU, 4.0F, 10.0F, 0.0F}),
    [](const ::testing::TestParamInfo<Look>& look) { return std::string(look.param.name); });

// A repaint of a patch, as the view makes one while a ball flies: the view clips to the patch's
// device pixels and tells the node the patch (the exposed rectangle). Inside the patch the node
// must paint exactly what a whole paint leaves there, whether the patch lies in the flat middle
// (where the node may fill it plainly) or reaches an edge, a corner or the stroke.
struct Patch {
    const char* name;
    Look look;
    qreal scale;
    QPointF position;  // of the node, in logical pixels
    QRect pixels;      // the repainted patch, in device pixels
};

void PrintTo(const Patch& patch, std::ostream* out) {
    *out << patch.name;
}

QImage paintedPatch(const Patch& patch, bool tellExposed) {
    RectangleNode node("Rectangle", nullptr);
    node.setSize(static_cast<float>(boxSize.width()), static_cast<float>(boxSize.height()));
    node.setFillColor(patch.look.fill);
    node.setStrokeColor(patch.look.stroke);
    node.setStrokeThickness(patch.look.thickness);
    node.setCornerRadii(patch.look.radius, patch.look.radius);
    const int side = static_cast<int>(std::ceil(canvas * patch.scale));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(patch.pixels);
    painter.scale(patch.scale, patch.scale);
    painter.translate(patch.position);
    QStyleOptionGraphicsItem option;
    option.exposedRect = painter.deviceTransform().inverted().mapRect(QRectF(patch.pixels));
    node.paint(&painter, tellExposed ? &option : nullptr, nullptr);
    return image;
}

class RectanglePatch : public ::testing::TestWithParam<Patch> {};

TEST_P(RectanglePatch, PaintsWhatAWholePaintLeavesInThePatch) {
    EXPECT_EQ(paintedPatch(GetParam(), true), paintedPatch(GetParam(), false));
}

const Look tile{"Tile", white, tileStrokeAtRest, 4.0F, 10.0F, 0.0F};
const Look board{"Board", boardGrey, boardStroke, 3.0F, 10.0F, 0.0F};
const Look sidesOnly{"Sides", 0xFFDDDDDDU, 0xFF404040U, 2.0F, 0.0F, 0.0F};
const Look translucent{"TranslucentFill", 0x80FF0000U, 0xFF0000FFU, 4.0F, 10.0F, 0.0F};

INSTANTIATE_TEST_SUITE_P(
    Patches, RectanglePatch,
    ::testing::Values(
        Patch{"tile_middle", tile, 1.0, {30.4, 29.7}, {60, 60, 50, 40}},
        Patch{"tile_next_to_the_stroke", tile, 1.0, {30.4, 29.7}, {45, 60, 50, 40}},
        Patch{"tile_corner", tile, 1.0, {30.4, 29.7}, {31, 31, 20, 20}},
        Patch{"board_middle_scale_2", board, 2.0, {30.25, 29.5}, {100, 100, 90, 80}},
        Patch{"board_edge_scale_2", board, 2.0, {30.25, 29.5}, {62, 100, 90, 80}},
        Patch{"board_middle_scale_1_5", board, 1.5, {30.3, 29.9}, {70, 70, 60, 60}},
        Patch{"square_corners_middle", sidesOnly, 1.0, {30.0, 30.0}, {40, 40, 80, 80}},
        Patch{"square_corners_on_the_stroke", sidesOnly, 1.0, {30.0, 30.0}, {31, 40, 40, 40}},
        Patch{"translucent_middle", translucent, 1.0, {30.6, 30.2}, {60, 60, 40, 40}},
        Patch{"outside_the_node", tile, 1.0, {30.0, 30.0}, {0, 0, 25, 25}}),
    [](const ::testing::TestParamInfo<Patch>& patch) { return std::string(patch.param.name); });

}  // namespace
}  // namespace pelora
