// Draws the show's pictures (the banner at its size and at twice its size, the blue and the yellow
// smiley ball, the program icon) and writes them as PNG files. Run by hand when the art changes;
// its output is committed in assets/. Everything is drawn from code with no randomness, so a run
// always gives the same files.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRawFont>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cstdio>
#include <vector>

#ifndef PELORA_FONT_FILE
#define PELORA_FONT_FILE ""
#endif

namespace {

// The colours of one ball: the body from its lit side to its shaded rim, and the ink of its face.
struct BallColours {
    QColor light;
    QColor base;
    QColor shade;
    QColor rim;
    QColor ink;
};

const BallColours blueBall{QColor(0x8f, 0xc2, 0xff), QColor(0x06, 0x66, 0xff),
                           QColor(0x03, 0x45, 0xc4), QColor(0x02, 0x25, 0x78),
                           QColor(0x06, 0x16, 0x40)};
const BallColours yellowBall{QColor(0xff, 0xf3, 0xa8), QColor(0xff, 0xc4, 0x12),
                             QColor(0xf0, 0x98, 0x00), QColor(0xb0, 0x5a, 0x00),
                             QColor(0x4a, 0x22, 0x00)};

const QColor mouthColour(0x4a, 0x08, 0x14);
const QColor tongueColour(0xf0, 0x5a, 0x70);
const QColor toothShade(0xd4, 0xdb, 0xe8);

QImage transparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// One pass of a box blur along rows or columns of premultiplied pixels, four floats per pixel.
// Outside the image is transparent, so shadows fade out at the borders.
void boxBlurPass(std::vector<float>& pixels, int width, int height, int radius, bool alongRows) {
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    const auto index = [&](int line, int i) {
        return static_cast<std::size_t>(alongRows ? line * width + i : i * width + line) * 4U;
    };
    const float scale = 1.0F / static_cast<float>(2 * radius + 1);
    std::vector<float> line(static_cast<std::size_t>(length) * 4U);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < length; ++i) {
            for (std::size_t c = 0; c < 4; ++c) {
                float sum = 0.0F;
                for (int k = i - radius; k <= i + radius; ++k) {
                    if (k >= 0 && k < length) {
                        sum += pixels[index(l, k) + c];
                    }
                }
                line[static_cast<std::size_t>(i) * 4U + c] = sum * scale;
            }
        }
        for (int i = 0; i < length; ++i) {
            for (std::size_t c = 0; c < 4; ++c) {
                pixels[index(l, i) + c] = line[static_cast<std::size_t>(i) * 4U + c];
            }
        }
    }
}

// Three box blurs each way: close enough to a Gaussian for a soft shadow.
QImage blurred(const QImage& source, int radius) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    std::vector<float> pixels(static_cast<std::size_t>(width * height) * 4U);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * width + x) * 4U;
            pixels[at] = static_cast<float>(qAlpha(row[x]));
            pixels[at + 1] = static_cast<float>(qRed(row[x]));
            pixels[at + 2] = static_cast<float>(qGreen(row[x]));
            pixels[at + 3] = static_cast<float>(qBlue(row[x]));
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurPass(pixels, width, height, radius, true);
        boxBlurPass(pixels, width, height, radius, false);
    }
    QImage result = transparentImage(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * width + x) * 4U;
            const auto channel = [&](std::size_t c) {
                return qBound(0, qRound(pixels[at + c]), 255);
            };
            row[x] = qRgba(channel(1), channel(2), channel(3), channel(0));
        }
    }
    return result;
}

// A soft shadow of a shape, as big as the picture it falls in.
QImage softShadow(const QPainterPath& shape, QSize size, const QColor& colour, int radius) {
    QImage image = transparentImage(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, colour);
    painter.end();
    return blurred(image, radius);
}

// A soft shadow cast on a picture drawn `scale` times larger than its design: the shape, the
// offset and the blur grow with it, and the shadow is made at the picture's own pixels.
void castShadow(QPainter& painter, const QPainterPath& shape, QPoint offset, const QColor& colour,
                int radius, int scale) {
    const QSize size(painter.device()->width(), painter.device()->height());
    const QImage shadow =
        softShadow(QTransform::fromScale(scale, scale).map(shape), size, colour, radius * scale);
    painter.save();
    painter.resetTransform();
    painter.drawImage(offset * scale, shadow);
    painter.restore();
}

