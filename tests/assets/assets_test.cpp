// The pictures and the font compiled into the program: each loads with the size, the
// transparency and the colour that the scene relies on, and a picture holds exactly the pixels
// of its committed PNG.
#include "assets/assets.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

namespace pelora {
namespace {

enum class Tint { blue, yellow };

// Every picture shows a smiley ball somewhere: the banner ends in one, the others are one.
struct PictureCase {
    const char* name;
    Picture picture;
    const char* png;  // the committed file in assets/
    int width;
    int height;
    QPoint ballCentre;
    Tint ballTint;
};

void PrintTo(const PictureCase& picture, std::ostream* out) {
    *out << picture.png;
}

const PictureCase pictures[] = {
    {"banner", Picture::Banner, "banner.png", 400, 84, {357, 42}, Tint::blue},
    {"bannerDouble", Picture::BannerDouble, "banner_2x.png", 800, 168, {714, 84}, Tint::blue},
    {"blueBall", Picture::BlueBall, "ball_blue.png", 224, 225, {112, 112}, Tint::blue},
    {"yellowBall", Picture::YellowBall, "ball_yellow.png", 224, 225, {112, 112}, Tint::yellow},
    {"icon", Picture::Icon, "icon.png", 256, 256, {128, 122}, Tint::blue},
};

class PictureTest : public ::testing::TestWithParam<PictureCase> {
protected:
    static void SetUpTestSuite() { initAssets(); }

