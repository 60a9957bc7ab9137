// The show on screens scaled as desktops scale them, through Xft.dpi (120, 144 and 192 for the
// scales 1.25, 1.5 and 2): the client area is 1095 x 684 logical pixels in device pixels, the
// board's edges are where the layout puts them, no text wraps or is cut, and the banner is drawn
// from a source at least as large as it shows, not enlarged.
#include <QPainter>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/show_layout.h"
#include "e2e/text_reading.h"

namespace pelora::e2e {
namespace {

template <int XftDpi>
struct Dpi {
    static constexpr int xftDpi = XftDpi;
    static constexpr double scale = XftDpi / 96.0;
};

class DpiNames {
public:
    template <typename Scale>
    static std::string GetName(int /*index*/) {
        return "Dpi" + std::to_string(Scale::xftDpi);
    }
};

// Room for the largest window, 2190 x 1368 at scale 2, with its frame.
constexpr QSize scaledScreen{2560, 1600};
// From the start to a board at rest after the first landing: a flight of up to 3 s, a spin of 3 s,
// and one more ball should a busy machine miss the first rest.
constexpr auto stillBoardTimeout = std::chrono::seconds(30);
constexpr auto snapshotPeriod = std::chrono::milliseconds(100);
constexpr double headingSize = 36.0;
constexpr double statusSize = 24.0;
constexpr double tileNumberSize = 48.0;
// The ink of one line of bold text stays within this many times the font size; two lines reach
// about twice it.
constexpr double oneLineHeight = 1.25;
constexpr int tileInset = 10;  // clear of the tile's 4-pixel stroke and its rounded corners
// The banner drawn from a large enough source differs from the ideal by rounding only; enlarged
// from a smaller one it is off by several levels on average and its edges are much flatter.
constexpr double mostMeanDifference = 1.0;
constexpr double leastEdgeShare = 0.9;

// Qt multiplies the logical size by the scale and rounds each side to the nearest integer,
// halves up: 1642.5 is 1643.
QSize deviceSize(QSizeF logical, double scale) {
    return {static_cast<int>(std::lround(logical.width() * scale)),
            static_cast<int>(std::lround(logical.height() * scale))};
}

// The logical rectangle on the device, whole pixels that it touches.
QRect onDevice(const QRectF& logical, double scale) {
    return QRectF(logical.topLeft() * scale, logical.size() * scale).toAlignedRect();
}

// The window manager draws the frame in device pixels; the program's outer rectangle is the
// client area with that frame, each edge divided by the scale and rounded up, so that its size
// may depend on where the window stands.
QSize logicalOuterSize(const QRect& deviceClient, const FrameExtents& frame, double scale) {
    const auto up = [scale](int edge) { return static_cast<int>(std::ceil(edge / scale)); };
    const int left = deviceClient.left() - frame.left;
    const int top = deviceClient.top() - frame.top;
    const int right = deviceClient.left() + deviceClient.width() + frame.right;
    const int bottom = deviceClient.top() + deviceClient.height() + frame.bottom;
    return {up(right) - up(left), up(bottom) - up(top)};
}

bool isBoardBlue(std::uint32_t argb) {
    return argb == colour::blue;
}

bool isNotWhite(std::uint32_t argb) {
    return (argb | 0xFF000000U) != colour::white;
}

// The smallest rectangle that holds every pixel of the area that satisfies the predicate.
QRect inkBounds(const QImage& client, const QRect& area,
                const std::function<bool(std::uint32_t)>& isInk) {
    QRect bounds;
    const QRect inside = area.intersected(client.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (isInk(client.pixel(x, y) | 0xFF000000U)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// How steep the picture's edges are: the mean squared step between neighbouring pixels.
double edgeEnergy(const QImage& image, const QRect& area) {
    const auto step = [](QRgb a, QRgb b) {
        const double red = qRed(a) - qRed(b);
        const double green = qGreen(a) - qGreen(b);
        const double blue = qBlue(a) - qBlue(b);
        return red * red + green * green + blue * blue;
    };
    double sum = 0.0;
    int steps = 0;
    for (int y = area.top(); y < area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            sum += step(image.pixel(x, y), image.pixel(x + 1, y)) +
                   step(image.pixel(x, y), image.pixel(x, y + 1));
            steps += 2;
        }
    }
    return steps == 0 ? 0.0 : sum / steps;
}

// The mean difference per channel between the picture and the part of the client at `at`.
double meanDifference(const QImage& client, QPoint at, const QImage& picture) {
    double sum = 0.0;
    int channels = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint point = at + QPoint(x, y);
            if (!client.valid(point)) {
                return 255.0;
            }
            const QRgb a = client.pixel(point);
            const QRgb b = picture.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
            channels += 3;
        }
    }
    return sum / channels;
}

// The committed banner picture scaled smoothly to the size it covers on the device, over the
// header bar's red: what a sharp banner looks like when `file` is its source.
QImage bannerFrom(const char* file, QSize devicePixels) {
    const QImage source(QStringLiteral(PELORA_ASSETS_DIR "/") + QString::fromLatin1(file));
    QImage shown(devicePixels, QImage::Format_RGB32);
    shown.fill(QColor::fromRgba(colour::headerRed));
    QPainter painter(&shown);
    painter.drawImage(0, 0,
                      source.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return shown;
}

// How far a banner on screen (or a stand-in for one) is from the ideal one.
struct BannerLook {
    double meanDifference;  // per channel, at the best of the positions one pixel around
    double edgeShare;       // its edge energy over the ideal's
};

BannerLook compareBanner(const QImage& client, QPoint expectedAt, const QImage& ideal) {
    const QRect inner = ideal.rect().adjusted(1, 1, -1, -1);
    const QImage idealInner = ideal.copy(inner);
    BannerLook look{255.0, 0.0};
    QPoint bestAt = expectedAt;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint at = expectedAt + QPoint(dx, dy) + inner.topLeft();
            const double difference = meanDifference(client, at, idealInner);
            if (difference < look.meanDifference) {
                look.meanDifference = difference;
                bestAt = at;
            }
        }
    }
    look.edgeShare =
        edgeEnergy(client, QRect(bestAt, inner.size())) / edgeEnergy(idealInner, idealInner.rect());
    return look;
}

// The tiles' numbers alone, black on white: dark digits on white tiles, light digits on tiles
// that a ball has turned blue.
QImage tileInk(const QImage& client, QPointF boardOrigin, double scale) {
    QImage ink(client.size(), QImage::Format_RGB32);
    ink.fill(Qt::white);
    for (int number = 1; number <= tileCount; ++number) {
        const QRectF tile = tileBox(boardOrigin, number);
        const QPoint fillPoint = ((tile.topLeft() + QPointF(tileInset + 2, 50)) * scale).toPoint();
        const bool blue = (client.pixel(fillPoint) | 0xFF000000U) == colour::blue;
        const QRect inside =
            onDevice(tile.adjusted(tileInset, tileInset, -tileInset, -tileInset), scale);
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const std::uint32_t pixel = client.pixel(x, y) | 0xFF000000U;
                if (blue ? isLight(pixel) : isDark(pixel)) {
                    ink.setPixel(x, y, 0xFF000000U);
                }
            }
        }
    }
    return ink;
}

