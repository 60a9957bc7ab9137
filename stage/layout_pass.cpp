#include "layout_pass.h"

#include "assets/facts/show_facts.h"
#include "assets/facts/slide_ends.h"
#include "stage/show_scene.h"

namespace pelora {
namespace {

constexpr float tableSideMargins = 32.0F;
constexpr float tableY = 60.0F;
constexpr float tableTopAndBottom = 100.0F;

}  // namespace

void runLayoutPass(ShowScene& scene, std::int32_t outerWidth, std::int32_t outerHeight, float& p1,
                   float& p2) {
    RectangleNode& board = scene.Rectangle2();
    RectangleNode& panel = scene.Rectangle10();
    GridSlot& table = scene.StringGrid1();

    const BoardPlace place = aimRestSlides(outerWidth, outerHeight, board.width(), board.height(),
                                           {scene.FloatAnimation(31), scene.FloatAnimation(32),
                                            scene.FloatAnimation(33), scene.FloatAnimation(34)},
                                           p1, p2);
    board.setPositionX(place.x);
    board.setPositionY(place.y);

    // The panel is as wide as the board: it covers the board exactly.
    panel.setWidth(boardBox.width);
    panel.setHeight(board.height());
    table.setWidth(panel.width() - tableSideMargins);
    panel.setPositionX(board.positionX());
    panel.setPositionY(board.positionY());
    table.setPositionY(tableY);
    table.setHeight(panel.height() - tableTopAndBottom);
}

}  // namespace pelora