// The ball is drawn in unit coordinates: centre at the origin, radius 1, y downwards.
void drawBallBody(QPainter& painter, const BallColours& colours) {
    QRadialGradient body(QPointF(-0.32, -0.42), 1.55, QPointF(-0.38, -0.5));
    body.setColorAt(0.0, colours.light);
    body.setColorAt(0.38, colours.base);
    body.setColorAt(0.78, colours.shade);
    body.setColorAt(1.0, colours.rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);

    // Light thrown back from below lifts the lower rim, as on a glossy ball.
    QRadialGradient bounce(QPointF(0.3, 0.98), 0.6);
    QColor bounceLight = colours.light;
    bounceLight.setAlphaF(0.3F);
    bounce.setColorAt(0.0, bounceLight);
    bounce.setColorAt(1.0, Qt::transparent);
    painter.setBrush(bounce);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
}

void drawEye(QPainter& painter, const BallColours& colours, QPointF centre, qreal lookX) {
    QLinearGradient white(centre + QPointF(0, -0.26), centre + QPointF(0, 0.26));
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(0.7, Qt::white);
    white.setColorAt(1.0, QColor(0xd8, 0xe2, 0xf2));
    painter.setPen(QPen(colours.ink, 0.045));
    painter.setBrush(white);
    painter.drawEllipse(centre, 0.175, 0.25);

    const QPointF pupil = centre + QPointF(lookX, 0.05);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ink);
    painter.drawEllipse(pupil, 0.105, 0.125);
    painter.setBrush(Qt::white);
    painter.drawEllipse(pupil + QPointF(-0.035, -0.05), 0.04, 0.04);
}

void drawEyes(QPainter& painter, const BallColours& colours) {
    drawEye(painter, colours, QPointF(-0.29, -0.24), 0.04);
    drawEye(painter, colours, QPointF(0.29, -0.24), -0.04);
}

// The grin's outline: a gently curved upper lip and a deep round lower lip.
QPainterPath grinPath() {
    QPainterPath path;
    path.moveTo(-0.62, 0.1);
    path.cubicTo(-0.3, 0.25, 0.3, 0.25, 0.62, 0.1);
    path.cubicTo(0.6, 0.52, 0.3, 0.74, 0.0, 0.74);
    path.cubicTo(-0.3, 0.74, -0.6, 0.52, -0.62, 0.1);
    path.closeSubpath();
    return path;
}

// The upper row of teeth: a band under the upper lip, cut to the mouth.
QPainterPath teethPath(const QPainterPath& mouth) {
    const qreal depth = 0.17;
    QPainterPath band;
    band.moveTo(-0.8, 0.0);
    band.lineTo(0.8, 0.0);
    band.lineTo(0.8, 0.1 + depth);
    band.cubicTo(0.3, 0.25 + depth, -0.3, 0.25 + depth, -0.8, 0.1 + depth);
    band.closeSubpath();
    return mouth.intersected(band);
}

void drawTeeth(QPainter& painter, const QPainterPath& mouth) {
    const QPainterPath teeth = teethPath(mouth);
    QLinearGradient enamel(QPointF(0, 0.12), QPointF(0, 0.42));
    enamel.setColorAt(0.0, Qt::white);
    enamel.setColorAt(1.0, QColor(0xe4, 0xe9, 0xf2));
    painter.fillPath(teeth, enamel);

    painter.save();
    painter.setClipPath(teeth);
    painter.setPen(QPen(toothShade, 0.022));
    for (int tooth = -3; tooth <= 3; ++tooth) {
        const qreal x = 0.155 * tooth;
        painter.drawLine(QPointF(x * 1.04, 0.0), QPointF(x, 0.5));
    }
    painter.restore();
}

