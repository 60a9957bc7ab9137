// Where the show draws what on its client area, and in which colours: the boxes and colours the
// end-to-end tests look for in screenshots, and the reading of the board's 28 tiles.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "assets/facts/show_facts.h"
#include "e2e/x_window.h"

namespace pelora::e2e {

namespace box {
inline constexpr QSize client{clientWidth, clientHeight};
inline constexpr QRect header{0, 0, clientWidth, 85};
inline constexpr QRect footer{0, 634, clientWidth, 50};
inline constexpr QRect lesLabel{659, 0, 65, 85};
inline constexpr QRect indicator{724, 20, 40, 45};
inline constexpr QRect heading{774, 0, 311, 85};
inline constexpr QRect statusLabel{160, 634, 785, 50};
inline constexpr QRect nextButton{1025, 642, 50, 34};
// The footer's two ball pictures; the blue one is not to be taken for the flying ball.
inline constexpr QRect footerPictures{0, 620, 170, 64};
inline constexpr QRect footerBlueBall{48, 630, 50, 50};
inline constexpr QSizeF board{boardBox.width, boardBox.height};
inline constexpr int recapTitleHeight = 49;
// The first block of the recap table's first row, relative to the recap panel: the table's
// place, its frame and content inset, and the cell padding.
inline constexpr QPoint recapFirstBlock{16 + 2 + 3, 60 + 2 + 3};
}  // namespace box

// The frame the show lays itself out for where the window manager publishes none: that of the
// desktop it is made on, openbox's.
inline constexpr FrameExtents assumedFrame{1, 1, 20, 1};

// The board's top-left corner in the client area: the window centres it on its outer size,
// frame and caption bar included.
QPointF boardOrigin(const FrameExtents& frame);

// The tile of a number (1..28) in the client area.
QRectF tileBox(QPointF boardOrigin, int number);
// Balls to the three left-hand columns fly 2 seconds, to the four others 3.
double flightSeconds(int number);

enum class TileLook { White, Blue, Yellow, Other };

// The colour of a tile's fill, read on a ring inside the tile that its number never reaches and
// that stays inside the tile while it spins.
TileLook tileLook(const QImage& client, QPointF boardOrigin, int number);

struct BoardLook {
    std::array<TileLook, tileCount> tiles{};
    int count(TileLook look) const;
    std::vector<int> numbers(TileLook look) const;
};

BoardLook readBoard(const QImage& client, QPointF boardOrigin);

// How many pixels of the rectangle satisfy the predicate.
int countPixels(const QImage& client, const QRect& area,
                const std::function<bool(std::uint32_t)>& wanted);
// The share of the rectangle's pixels that have exactly the colour.
double colourShare(const QImage& client, const QRect& area, std::uint32_t argb);

bool isDark(std::uint32_t argb);
bool isLight(std::uint32_t argb);
// The saturated blue of the flying ball picture, which no tile or board shows.
bool isBallBlue(std::uint32_t argb);

// Whether the picture is the client area with the show painted: the header's red in its corner.
bool isPainted(const QImage& client);
// The box around the flying ball's blue below the header, its anti-aliased outline included;
// empty while the ball is off the window. The footer's blue ball picture is not taken for it.
QRect flyingBall(const QImage& client);

// The rest: the board has left its place (its grey fill is gone from just inside its left edge),
// and the ">>" button shows blue with white text, or yellow with black text under the pointer.
bool boardHasLeft(const QImage& client, QPointF boardOrigin);
bool nextButtonIsBlue(const QImage& client);
bool nextButtonIsYellow(const QImage& client);

}  // namespace pelora::e2e
