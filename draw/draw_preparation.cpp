// Preparing a draw: a fresh random order of 1..28, its recap row, and the board, footer, button
// and ball put back to their start-of-draw look.
#include <array>
#include <string>

#include "draw_cycle.h"
#include "motion/checked_arithmetic.h"
#include "motion/error.h"
#include "motion/float_animation.h"
#include "motion/platform.h"

namespace pelora {
namespace {
// One pick per candidate: 28 to choose from, then one fewer at each pick.
constexpr std::array<std::uint32_t, tileCount> pickBounds = [] {
    std::array<std::uint32_t, tileCount> bounds{};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        bounds[i] = static_cast<std::uint32_t>(tileCount) - static_cast<std::uint32_t>(i);
    }
    return bounds;
}();
}  // namespace

void DrawCycle::TirageAlea() {
    // The draw number is checked and every pick taken before anything changes, so that a refused
    // draw leaves the previous one whole and shows nothing of itself.
    const std::int32_t nextDraw = checkedAdd(state.numtir, 1);
    std::array<std::uint32_t, tileCount> picks{};
    currentPlatform().unpredictablePicks(pickBounds, picks);
    for (std::size_t i = 0; i < picks.size(); ++i) {
        if (picks[i] >= pickBounds[i]) {
            throw ShowError("Tirage impossible : numéro tiré hors des candidats restants");
        }
    }
    ListBox1.clear();
    ListBox2.clear();
    ListBox3.clear();
    state.numtir = nextDraw;
    stage_.setFooterText("Tirage en cours N°" + std::to_string(state.numtir));
    stage_.setNextDrawButtonVisible(false);
    selectDrawOrder(picks);
    for (std::int32_t i = 1; i <= tileCount; ++i) {
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

// Draws without replacement: each pick takes one of the candidates left, by index, out of
// ListBox1, so the picks' bounds run 28, 27, ..., 1.
void DrawCycle::selectDrawOrder(const std::array<std::uint32_t, tileCount>& picks) {
    for (std::int32_t i = 1; i <= tileCount; ++i) {
        ListBox1.append(std::to_string(i));
    }
    std::int32_t reste = tileCount;
    for (std::int32_t i = 1; i <= tileCount; ++i) {
        const auto boule = static_cast<std::int32_t>(picks[static_cast<std::size_t>(i - 1)]);
        state.Tirage[i] = numberValue(ListBox1.at(boule));
        ListBox1.remove(boule);
        reste = checkedAdd(reste, -1);
    }
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
