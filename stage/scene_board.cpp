// The board: 28 tiles in four uneven rows of seven, each with its number and its spin, drawn in
// the order of the scene description, and the two slides that move the board out and back in.
#include <string>

#include "stage/scene_build.h"
#include "stage/show_scene.h"

namespace pelora {

using namespace scene_build;

void ShowScene::buildBoard() {
    auto& board = addNode<RectangleNode>(scene_, "Rectangle2", boxOf(boardBox));
    board.setFillColor(colour::boardGrey);
    setStroke(board, colour::boardStroke, 3.0F);
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
                           {digits, 48, colour::black, TextAlignment::Centre});
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
