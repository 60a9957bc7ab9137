#include "draw_cycle.h"

#include <cstdio>
#include <string>

#include "motion/checked_arithmetic.h"
#include "motion/error.h"
#include "motion/float_animation.h"
#include "motion/timer.h"
#include "publisher.h"

namespace pelora {
namespace {
constexpr std::int32_t recapRowHeight = 50;
constexpr float firstFlightSeconds = 2.0F;

constexpr const char* curveKindNames[] = {"Linear",  "Quadratic",  "Cubic",       "Quartic",
                                          "Quintic", "Sinusoidal", "Exponential", "Circular",
                                          "Elastic", "Back",       "Bounce"};
constexpr const char* curveVariantNames[] = {"In", "Out", "InOut"};
constexpr std::int32_t elasticItem = 8;
constexpr std::int32_t inItem = 0;

// "mm'ss", two digits each.
std::string countdownText(std::int32_t seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2d'%.2d", seconds / 60, seconds % 60);
    return text;
}

std::string retryText(std::int32_t seconds) {
    return "Tirage impossible, nouvel essai dans " + countdownText(seconds);
}

void setUpFlightLeg(TFloatAnimation& leg, PropertyObject& sprite, const char* property) {
    leg.setParent(&sprite);
    leg.setPropertyName(property);
    leg.Duration = firstFlightSeconds;
    leg.Interpolation = TInterpolationType::Linear;
    leg.AnimationType = TAnimationType::In;
    leg.StartFromCurrent = true;
}
}  // namespace

DrawCycle::DrawCycle(DrawStage& stage, CycleMotion motion) : stage_(stage), motion_(motion) {}

void DrawCycle::FormCreate() {
    stage_.setWindowBackground(colour::white);
    stage_.setNextDrawButtonFill(stage_.blueSwatch());
    state.cinqmn = restSeconds;
    stage_.setRecapRowHeight(recapRowHeight);
    stage_.setRecapPanelVisible(false);
    state.coup = 1;
    const std::exception_ptr refused = tryTirageAlea();
    stage_.setBallX(homeX);
    std::int32_t ordinal = 0;
    for (const char* name : curveKindNames) {
        ComboBox1.addItem(name, ordinal++);
    }
    ComboBox1.setItemIndex(elasticItem);
    ordinal = 0;
    for (const char* name : curveVariantNames) {
        ComboBox2.addItem(name, ordinal++);
    }
    ComboBox2.setItemIndex(inItem);
    state.saveX = stage_.ballPosition().x;
    state.saveY = stage_.ballPosition().y;
    setUpFlightLeg(motion_.FloatAnimation1, stage_.ballSprite(), "Position.X");
    setUpFlightLeg(motion_.FloatAnimation2, stage_.ballSprite(), "Position.Y");
    if (refused) {
        waitForRefusedDraw(true);
        std::rethrow_exception(refused);
    }
    TirBoule(state.Tirage[state.coup]);
}

std::exception_ptr DrawCycle::tryTirageAlea() {
    try {
        TirageAlea();
    } catch (const ShowError&) {
        return std::current_exception();
    }
    drawRefused_ = false;
    return nullptr;
}

// No draw is invented and none is shown again: the show stays at rest, the recap panel showing
// the draws really made, the footer saying that the draw could not be made and counting down to
// the next try. The try comes when a rest would have ended, keeping the show's rhythm, or at once
// when the operator clicks ">>".
void DrawCycle::waitForRefusedDraw(bool boardInPlace) {
    drawRefused_ = true;
    stage_.setNextDrawButtonVisible(false);
    stage_.setIndicatorVisible(false);
    stage_.setHeaderWordVisible(false);
    stage_.setHeadingText(std::string(publisherAddress));
    if (boardInPlace) {
        // The empty board of the start, as a draw's preparation leaves it (the refused one never
        // got that far): the rest's own timeline slides it out and the panel in.
        resetBoard();
        state.cinqmn = restSeconds;
    } else {
        // The board and the panel are both out: the panel, with ">>", comes straight back.
        state.cinqmn = boardOutAt;
        motion_.FloatAnimation32.setEnabled(true);
    }
    stage_.setFooterText(retryText(state.cinqmn));
    motion_.repos5mn.setEnabled(true);
}

void DrawCycle::entredeuxTimer() {
    state.cinqsec = checkedAdd(state.cinqsec, 1);
    if (state.cinqsec != pauseTicks) {
        return;
    }
    if (state.coup == blueBalls + 1) {
        stage_.setBallPicture(BallPicture::Yellow);
    }
    motion_.entredeux.setEnabled(false);
    TirBoule(state.Tirage[state.coup]);
}

void DrawCycle::advance() {
    state.cinqsec = 0;
    state.coup = checkedAdd(state.coup, 1);
    if (state.coup == ballsPerDraw + 1) {
        endDraw();
    } else {
        motion_.entredeux.setEnabled(true);
    }
}

void DrawCycle::endDraw() {
    state.cinqmn = restSeconds;
    motion_.repos5mn.setEnabled(true);
    stage_.setIndicatorVisible(false);
    stage_.setHeaderWordVisible(false);
    stage_.setFooterText("Tirage N°" + std::to_string(state.numtir) + " terminé");
    stage_.setHeadingText(std::string(publisherAddress));
}

void DrawCycle::repos5mnTimer() {
    state.cinqmn = checkedAdd(state.cinqmn, -1);
    if (state.cinqmn == boardOutAt) {
        motion_.FloatAnimation31.setEnabled(true);
    }
    if (state.cinqmn == 0) {
        stopRestAndSlidePanelOut();
        return;
    }
    if (drawRefused_) {
        stage_.setFooterText(retryText(state.cinqmn));
        return;
    }
    if (state.cinqmn >= 1 && state.cinqmn <= boardOutAt) {
        stage_.setFooterText("Prochain tirage N°" + std::to_string(checkedAdd(state.numtir, 1)) +
                             " dans " + countdownText(state.cinqmn));
    }
}

void DrawCycle::Rectangle9Click() {
    stopRestAndSlidePanelOut();
}

void DrawCycle::stopRestAndSlidePanelOut() {
    stage_.setNextDrawButtonVisible(false);
    stage_.setFooterText("");
    motion_.repos5mn.setEnabled(false);
    motion_.FloatAnimation34.setEnabled(true);
}

void DrawCycle::FloatAnimation31Finish() {
    stage_.setRecapPanelVisible(true);
    motion_.FloatAnimation31.setEnabled(false);
    motion_.FloatAnimation32.setEnabled(true);
}

void DrawCycle::FloatAnimation32Finish() {
    motion_.FloatAnimation32.setEnabled(false);
    stage_.setNextDrawButtonVisible(true);
}

void DrawCycle::FloatAnimation34Finish() {
    motion_.repos5mn.setEnabled(false);
    state.cinqmn = restSeconds;
    state.coup = 1;
    const std::exception_ptr refused = tryTirageAlea();
    motion_.FloatAnimation34.setEnabled(false);
    if (refused) {
        waitForRefusedDraw(false);
        std::rethrow_exception(refused);
    }
    motion_.FloatAnimation33.setEnabled(true);
}

void DrawCycle::FloatAnimation33Finish() {
    motion_.FloatAnimation33.setEnabled(false);
    stage_.setIndicatorVisible(true);
    stage_.setHeaderWordVisible(true);
    TirBoule(state.Tirage[state.coup]);
}

}  // namespace pelora