    // As the program reads them.
    static QImage load() { return loadPicture(GetParam().picture); }
};

// The mean colour of a small square around a point, so that one stray pixel of shading cannot
// decide a test.
QColor meanColour(const QImage& image, QPoint centre, int halfSide) {
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;
    int count = 0;
    for (int y = centre.y() - halfSide; y <= centre.y() + halfSide; ++y) {
        for (int x = centre.x() - halfSide; x <= centre.x() + halfSide; ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            alpha += qAlpha(pixel);
            ++count;
        }
    }
    return QColor(red / count, green / count, blue / count, alpha / count);
}

TEST_P(PictureTest, LoadsWithItsExactSizeAsEightBitRgba) {
    const QImage image = load();
    ASSERT_FALSE(image.isNull()) << GetParam().png;
    EXPECT_EQ(image.width(), GetParam().width);
    EXPECT_EQ(image.height(), GetParam().height);
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
}

// The pictures are drawn over the coloured bars and the board: any opaque pixel in a corner would
// show as a box around them.
TEST_P(PictureTest, CornersAreFullyTransparent) {
    const QImage image = load();
    ASSERT_FALSE(image.isNull());
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const QPoint corners[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
    for (const QPoint corner : corners) {
        for (int dy = 0; dy < 3; ++dy) {
            for (int dx = 0; dx < 3; ++dx) {
                const int x = corner.x() == 0 ? dx : corner.x() - dx;
                const int y = corner.y() == 0 ? dy : corner.y() - dy;
                EXPECT_EQ(qAlpha(image.pixel(x, y)), 0) << "at " << x << ", " << y;
            }
        }
    }
}

TEST_P(PictureTest, BallCentreIsOpaqueInTheBallsColour) {
    const QImage image = load();
    ASSERT_FALSE(image.isNull());
    const QColor centre = meanColour(image, GetParam().ballCentre, 3);
    EXPECT_EQ(centre.alpha(), 255);
    if (GetParam().ballTint == Tint::blue) {
        EXPECT_GT(centre.blue(), 180);
        EXPECT_GT(centre.blue(), centre.red() + 100);
        EXPECT_GT(centre.blue(), centre.green() + 60);
    } else {
        EXPECT_GT(centre.red(), 200);
        EXPECT_GT(centre.green(), 120);
        EXPECT_GT(centre.red(), centre.blue() + 120);
        EXPECT_GT(centre.green(), centre.blue() + 80);
    }
}

// The build decodes the committed PNG; the program shows exactly its pixels, from its own bytes.
TEST_P(PictureTest, HoldsThePixelsOfTheCommittedPng) {
    const QImage committed(QStringLiteral(PELORA_ASSETS_DIR "/") +
                           QString::fromLatin1(GetParam().png));
    ASSERT_FALSE(committed.isNull());
    const QImage image = load();
    EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
              committed.convertToFormat(QImage::Format_ARGB32));
}

std::string pictureName(const ::testing::TestParamInfo<PictureCase>& picture) {
    return picture.param.name;
}

INSTANTIATE_TEST_SUITE_P(Embedded, PictureTest, ::testing::ValuesIn(pictures), pictureName);

// The double banner serves scaled screens in place of the banner: the same art with twice the
// pixels, so that scaled down to 400 x 84 it looks like the banner, within the rounding of two
// drawings at different sizes.
TEST(DoubleBanner, ScaledDownIsTheBanner) {
    initAssets();
    const QImage banner = loadPicture(Picture::Banner);
    const QImage reduced =
        loadPicture(Picture::BannerDouble)
            .scaled(banner.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(reduced.size(), banner.size());
    double difference = 0.0;
    for (int y = 0; y < banner.height(); ++y) {
        for (int x = 0; x < banner.width(); ++x) {
            const QRgb a = banner.pixel(x, y);
            const QRgb b = reduced.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
        }
    }
    EXPECT_LT(difference / (banner.width() * banner.height() * 4), 4.0);
}

// The balls ready at the swatches' sizes are exactly what smooth scaling gives at paint time:
// drawing them instead changes no pixel. A cross build's pictures are packed by the building
// machine's tools, whose Qt scales with that processor's vector code (SSE on amd64, where arm64's
// Qt takes NEON paths that round some pixels the other way): there the program shows the
// building machine's pixels, which differ by one step of a channel from its own Qt's here
// and there.
#if PELORA_PICTURES_PACKED_BY_ANOTHER_PROCESSOR
constexpr int scalingSteps = 1;
#else
constexpr int scalingSteps = 0;
#endif

int largestChannelStep(const QImage& one, const QImage& other) {
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    return largest;
}

struct ReadyBallCase {
    const char* name;
    Picture ball;
    int side;
};

void PrintTo(const ReadyBallCase& ready, std::ostream* out) {
    *out << ready.name;
}

class ReadyBallTest : public ::testing::TestWithParam<ReadyBallCase> {};

TEST_P(ReadyBallTest, IsTheBallScaledSmoothlyToItsSize) {
    const ReadyBallCase& ready = GetParam();
    const QImage image = loadReadyBall(ready.ball, ready.side);
    const QImage expected =
        loadPicture(ready.ball)
            .scaled(ready.side, ready.side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), expected.format());
    ASSERT_EQ(image.size(), expected.size());
    EXPECT_LE(largestChannelStep(image, expected), scalingSteps);
}

INSTANTIATE_TEST_SUITE_P(Embedded, ReadyBallTest,
                         ::testing::Values(ReadyBallCase{"blue50", Picture::BlueBall, 50},
                                           ReadyBallCase{"blue100", Picture::BlueBall, 100},
                                           ReadyBallCase{"yellow50", Picture::YellowBall, 50},
                                           ReadyBallCase{"yellow100", Picture::YellowBall, 100}),
                         [](const ::testing::TestParamInfo<ReadyBallCase>& ready) {
                             return std::string(ready.param.name);
                         });

TEST(ReadyBall, NoneAtOtherSizesOrForOtherPictures) {
    EXPECT_TRUE(loadReadyBall(Picture::BlueBall, 75).isNull());
    EXPECT_TRUE(loadReadyBall(Picture::Banner, 50).isNull());
    EXPECT_TRUE(loadReadyBall(Picture::Icon, 100).isNull());
}

TEST(BundledFont, IsEmbeddedAndRegistersAsOpenSansBold) {
    initAssets();
    const QString family = bundledFontFamily();
    EXPECT_EQ(family, QStringLiteral("Open Sans"));
    EXPECT_TRUE(QFontDatabase::families().contains(family));
    EXPECT_TRUE(QFontDatabase::isScalable(family, QStringLiteral("Bold")));

    QFile file(QStringLiteral(":/fonts/OpenSans-Bold.ttf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_GT(file.size(), 50000);
}

TEST(BundledFont, SecondInitialisationKeepsTheSameFamily) {
    initAssets();
    const QString first = bundledFontFamily();
    initAssets();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(bundledFontFamily(), first);
}

}  // namespace
}  // namespace pelora

int main(int argc, char** argv) {
    // The tests need a GUI application for the font database, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    const QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
