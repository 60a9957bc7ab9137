// The show's fixed values that more than one part of the code needs: the colours the draw logic
// and the scene set, the client area, the board with its 28 tiles and their places, the balls of a
// draw, and which animation spins which tile. Each is written here once; the draw logic, the
// stage, the window, the tests and the benchmarks read these names. Plain C++ with no dependency,
// so that every module may include it (docs/ARCHITECTURE.md, "Who may use whom").
#pragma once

#include <array>
#include <cstdint>

namespace pelora {

// Colours as 0xAARRGGBB.
namespace colour {
inline constexpr std::uint32_t white = 0xFFFFFFFFU;
inline constexpr std::uint32_t black = 0xFF000000U;
inline constexpr std::uint32_t blue = 0xFF0666FFU;    // swatch Rectangle5: blue balls and tiles
inline constexpr std::uint32_t yellow = 0xFFFFC412U;  // swatch Rectangle6: yellow balls and tiles
inline constexpr std::uint32_t tileStrokeAtRest = 0xFFB9C0D7U;  // a tile not drawn yet
inline constexpr std::uint32_t headerRed = 0xFF9F3131U;    // header bar, draw number in the recap
inline constexpr std::uint32_t footerBrown = 0xFFA52A2AU;  // footer bar, recap panel title
inline constexpr std::uint32_t boardGrey = 0xFFDDDDDDU;    // board and recap panel
inline constexpr std::uint32_t boardStroke = 0xFFC0C0C0U;  // board and recap panel
inline constexpr std::uint32_t nextDrawButton = 0xFF0000FFU;  // ">>" until the first draw
inline constexpr std::uint32_t tableFrame = 0xFF7A7A7AU;      // the recap table's frame
inline constexpr std::uint32_t tableGridLine = 0xFFF0F0F0U;   // lines between recap cells
}  // namespace colour

// The window's client area, in logical pixels.
inline constexpr int clientWidth = 1095;
inline constexpr int clientHeight = 684;

// A draw: numbers 1..28, one tile each; the first 7 balls are blue, the next 5 yellow.
inline constexpr std::int32_t tileCount = 28;
inline constexpr std::int32_t blueBalls = 7;
inline constexpr std::int32_t yellowBalls = 5;
inline constexpr std::int32_t ballsPerDraw = blueBalls + yellowBalls;

// FloatAnimation1 ... FloatAnimation34.
inline constexpr int animationCount = 34;

// A place and size in logical pixels, relative to the parent's top-left corner.
struct FixedBox {
    float x;
    float y;
    float width;
    float height;
};

// Where the scene description puts the board (before any layout pass), the recap panel and the
// ball sprite. The sprite's y is the ball's home height.
inline constexpr FixedBox boardBox{35.0F, 105.0F, 1041.0F, 520.0F};
inline constexpr FixedBox recapPanelBox{279.0F, 182.0F, 450.0F, 222.0F};
inline constexpr FixedBox ballSpriteBox{8.0F, 380.0F, 100.0F, 100.0F};

inline constexpr float tileSize = 100.0F;

struct TilePlace {
    std::int32_t number;
    float x;  // in the board
    float y;
};

// In drawing order. The columns and rows are not evenly spaced, and tile 15 sits one pixel higher
// than the rest of its row: these are the positions the ball's flight aims at.
inline constexpr std::array<TilePlace, tileCount> tilesInDrawingOrder = {{
    {1, 24, 24},    {2, 168, 24},   {3, 312, 24},   {4, 464, 24},   {5, 608, 24},   {6, 760, 24},
    {7, 912, 24},   {14, 912, 148}, {9, 168, 148},  {10, 312, 148}, {11, 464, 148}, {12, 608, 148},
    {13, 760, 148}, {16, 168, 276}, {17, 312, 276}, {18, 464, 276}, {19, 608, 276}, {20, 760, 276},
    {21, 912, 276}, {22, 24, 404},  {23, 168, 404}, {24, 312, 404}, {25, 464, 404}, {27, 760, 404},
    {28, 912, 404}, {8, 24, 148},   {15, 24, 275},  {26, 608, 404},
}};

// The place of tile `number`, 1..28; the callers check the range.
constexpr TilePlace tilePlace(std::int32_t number) {
    for (const TilePlace& place : tilesInDrawingOrder) {
        if (place.number == number) {
            return place;
        }
    }
    return {0, 0.0F, 0.0F};
}

// A landed tile spins twice in 3 s; the board and the recap panel slide in 2 s.
inline constexpr float spinDegrees = 720.0F;
inline constexpr float spinSeconds = 3.0F;
inline constexpr float slideSeconds = 2.0F;

// The animation that spins tile `number`, 1..28: tiles n1 to n4 spin with FloatAnimation6, 3, 4
// and 5; from n5 on, tile k spins with k + 2.
constexpr int spinAnimationNumber(std::int32_t number) {
    if (number == 1) {
        return 6;
    }
    return number <= 4 ? number + 1 : number + 2;
}

}  // namespace pelora
