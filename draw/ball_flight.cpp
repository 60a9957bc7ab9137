// A ball's flight from its home beyond the left edge to its tile, and its landing.
#include <string>

#include "draw_cycle.h"
#include "motion/error.h"
#include "motion/float_animation.h"

namespace pelora {
namespace {
constexpr float rowTwoStartY = 600.0F;
constexpr float rowThreeStartY = 140.0F;
constexpr float shortFlightSeconds = 2.0F;
constexpr float longFlightSeconds = 3.0F;

bool inRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

// The three left-hand columns of the board are near enough for a shorter flight.
bool inLeftColumns(std::int32_t number) {
    return (number - 1) % 7 < 3;
}
}  // namespace

void DrawCycle::TirBoule(std::int32_t laquel) {
    if (!inRange(laquel, 1, tileCount)) {
        throw ShowError("Numéro de boule hors limites : " + std::to_string(laquel));
    }
    TFloatAnimation& horizontal = motion_.FloatAnimation1;
    TFloatAnimation& vertical = motion_.FloatAnimation2;
    const PointF tile = stage_.tilePosition(laquel);
    const PointF board = stage_.boardPosition();
    horizontal.StopValue = tile.x + board.x;
    vertical.StopValue = tile.y + board.y;

    if (state.coup <= blueBalls) {
        stage_.setIndicatorFill(stage_.blueSwatch());
        stage_.setIndicatorCount("7", colour::white);
        stage_.setHeadingText("numéros bleus");
    } else {
        stage_.setIndicatorFill(stage_.yellowSwatch());
        stage_.setIndicatorCount("5", colour::black);
        stage_.setHeadingText("numéros jaunes");
    }

    // Rows two and three start from a height that keeps the ball's swing on screen.
    if (inRange(laquel, 15, 21)) {
        stage_.setBallY(rowThreeStartY);
    }
    if (inRange(laquel, 8, 14)) {
        stage_.setBallY(rowTwoStartY);
    }
    const float duration = inLeftColumns(laquel) ? shortFlightSeconds : longFlightSeconds;
    horizontal.Duration = duration;
    vertical.Duration = duration;
    vertical.AnimationType = static_cast<TAnimationType>(ComboBox2.chosenValue());
    vertical.Interpolation = static_cast<TInterpolationType>(ComboBox1.chosenValue());

    // Started in this order so that on their common last frame the vertical leg ends first and
    // the landing, fired by the horizontal leg, has the last word on the ball's position.
    horizontal.Start();
    vertical.Start();
}

void DrawCycle::FloatAnimation1Finish() {
    land();
    advance();
}

void DrawCycle::land() {
    stage_.setBallX(state.saveX);
    stage_.setBallY(state.saveY);
    const std::int32_t coul = state.Tirage[state.coup];
    if (state.coup <= blueBalls) {
        stage_.setTileFill(coul, stage_.blueSwatch());
        stage_.setTileStroke(coul, colour::white);
        stage_.setTileTextColour(coul, colour::white);
    } else {
        stage_.setTileFill(coul, stage_.yellowSwatch());
        stage_.setTileStroke(coul, colour::white);
    }
    motion_.spins[static_cast<std::size_t>(coul - 1)]->setEnabled(true);
}

}  // namespace pelora
