// The board: 28 tiles in four uneven rows of seven, each with its number and its spin, drawn in
// the order of the scene description, and the two slides that move the board out and back in.
#include <array>
#include <string>

#include "stage/scene_build.h"
#include "stage/show_scene.h"

namespace pelora {

using namespace scene_build;

namespace {

struct TilePlace {
    int number;
    float x;
    float y;
};

// In drawing order. The columns and rows are not evenly spaced, and tile 15 sits one pixel higher
// than the rest of its row: these are the positions the ball's flight aims at.
constexpr std::array<TilePlace, ShowScene::tileCount> tilesInDrawingOrder = {{
    {1, 24, 24},    {2, 168, 24},   {3, 312, 24},   {4, 464, 24},   {5, 608, 24},   {6, 760, 24},
    {7, 912, 24},   {14, 912, 148}, {9, 168, 148},  {10, 312, 148}, {11, 464, 148}, {12, 608, 148},
    {13, 760, 148}, {16, 168, 276}, {17, 312, 276}, {18, 464, 276}, {19, 608, 276}, {20, 760, 276},
    {21, 912, 276}, {22, 24, 404},  {23, 168, 404}, {24, 312, 404}, {25, 464, 404}, {27, 760, 404},
    {28, 912, 404}, {8, 24, 148},   {15, 24, 275},  {26, 608, 404},
}};

constexpr float tileSize = 100.0F;
constexpr float spinDegrees = 720.0F;
constexpr float spinSeconds = 3.0F;
constexpr float slideSeconds = 2.0F;

}  // namespace

void ShowScene::buildBoard() {
    auto& board = addNode<RectangleNode>(scene_, "Rectangle2", {35.0F, 105.0F, 1041.0F, 520.0F});
    board.setFillColor(0xFFDDDDDDU);
    setStroke(board, 0xFFC0C0C0U, 3.0F);
    board.setCornerRadii(10.0F, 10.0F);
    rectangle2_ = &board;

    for (const TilePlace& place : tilesInDrawingOrder) {
        buildTile(place.number, place.x, place.y);
    }
    setUpAnimation(FloatAnimation(31), board, "Position.X", slideSeconds);
    setUpAnimation(FloatAnimation(33), board, "Position.X", slideSeconds);
}

void ShowScene::buildTile(int number, float x, float y) {
    const std::string digits = std::to_string(number);
    auto& tile = addNode<RectangleNode>(*rectangle2_, "n" + digits, {x, y, tileSize, tileSize});
    tile.setStrokeThickness(4.0F);
    tile.setCornerRadii(10.0F, 10.0F);
    auto& label = addLabel(tile, "L" + digits, {0.0F, 0.0F, tileSize, tileSize},
                           {digits, 48, black, TextAlignment::Centre});
    label.setDocking(Docking::Client);

    const auto index = static_cast<std::size_t>(number - 1);
    tiles_[index] = &tile;
    tileLabels_[index] = &label;

    TFloatAnimation& turn = spin(number);
    setUpAnimation(turn, tile, "RotationAngle", spinSeconds);
    turn.StartValue = 0.0F;
    turn.StopValue = spinDegrees;
}

}  // namespace pelora
