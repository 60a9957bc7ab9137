#include "layout_pass.h"

#include "motion/checked_arithmetic.h"
#include "stage/show_scene.h"

namespace pelora {
namespace {

// The panel is as wide as the board: it covers the board exactly.
constexpr float recapPanelWidth = 1041.0F;
constexpr float tableSideMargins = 32.0F;
constexpr float tableY = 60.0F;
constexpr float tableTopAndBottom = 100.0F;
constexpr std::int32_t beyondRightEdge = 100;

// Half the outer size less half the board, in double, stored as a float: exact for an integer
// outer size (a whole number or a half).
float centred(std::int32_t outer, float boardSize) {
    return static_cast<float>(static_cast<double>(outer) / 2.0 -
                              static_cast<double>(boardSize) / 2.0);
}

void writeSlides(ShowScene& scene, float p1, float p2) {
    scene.FloatAnimation(31).StartValue = p1;
    scene.FloatAnimation(31).StopValue = p2;
    scene.FloatAnimation(33).StartValue = p2;
    scene.FloatAnimation(33).StopValue = p1;
    scene.FloatAnimation(34).StartValue = p1;
    scene.FloatAnimation(34).StopValue = p2;
    scene.FloatAnimation(32).StartValue = p2;
    scene.FloatAnimation(32).StopValue = p1;
}

}  // namespace

void runLayoutPass(ShowScene& scene, std::int32_t outerWidth, std::int32_t outerHeight, float& p1,
                   float& p2) {
    RectangleNode& board = scene.Rectangle2();
    RectangleNode& panel = scene.Rectangle10();
    GridSlot& table = scene.StringGrid1();

    board.setPositionX(centred(outerWidth, board.width()));
    board.setPositionY(centred(outerHeight, board.height()));
    p1 = board.positionX();
    p2 = static_cast<float>(checkedAdd(outerWidth, beyondRightEdge));
    writeSlides(scene, p1, p2);

    panel.setWidth(recapPanelWidth);
    panel.setHeight(board.height());
    table.setWidth(panel.width() - tableSideMargins);
    panel.setPositionX(board.positionX());
    panel.setPositionY(board.positionY());
    table.setPositionY(tableY);
    table.setHeight(panel.height() - tableTopAndBottom);
}

}  // namespace pelora