template <typename Scale>
class ScaleE2E : public ::testing::Test, public DisplaySuite {
public:
    // One run of the program at the scale gives what every test of the suite looks at.
    static void SetUpTestSuite() {
        problem_.clear();
        std::unique_ptr<XSession> session;
        try {
            session = std::make_unique<XSession>(scaledScreen);
        } catch (const std::runtime_error& error) {
            problem_ = error.what();
            return;
        }
        if (!session->setXftDpi(Scale::xftDpi)) {
            problem_ = "Xft.dpi could not be set";
            return;
        }
        const auto show = startShowOn(*session);
        if (!show) {
            problem_ = "the program did not show its window";
            return;
        }
        client_ = clientRectangle(*session, show->window());
        sizeHints_ = property(*session, show->window(), QStringLiteral("WM_NORMAL_HINTS"));
        frame_ = show->frame();
        still_ = stillBoardAfterLanding(*show);
        if (still_.isNull()) {
            problem_ = "the board never came to rest after a landing";
            return;
        }
        keepForLooking(still_, "scale-" + QString::number(scale).toStdString());
    }
    static void TearDownTestSuite() { still_ = QImage(); }

protected:
    static constexpr double scale = Scale::scale;

    void SetUp() override { ASSERT_TRUE(problem_.empty()) << problem_; }

    static QSize client() { return deviceSize(QSizeF(box::client), scale); }
    // The board's top-left corner in logical pixels, from the client area and the frame in
    // device pixels.
    static QPointF logicalBoardOrigin(const QRect& deviceClient = client_.value_or(QRect()),
                                      const FrameExtents& frame = frame_) {
        const QSize outer = logicalOuterSize(deviceClient, frame, scale);
        return {outer.width() / 2.0 - box::board.width() / 2.0,
                outer.height() / 2.0 - box::board.height() / 2.0};
    }

