#include "e2e/show_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelora::e2e {
namespace {

constexpr int ringPoints = 48;
constexpr double ringRadius = 40.0;
constexpr double ringShareNeeded = 0.6;

int red(std::uint32_t argb) {
    return static_cast<int>((argb >> 16) & 0xFFU);
}
int green(std::uint32_t argb) {
    return static_cast<int>((argb >> 8) & 0xFFU);
}
int blueOf(std::uint32_t argb) {
    return static_cast<int>(argb & 0xFFU);
}

double ringShare(const QImage& client, QPointF centre, std::uint32_t argb) {
    int matching = 0;
    for (int i = 0; i < ringPoints; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / ringPoints;
        const QPoint point =
            (centre + ringRadius * QPointF(std::cos(angle), std::sin(angle))).toPoint();
        if (client.valid(point) && (client.pixel(point) | 0xFF000000U) == argb) {
            ++matching;
        }
    }
    return static_cast<double>(matching) / ringPoints;
}

}  // namespace

QPointF boardOrigin(const FrameExtents& frame) {
    const int width = box::client.width() + frame.left + frame.right;
    const int height = box::client.height() + frame.top + frame.bottom;
    return {width / 2.0 - box::board.width() / 2.0, height / 2.0 - box::board.height() / 2.0};
}

QRectF tileBox(QPointF boardOrigin, int number) {
    const TilePlace place = tilePlace(number);
    const auto size = static_cast<qreal>(tileSize);
    return {boardOrigin + QPointF(static_cast<qreal>(place.x), static_cast<qreal>(place.y)),
            QSizeF(size, size)};
}

double flightSeconds(int number) {
    return (number - 1) % 7 < 3 ? 2.0 : 3.0;
}

TileLook tileLook(const QImage& client, QPointF boardOrigin, int number) {
    const QPointF centre = tileBox(boardOrigin, number).center();
    if (ringShare(client, centre, colour::blue) >= ringShareNeeded) {
        return TileLook::Blue;
    }
    if (ringShare(client, centre, colour::yellow) >= ringShareNeeded) {
        return TileLook::Yellow;
    }
    if (ringShare(client, centre, colour::white) >= ringShareNeeded) {
        return TileLook::White;
    }
    return TileLook::Other;
}

int BoardLook::count(TileLook look) const {
    return static_cast<int>(std::count(tiles.begin(), tiles.end(), look));
}

std::vector<int> BoardLook::numbers(TileLook look) const {
    std::vector<int> found;
    for (int number = 1; number <= tileCount; ++number) {
        if (tiles.at(static_cast<std::size_t>(number - 1)) == look) {
            found.push_back(number);
        }
    }
    return found;
}

BoardLook readBoard(const QImage& client, QPointF boardOrigin) {
    BoardLook board;
    for (int number = 1; number <= tileCount; ++number) {
        board.tiles.at(static_cast<std::size_t>(number - 1)) =
            tileLook(client, boardOrigin, number);
    }
    return board;
}

int countPixels(const QImage& client, const QRect& area,
                const std::function<bool(std::uint32_t)>& wanted) {
    int count = 0;
    const QRect inside = area.intersected(client.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (wanted(client.pixel(x, y) | 0xFF000000U)) {
                ++count;
            }
        }
    }
    return count;
}

double colourShare(const QImage& client, const QRect& area, std::uint32_t argb) {
    const int matching = countPixels(client, area, [argb](std::uint32_t c) { return c == argb; });
    return area.isEmpty() ? 0.0 : static_cast<double>(matching) / (area.width() * area.height());
}

bool isDark(std::uint32_t argb) {
    return red(argb) < 70 && green(argb) < 70 && blueOf(argb) < 70;
}

bool isLight(std::uint32_t argb) {
    return red(argb) > 200 && green(argb) > 200 && blueOf(argb) > 200;
}

bool isBallBlue(std::uint32_t argb) {
    return blueOf(argb) > 140 && red(argb) < 90 && green(argb) < 170;
}

bool isPainted(const QImage& client) {
    return client.size() == box::client && (client.pixel(2, 2) | 0xFF000000U) == colour::headerRed;
}

QRect flyingBall(const QImage& client) {
    // How far the ball's anti-aliased outline reaches past its blue.
    constexpr int ballOutline = 8;
    QRect ball;
    for (int y = box::header.bottom() + 1; y < client.height(); ++y) {
        for (int x = 0; x < client.width(); ++x) {
            if (!box::footerPictures.contains(x, y) &&
                isBallBlue(client.pixel(x, y) | 0xFF000000U)) {
                ball |= QRect(x, y, 1, 1);
            }
        }
    }
    // A ball only just entering shows its dark outline and shading before any of its blue: what
    // is not white at the window's left edge, between the header and the footer, and touches that
    // edge, is the ball.
    constexpr int enteringWidth = 40;
    QRect entering;
    for (int y = box::header.bottom() + 1; y < box::footer.top(); ++y) {
        for (int x = 0; x < enteringWidth; ++x) {
            if ((client.pixel(x, y) | 0xFF000000U) != colour::white) {
                entering |= QRect(x, y, 1, 1);
            }
        }
    }
    if (!entering.isNull() && entering.left() == 0) {
        ball |= entering;
    }
    return ball.isNull() ? ball
                         : ball.adjusted(-ballOutline, -ballOutline, ballOutline, ballOutline);
}

bool boardHasLeft(const QImage& client, QPointF boardOrigin) {
    const QPoint inside = (boardOrigin + QPointF(10, 260)).toPoint();
    return (client.pixel(inside) | 0xFF000000U) != colour::boardGrey;
}

namespace {

bool nextButtonShows(const QImage& client, std::uint32_t fill, bool (*isText)(std::uint32_t)) {
    constexpr int textPixelsNeeded = 15;
    const QRect inside = box::nextButton.adjusted(4, 4, -4, -4);
    return colourShare(client, inside, fill) > 0.5 &&
           countPixels(client, inside, isText) >= textPixelsNeeded;
}

}  // namespace

bool nextButtonIsBlue(const QImage& client) {
    return nextButtonShows(client, colour::blue, isLight);
}

bool nextButtonIsYellow(const QImage& client) {
    return nextButtonShows(client, colour::yellow, isDark);
}

}  // namespace pelora::e2e
