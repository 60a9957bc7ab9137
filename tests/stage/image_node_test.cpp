// The source an image node draws at each display scale: the smallest of its picture and the
// larger versions of it that covers the box in device pixels, the largest when none does, and
// always filling the same box. Each source is a solid colour, so a render tells which was drawn.
#include "stage/image_node.h"

#include <gtest/gtest.h>

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <ostream>

#include "assets/assets.h"
#include "stage/scene_render.h"
#include "stage/show_scene.h"
#include "support/pixel_probe.h"

namespace pelora {
namespace {

using testing::countColour;
using testing::hasColourAt;

constexpr std::uint32_t green = 0xFF00C000U;    // the picture, 40 x 20
constexpr std::uint32_t magenta = 0xFFC000C0U;  // twice as large, 80 x 40
constexpr std::uint32_t blue = 0xFF0000C0U;     // three times as large, 120 x 60
constexpr std::uint32_t headerRed = 0xFF9F3131U;
constexpr QRectF box{10.0, 10.0, 40.0, 20.0};
constexpr QSizeF canvas{60.0, 40.0};

QImage solid(int width, int height, std::uint32_t argb) {
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(QColor::fromRgba(argb));
    return picture;
}

// The node alone on a scene, rendered as the window paints at a display scale.
QImage rendered(qreal scale) {
    QGraphicsScene scene(QRectF(QPointF(), canvas));
    auto* node = new ImageNode("Image", nullptr);
    scene.addItem(node);
    node->setPosition(static_cast<float>(box.x()), static_cast<float>(box.y()));
    node->setSize(static_cast<float>(box.width()), static_cast<float>(box.height()));
    // Given out of order: the node orders them.
    node->setPicture(solid(40, 20, green), {solid(120, 60, blue), solid(80, 40, magenta)});
    const QSize pixels(static_cast<int>(std::lround(canvas.width() * scale)),
                       static_cast<int>(std::lround(canvas.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(sceneRenderHints);
    scene.render(&painter, QRectF(QPointF(), canvas), QRectF(QPointF(), canvas));
    return image;
}

struct ScaleCase {
    double scale;
    std::uint32_t drawn;
};

void PrintTo(const ScaleCase& row, std::ostream* out) {
    *out << "scale " << row.scale << ", drawn " << testing::hex(row.drawn);
}

class ImageSourceTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ImageSourceTest, DrawsTheSmallestSourceThatCoversTheBoxAndFillsTheBox) {
    const ScaleCase& row = GetParam();
    const QImage frame = rendered(row.scale);
    EXPECT_TRUE(hasColourAt(frame, box.center().x(), box.center().y(), row.drawn));
    // The whole box in device pixels, give or take its anti-aliased rim, and nothing beyond.
    const double devicePixels = box.width() * box.height() * row.scale * row.scale;
    const double rim = 2.0 * (box.width() + box.height()) * row.scale;
    const int drawn = countColour(frame, QRectF(QPointF(), canvas), row.drawn, 8);
    EXPECT_GE(drawn, devicePixels - rim);
    EXPECT_LE(drawn, devicePixels + rim);
}

// A box of 40 x 20 covers 40s x 20s device pixels at scale s.
INSTANTIATE_TEST_SUITE_P(Scales, ImageSourceTest,
                         ::testing::Values(ScaleCase{0.5, green}, ScaleCase{1.0, green},
                                           ScaleCase{1.25, magenta}, ScaleCase{1.5, magenta},
                                           ScaleCase{2.0, magenta}, ScaleCase{3.0, blue},
                                           ScaleCase{4.0, blue}));

// The banner as the scene shows it: at scale 1 its own picture, at scale 2 the double banner,
// each pixel for pixel over the header bar; never a picture enlarged.
struct BannerCase {
    qreal scale;
    Picture source;
};

void PrintTo(const BannerCase& row, std::ostream* out) {
    *out << "scale " << row.scale;
}

class BannerSourceTest : public ::testing::TestWithParam<BannerCase> {};

TEST_P(BannerSourceTest, IsItsSourcePixelForPixelOverTheHeaderBar) {
    const qreal scale = GetParam().scale;
    ShowScene scene;
    const QImage frame = renderScene(scene, scale);
    const QImage source = loadPicture(GetParam().source);
    const QRect banner(QPoint(static_cast<int>(35 * scale), 0), source.size());

    QImage expected(source.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(QColor::fromRgba(headerRed));
    QPainter painter(&expected);
    painter.drawImage(0, 0, source);
    painter.end();
    EXPECT_EQ(frame.copy(banner).convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Scales, BannerSourceTest,
                         ::testing::Values(BannerCase{1.0, Picture::Banner},
                                           BannerCase{2.0, Picture::BannerDouble}));

}  // namespace
}  // namespace pelora