    // The board at rest: a ball has landed, its tile has stopped spinning and the next ball has
    // not left yet, so two snapshots in a row show the same board, with a blue tile on it.
    static QImage stillBoardAfterLanding(const ShowProgram& show) {
        const QRect board = onDevice(QRectF(logicalBoardOrigin(), box::board), scale);
        const int blueTile = static_cast<int>(50 * 50 * scale * scale);
        QImage previous;
        const auto deadline = Clock::now() + stillBoardTimeout;
        while (Clock::now() < deadline) {
            QImage now = show.snap().client;
            if (!now.isNull() && now.size() == previous.size() &&
                countPixels(now, board, isBoardBlue) > blueTile &&
                now.copy(board) == previous.copy(board)) {
                return now;
            }
            previous = std::move(now);
            std::this_thread::sleep_for(snapshotPeriod);
        }
        return {};
    }

    static inline std::string problem_;
    static inline std::optional<QRect> client_;
    static inline QString sizeHints_;
    static inline FrameExtents frame_;
    static inline QImage still_;
};

using Scales = ::testing::Types<Dpi<120>, Dpi<144>, Dpi<192>>;
TYPED_TEST_SUITE(ScaleE2E, Scales, DpiNames);

TYPED_TEST(ScaleE2E, ClientAreaIsTheLogicalSizeInDevicePixels) {
    const QSize expected = TestFixture::client();
    ASSERT_TRUE(TestFixture::client_.has_value());
    EXPECT_EQ(TestFixture::client_->size(), expected);
    EXPECT_EQ(TestFixture::still_.size(), expected);
    const QString fixed = QStringLiteral("%1 by %2").arg(expected.width()).arg(expected.height());
    const std::string hints = TestFixture::sizeHints_.toStdString();
    EXPECT_TRUE(TestFixture::sizeHints_.contains(QStringLiteral("minimum size: ") + fixed))
        << hints;
    EXPECT_TRUE(TestFixture::sizeHints_.contains(QStringLiteral("maximum size: ") + fixed))
        << hints;
}

TYPED_TEST(ScaleE2E, BoardEdgesAreWhereTheLayoutPutsThem) {
    const double s = TestFixture::scale;
    const QImage& frame = TestFixture::still_;
    const QPointF corner = TestFixture::logicalBoardOrigin() * s;
    const QPointF far = corner + QPointF(box::board.width(), box::board.height()) * s;
    // An anti-aliased edge starts in the pixel that holds it, whole or in part.
    const int row = static_cast<int>(corner.y() + 260 * s);
    int left = 0;
    while (left < frame.width() && !isNotWhite(frame.pixel(left, row))) {
        ++left;
    }
    int right = frame.width() - 1;
    while (right > 0 && !isNotWhite(frame.pixel(right, row))) {
        --right;
    }
    const int column = static_cast<int>(corner.x() + 520 * s);
    int top = static_cast<int>(std::ceil(box::header.height() * s)) + 1;
    while (top < frame.height() && !isNotWhite(frame.pixel(column, top))) {
        ++top;
    }
    int bottom = static_cast<int>(box::footer.top() * s) - 1;
    while (bottom > 0 && !isNotWhite(frame.pixel(column, bottom))) {
        --bottom;
    }
    EXPECT_EQ(left, static_cast<int>(std::floor(corner.x()))) << "left edge at " << corner.x();
    EXPECT_EQ(top, static_cast<int>(std::floor(corner.y()))) << "top edge at " << corner.y();
    EXPECT_EQ(right, static_cast<int>(std::ceil(far.x())) - 1) << "right edge at " << far.x();
    EXPECT_EQ(bottom, static_cast<int>(std::ceil(far.y())) - 1) << "bottom edge at " << far.y();
    for (const QPointF inside :
         {QPointF(10, 260), QPointF(1031, 260), QPointF(520, 12), QPointF(520, 508)}) {
        const QPoint at = (corner + inside * s).toPoint();
        EXPECT_EQ(frame.pixel(at) | 0xFF000000U, colour::boardGrey)
            << "board fill at " << at.x() << ", " << at.y();
    }
}

TYPED_TEST(ScaleE2E, HeaderReadsLesSevenNumerosBleusWholeOnOneLine) {
    const double s = TestFixture::scale;
    QImage frame = TestFixture::still_;
    // The indicator's white stroke is no letter: it is painted over in the bar's red, its "7"
    // left as it is.
    const QRectF stroke(box::indicator);
    QPainter painter(&frame);
    painter.setPen(QPen(QColor::fromRgba(colour::headerRed), 8.0 * s));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(stroke.topLeft() * s, stroke.size() * s));
    painter.end();

    // Above the bar's white bottom stroke.
    const QRect line = onDevice(QRectF(650, 0, box::client.width() - 650, 83), s);
    const QRect ink = inkBounds(frame, line, isLight);
    ASSERT_FALSE(ink.isEmpty()) << "no white text in the header";
    EXPECT_LE(ink.height(), oneLineHeight * headingSize * s) << "more than one line";
    EXPECT_GT(ink.top(), line.top()) << "the text reaches the top of the window";
    EXPECT_LE(ink.right(), (box::heading.right() + 1) * s) << "the text overflows its box";
    const QString read = readTextLine(frame, line, isLight);
    EXPECT_EQ(read, QStringLiteral("Les 7 numéros bleus")) << read.toStdString();
}