void drawGrin(QPainter& painter, const BallColours& colours) {
    const QPainterPath mouth = grinPath();
    QRadialGradient inside(QPointF(0, 0.5), 0.6);
    inside.setColorAt(0.0, mouthColour.lighter(140));
    inside.setColorAt(1.0, mouthColour);
    painter.fillPath(mouth, inside);

    painter.save();
    painter.setClipPath(mouth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tongueColour);
    painter.drawEllipse(QPointF(0.02, 0.78), 0.34, 0.2);
    painter.restore();

    drawTeeth(painter, mouth);

    QPen lips(colours.ink, 0.05);
    lips.setJoinStyle(Qt::RoundJoin);
    painter.setPen(lips);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);

    // Dimples at the corners of the mouth push the cheeks up into a grin.
    QPen dimple(colours.ink, 0.04);
    dimple.setCapStyle(Qt::RoundCap);
    painter.setPen(dimple);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath curve;
        curve.moveTo(side * 0.7, 0.02);
        curve.quadTo(side * 0.64, 0.1, side * 0.68, 0.2);
        painter.drawPath(curve);
    }
}

// The specular highlight: the window light mirrored in the ball's varnish, top left, bright at
// its core and fading out towards the face.
void drawGloss(QPainter& painter) {
    painter.save();
    painter.translate(-0.5, -0.6);
    painter.rotate(-42.0);
    painter.scale(1.0, 0.46);
    QRadialGradient gloss(QPointF(0, -0.06), 0.38);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 250));
    gloss.setColorAt(0.45, QColor(255, 255, 255, 190));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(QPointF(0, 0), 0.38, 0.38);
    painter.restore();
}

// A tilted face turns with the ball; the light and so the shading and the gloss stay put.
void drawBall(QPainter& painter, QPointF centre, qreal radius, const BallColours& colours,
              qreal faceTiltDegrees = 0.0) {
    painter.save();
    painter.translate(centre);
    painter.scale(radius, radius);
    drawBallBody(painter, colours);
    painter.save();
    painter.rotate(faceTiltDegrees);
    drawEyes(painter, colours);
    drawGrin(painter, colours);
    painter.restore();
    drawGloss(painter);
    painter.restore();
}

QImage ballPicture(const BallColours& colours) {
    QImage image = transparentImage(224, 225);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBall(painter, QPointF(112.0, 112.5), 110.0, colours);
    painter.end();
    return image;
}

QImage iconPicture() {
    const QSize size(256, 256);
    QImage image = transparentImage(size.width(), size.height());
    QPainterPath floor;
    floor.addEllipse(QPointF(128.0, 240.0), 84.0, 9.0);
    const QImage shadow = softShadow(floor, size, QColor(0, 0, 0, 110), 4);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, shadow);
    drawBall(painter, QPointF(128.0, 122.0), 118.0, blueBall);
    painter.end();
    return image;
}

// The yellow swoosh: a brush stroke that starts as a thin tail at the left, swells under the name
// and runs into the ball at the right.
QPainterPath swooshPath() {
    QPainterPath path;
    path.moveTo(2.0, 66.0);
    path.cubicTo(20.0, 28.0, 70.0, 10.0, 170.0, 8.0);
    path.cubicTo(250.0, 6.0, 310.0, 8.0, 352.0, 12.0);
    path.lineTo(352.0, 68.0);
    path.cubicTo(280.0, 73.0, 180.0, 75.0, 110.0, 73.0);
    path.cubicTo(60.0, 72.0, 25.0, 70.0, 2.0, 66.0);
    path.closeSubpath();
    return path;
}

// The product name as outlines taken straight from the font file, so that no other font on the
// machine can stand in for it.
QPainterPath namePath(const QRawFont& font, const QRectF& box) {
    const qreal letterSpacing = 2.0;
    const QList<quint32> glyphs = font.glyphIndexesForString(QStringLiteral("PELORA"));
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath path;
    QPointF origin(0.0, 0.0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs.at(i)).translated(origin));
        origin += advances.at(i) + QPointF(letterSpacing, 0.0);
    }
    const QRectF bounds = path.boundingRect();
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.shear(-0.12, 0.0);
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

// A thin orange stroke under the swoosh, thickest in the middle, for a sense of speed.
QPainterPath underStrokePath() {
    QPainterPath path;
    path.moveTo(18.0, 74.0);
    path.cubicTo(110.0, 79.0, 250.0, 79.0, 338.0, 74.0);
    path.cubicTo(250.0, 84.0, 110.0, 84.0, 18.0, 74.0);
    path.closeSubpath();
    return path;
}

