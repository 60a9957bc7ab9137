// Preparing a draw: a fresh random order of 1..28, its recap row, and the board, footer, button
// and ball put back to their start-of-draw look.
#include <string>

#include "draw_cycle.h"
#include "draw_order.h"
#include "motion/checked_arithmetic.h"
#include "motion/float_animation.h"
#include "motion/platform.h"

namespace pelora {

void DrawCycle::TirageAlea() {
    // The draw number is checked and every pick taken before anything changes, so that a refused
    // draw leaves the previous one whole and shows nothing of itself.
    const std::int32_t nextDraw = checkedAdd(state.numtir, 1);
    DrawPicks picks{};
    currentPlatform().unpredictablePicks(drawPickBounds, picks);
    const LandingOrder order = drawOrderFromPicks(picks);
    ListBox1.clear();
    ListBox2.clear();
    ListBox3.clear();
    state.numtir = nextDraw;
    stage_.setFooterText("Tirage en cours N°" + std::to_string(state.numtir));
    stage_.setNextDrawButtonVisible(false);
    for (std::int32_t i = 1; i <= tileCount; ++i) {
        state.Tirage[i] = order[static_cast<std::size_t>(i - 1)];
        ListBox1.append(std::to_string(state.Tirage[i]));
    }
    for (std::int32_t i = 0; i < blueBalls; ++i) {
        ListBox2.append(ListBox1.at(i));
    }
    SortNumberedList(ListBox2);
    for (std::int32_t i = blueBalls; i < ballsPerDraw; ++i) {
        ListBox3.append(ListBox1.at(i));
    }
    SortNumberedList(ListBox3);
    writeRecapRow();
    stage_.setBallPicture(BallPicture::Blue);
    resetBoard();
}

void DrawCycle::writeRecapRow() {
    stage_.setRecapRowCount(checkedAdd(stage_.recapRowCount(), 1));
    const std::int32_t row = stage_.recapRowCount() - 1;
    stage_.setRecapCell(0, row, "N°" + std::to_string(state.numtir));
    for (std::int32_t i = 0; i < blueBalls; ++i) {
        stage_.setRecapCell(1 + i, row, ListBox2.at(i));
    }
    for (std::int32_t i = 0; i < yellowBalls; ++i) {
        stage_.setRecapCell(1 + blueBalls + i, row, ListBox3.at(i));
    }
}

void DrawCycle::resetBoard() {
    for (std::int32_t k = 1; k <= tileCount; ++k) {
        stage_.setTileFill(k, stage_.whiteSwatch());
        stage_.setTileStroke(k, colour::tileStrokeAtRest);
    }
    for (std::int32_t k = 1; k <= tileCount; ++k) {
        stage_.setTileTextColour(k, colour::black);
    }
    // Re-arms every spin: switching on starts an animation only from off.
    for (TFloatAnimation* spin : motion_.spins) {
        spin->setEnabled(false);
    }
}

}  // namespace pelora
