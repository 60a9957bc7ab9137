// The source an image node draws at each display scale: the smallest of its picture and the
// larger versions of it that covers the box in device pixels, the largest when none does, and
// always filling the same box. Each source is a solid colour, so a render tells which was drawn.
#include "stage/image_node.h"

#include <gtest/gtest.h>

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

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

// The node alone on a scene in `box`, given its pictures by `dress`, rendered as the window
// paints at a display scale.
QImage rendered(qreal scale, const std::function<void(ImageNode&)>& dress) {
    QGraphicsScene scene(QRectF(QPointF(), canvas));
    auto* node = new ImageNode("Image", nullptr);
    scene.addItem(node);
    node->setPosition(static_cast<float>(box.x()), static_cast<float>(box.y()));
    node->setSize(static_cast<float>(box.width()), static_cast<float>(box.height()));
    dress(*node);
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
    const QImage frame = rendered(row.scale, [](ImageNode& node) {
        // Given out of order: the node orders them.
        node.setPicture(solid(40, 20, green), {solid(120, 60, blue), solid(80, 40, magenta)});
    });
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

// A picture ready at a device size, scaled when the program was built, is drawn as it is where
// the picture covers exactly that size; at any other size the picture is scaled as before. Here
// the ready version is red and the picture green, so a render tells which was drawn.
struct ReadyCase {
    const char* name;
    qreal scale;
    bool pictureSetAgain;
    std::uint32_t drawn;
};

void PrintTo(const ReadyCase& row, std::ostream* out) {
    *out << row.name;
}

class ReadyVersionTest : public ::testing::TestWithParam<ReadyCase> {};

TEST_P(ReadyVersionTest, IsDrawnWhereItsSizeIsTheDeviceSize) {
    constexpr std::uint32_t red = 0xFFC00000U;
    const ReadyCase& row = GetParam();
    const QImage frame = rendered(row.scale, [&row](ImageNode& node) {
        // The picture is twice the box: at scales up to 2 it is scaled down.
        node.setPicture(solid(80, 40, green));
        node.setReadyVersions({solid(40, 20, red), solid(60, 30, red)});
        if (row.pictureSetAgain) {
            node.setPicture(solid(80, 40, green));
        }
    });
    EXPECT_TRUE(hasColourAt(frame, box.center().x(), box.center().y(), row.drawn));
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ReadyVersionTest,
    ::testing::Values(ReadyCase{"Scale1ReadyAt40x20", 1.0, false, 0xFFC00000U},
                      ReadyCase{"Scale1_5ReadyAt60x30", 1.5, false, 0xFFC00000U},
                      ReadyCase{"Scale1_25NoneReady", 1.25, false, green},
                      ReadyCase{"Scale2ThePictureItself", 2.0, false, green},
                      ReadyCase{"PictureSetAgainForgetsThem", 1.0, true, green}),
    [](const ::testing::TestParamInfo<ReadyCase>& row) { return std::string(row.param.name); });

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

// A tall picture is drawn in bands of device rows, so that Qt's painter does not hand one
// stretched draw to its thread pool every frame; the bands must add up to exactly the one draw:
// no row blended twice, none missed. The picture has soft, half-transparent edges, where a band
// drawn twice would show.
struct BandCase {
    const char* name;
    qreal scale;
    QPointF position;
    QSizeF size;
    int pictureSide;
};

void PrintTo(const BandCase& row, std::ostream* out) {
    *out << row.name;
}

QImage softDisc(int side) {
    QImage picture(side, side, QImage::Format_ARGB32);
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double reach = std::hypot(x - centre, y - centre) / centre;
            const int alpha =
                std::clamp(static_cast<int>(std::lround(255.0 * (1.2 - reach))), 0, 255);
            picture.setPixel(x, y, qRgba(20 + x % 200, 90, 200 - y % 150, alpha));
        }
    }
    return picture;
}

QImage canvasFor(const BandCase& row) {
    const QSize pixels(
        static_cast<int>(std::ceil((row.position.x() + row.size.width() + 4) * row.scale)),
        static_cast<int>(std::ceil((row.position.y() + row.size.height() + 4) * row.scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(240, 250, 230));
    return image;
}

class ImageBandsTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(ImageBandsTest, PaintsExactlyWhatOneDrawPaints) {
    const BandCase& row = GetParam();
    ImageNode node("Image", nullptr);
    node.setPicture(softDisc(row.pictureSide));
    node.setSize(static_cast<float>(row.size.width()), static_cast<float>(row.size.height()));

    QImage banded = canvasFor(row);
    {
        QPainter painter(&banded);
        painter.setRenderHints(sceneRenderHints);
        painter.scale(row.scale, row.scale);
        painter.translate(row.position);
        node.paint(&painter, nullptr, nullptr);
    }
    // The same picture the node draws (scaled once to the device when it is larger), in one call.
    QImage whole = canvasFor(row);
    {
        QPainter painter(&whole);
        painter.setRenderHints(sceneRenderHints);
        painter.scale(row.scale, row.scale);
        painter.translate(row.position);
        const QRectF target = node.pictureRect();
        const QSize device = (target.size() * row.scale).toSize();
        QImage source = node.picture();
        if (device.width() < source.width()) {
            source = source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, source);
    }
    EXPECT_EQ(banded, whole);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, ImageBandsTest,
    ::testing::Values(BandCase{"flying_ball_scale_1", 1.0, {183.37, 595.81}, {84.0, 84.0}, 84},
                      BandCase{"flying_ball_scale_2", 2.0, {201.19, 594.43}, {84.0, 84.0}, 224},
                      BandCase{"flying_ball_scale_1_5", 1.5, {12.6, 7.3}, {84.0, 84.0}, 224},
                      BandCase{"small_ball_one_band", 1.0, {3.5, 2.25}, {12.0, 12.0}, 50},
                      BandCase{"large_box_many_bands", 1.0, {4.0, 3.7}, {200.0, 200.0}, 224},
                      BandCase{"whole_pixels", 1.0, {10.0, 20.0}, {64.0, 64.0}, 64}),
    [](const ::testing::TestParamInfo<BandCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace pelora