void drawSwoosh(QPainter& painter, const QPainterPath& swoosh) {
    QLinearGradient paint(QPointF(0, 8), QPointF(0, 78));
    paint.setColorAt(0.0, QColor(0xff, 0xec, 0x7a));
    paint.setColorAt(0.45, QColor(0xff, 0xc4, 0x12));
    paint.setColorAt(1.0, QColor(0xf2, 0x8c, 0x00));
    painter.fillPath(swoosh, paint);

    QPen edge(QColor(0xff, 0xf8, 0xc8), 1.6);
    painter.setPen(edge);
    QPainterPath topEdge;
    topEdge.moveTo(8.0, 58.0);
    topEdge.cubicTo(26.0, 30.0, 72.0, 12.0, 170.0, 10.0);
    topEdge.cubicTo(250.0, 8.0, 310.0, 10.0, 352.0, 14.0);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(topEdge);
}

void drawName(QPainter& painter, const QPainterPath& name) {
    QPen outline(QColor(0x06, 0x16, 0x40), 3.0);
    outline.setJoinStyle(Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(name);

    const QRectF bounds = name.boundingRect();
    QLinearGradient ink(bounds.topLeft(), bounds.bottomLeft());
    ink.setColorAt(0.0, QColor(0x4a, 0x9a, 0xff));
    ink.setColorAt(0.5, QColor(0x06, 0x66, 0xff));
    ink.setColorAt(1.0, QColor(0x03, 0x3f, 0xb8));
    painter.fillPath(name, ink);

    // A sheen on the upper half of the letters, as if they were cut from the same glossy stuff
    // as the ball.
    QRectF upperHalf = bounds;
    upperHalf.setHeight(bounds.height() * 0.48);
    QLinearGradient sheen(upperHalf.topLeft(), upperHalf.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 120));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 30));
    painter.save();
    painter.setClipPath(name);
    painter.fillRect(upperHalf, sheen);
    painter.restore();
}

// The banner is designed at 400 x 84; `scale` draws it that many times larger, with the same
// shapes, for screens whose scale would otherwise enlarge it.
QImage bannerPicture(const QRawFont& font, int scale) {
    QImage image = transparentImage(400 * scale, 84 * scale);
    const QPainterPath swoosh = swooshPath();
    const QPainterPath name = namePath(font, QRectF(34.0, 17.0, 270.0, 46.0));
    QPainterPath ballShape;
    ballShape.addEllipse(QPointF(357.0, 42.0), 38.0, 38.0);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    castShadow(painter, swoosh, QPoint(0, 2), QColor(0x30, 0x00, 0x00, 150), 2, scale);
    drawSwoosh(painter, swoosh);
    painter.fillPath(underStrokePath(), QColor(0xff, 0x8a, 0x00));
    castShadow(painter, name, QPoint(2, 2), QColor(0x60, 0x30, 0x00, 120), 1, scale);
    drawName(painter, name);
    castShadow(painter, ballShape, QPoint(0, 2), QColor(0x30, 0x00, 0x00, 150), 2, scale);
    drawBall(painter, QPointF(357.0, 42.0), 38.0, blueBall, 12.0);
    painter.end();
    return image;
}

bool save(const QImage& image, const QDir& folder, const char* fileName) {
    const QString path = folder.filePath(QString::fromLatin1(fileName));
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: draw_pictures <output folder> [<font file>]\n");
        return 2;
    }
    const QString fontFile =
        arguments.size() == 3 ? arguments.at(2) : QString::fromUtf8(PELORA_FONT_FILE);
    const QRawFont font(fontFile, 100.0, QFont::PreferNoHinting);
    if (!font.isValid()) {
        std::fprintf(stderr, "draw_pictures: cannot load the font %s\n", qPrintable(fontFile));
        return 1;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_pictures: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    const bool written = save(bannerPicture(font, 1), folder, "banner.png") &&
                         save(bannerPicture(font, 2), folder, "banner_2x.png") &&
                         save(ballPicture(blueBall), folder, "ball_blue.png") &&
                         save(ballPicture(yellowBall), folder, "ball_yellow.png") &&
                         save(iconPicture(), folder, "icon.png");
    return written ? 0 : 1;
}