TYPED_TEST(ScaleE2E, FooterReadsTheDrawInProgressWholeOnOneLine) {
    const double s = TestFixture::scale;
    const QImage& frame = TestFixture::still_;
    const QRect line = onDevice(QRectF(box::statusLabel).adjusted(0, 1, 0, 0), s);
    const QRect ink = inkBounds(frame, line, isLight);
    ASSERT_FALSE(ink.isEmpty()) << "no white status text";
    EXPECT_LE(ink.height(), oneLineHeight * statusSize * s) << "more than one line";
    EXPECT_GT(ink.left(), line.left());
    EXPECT_LT(ink.right(), line.right());
    EXPECT_LT(ink.bottom(), frame.height() - 1) << "the text reaches the bottom of the window";
    const QString read = readTextLine(frame, line, isLight);
    EXPECT_TRUE(read.startsWith(QStringLiteral("Tirage en cours N"))) << read.toStdString();
    EXPECT_TRUE(read.endsWith(QStringLiteral("1"))) << read.toStdString();
}

TYPED_TEST(ScaleE2E, TileNumbersAreWholeOnOneLine) {
    const double s = TestFixture::scale;
    const QPointF origin = TestFixture::logicalBoardOrigin();
    const QImage ink = tileInk(TestFixture::still_, origin, s);
    const auto isInk = [](std::uint32_t argb) { return argb == 0xFF000000U; };
    for (int number = 1; number <= tileCount; ++number) {
        const QRectF tile = tileBox(origin, number);
        const QRect inside =
            onDevice(tile.adjusted(tileInset, tileInset, -tileInset, -tileInset), s);
        const QRect digits = inkBounds(ink, inside, isInk);
        ASSERT_FALSE(digits.isEmpty()) << "no number on tile " << number;
        EXPECT_LE(digits.height(), oneLineHeight * tileNumberSize * s)
            << "tile " << number << ": more than one line";
        EXPECT_TRUE(inside.adjusted(1, 1, -1, -1).contains(digits))
            << "tile " << number << ": the number reaches the tile's edge";
    }
    // Digits of 96 device pixels misread; at their logical size they read well.
    const QImage logicalInk =
        ink.scaled(box::client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const auto isMostlyInk = [](std::uint32_t argb) { return qGray(argb) < 128; };
    for (int row = 0; row < 4; ++row) {
        const QRectF first = tileBox(origin, 7 * row + 1);
        const QRectF last = tileBox(origin, 7 * row + 7);
        QStringList expected;
        for (int number = 7 * row + 1; number <= 7 * row + 7; ++number) {
            expected << QString::number(number);
        }
        const QString read = readTextLine(logicalInk, first.united(last).toRect(), isMostlyInk);
        EXPECT_EQ(read.toStdString(), expected.join(u' ').toStdString()) << "row " << row + 1;
    }
}

TYPED_TEST(ScaleE2E, BannerIsDrawnFromASourceAtLeastAsLargeAsItShows) {
    const double s = TestFixture::scale;
    const QSize shown = deviceSize(QSizeF(400, 84), s);
    const QPoint at(static_cast<int>(std::lround(35 * s)), 0);
    const QImage ideal = bannerFrom("banner_2x.png", shown);
    const BannerLook onScreen = compareBanner(TestFixture::still_, at, ideal);
    EXPECT_LE(onScreen.meanDifference, mostMeanDifference);
    EXPECT_GE(onScreen.edgeShare, leastEdgeShare);

    // The check tells a blurred banner: the 400 x 84 picture enlarged fails it.
    QImage enlarged = TestFixture::still_;
    QPainter painter(&enlarged);
    painter.drawImage(at, bannerFrom("banner.png", shown));
    painter.end();
    const BannerLook blurred = compareBanner(enlarged, at, ideal);
    EXPECT_GT(blurred.meanDifference, mostMeanDifference);
    EXPECT_LT(blurred.edgeShare, leastEdgeShare);
    this->RecordProperty("banner_mean_difference", std::to_string(onScreen.meanDifference));
    this->RecordProperty("banner_edge_share", std::to_string(onScreen.edgeShare));
    this->RecordProperty("enlarged_banner_edge_share", std::to_string(blurred.edgeShare));
}

}  // namespace
}  // namespace pelora::e2e
