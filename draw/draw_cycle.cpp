#include "draw_cycle.h"

#include <cstdio>
#include <string>

#include "motion/checked_arithmetic.h"
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
    TirageAlea();
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
    TirBoule(state.Tirage[state.coup]);
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
    TirageAlea();
    motion_.FloatAnimation34.setEnabled(false);
    motion_.FloatAnimation33.setEnabled(true);
}

void DrawCycle::FloatAnimation33Finish() {
    motion_.FloatAnimation33.setEnabled(false);
    stage_.setIndicatorVisible(true);
    stage_.setHeaderWordVisible(true);
    TirBoule(state.Tirage[state.coup]);
}

}  // namespace pelora
