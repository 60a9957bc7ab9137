// The draw cycle: prepares draws, launches the twelve balls with a five-second pause after each
// landing, runs the rest period with its countdown and slides, and starts the next draw when the
// countdown ends or ">>" is clicked. A plain state machine over the draw state, driven by timer
// ticks, animation finishes and the click; it keeps no clock of its own.
#pragma once

#include <array>
#include <cstdint>
#include <exception>

#include "assets/facts/show_facts.h"
#include "draw_state.h"
#include "hidden_selector.h"
#include "number_list.h"
#include "stage_requests.h"

namespace pelora {

class TTimer;
class TFloatAnimation;

// The timers and animations the cycle switches; the window owns them.
struct CycleMotion {
    TTimer& entredeux;                  // pause between balls
    TTimer& repos5mn;                   // rest countdown
    TFloatAnimation& FloatAnimation1;   // flight, horizontal leg; its finish is the landing
    TFloatAnimation& FloatAnimation2;   // flight, vertical leg
    TFloatAnimation& FloatAnimation31;  // board out
    TFloatAnimation& FloatAnimation32;  // recap panel in
    TFloatAnimation& FloatAnimation33;  // board back in
    TFloatAnimation& FloatAnimation34;  // recap panel out
    std::array<TFloatAnimation*, tileCount> spins;  // spin of tile k at index k - 1
};

class DrawCycle {
public:
    static constexpr std::int32_t restSeconds = 300;
    static constexpr std::int32_t boardOutAt = 290;  // cinqmn at which the board slides out
    static constexpr std::int32_t pauseTicks = 5;
    static constexpr float homeX = -120.0F;

    DrawCycle(DrawStage& stage, CycleMotion motion);

    // The window's creation: prepares draw 1 and launches its first ball.
    void FormCreate();
    void TirageAlea();
    void TirBoule(std::int32_t laquel);

    void entredeuxTimer();
    void repos5mnTimer();
    void FloatAnimation1Finish();  // the landing, then the advance of the cycle
    void FloatAnimation31Finish();
    void FloatAnimation32Finish();
    void FloatAnimation33Finish();
    void FloatAnimation34Finish();
    void Rectangle9Click();

    // The timers and animations this cycle switches, for the binding of their handlers.
    const CycleMotion& motion() const { return motion_; }

    // Whether the show is waiting to try again a draw that the system's generator refused.
    bool drawRefused() const { return drawRefused_; }

    DrawState state;
    NumberList ListBox1;
    NumberList ListBox2;
    NumberList ListBox3;
    HiddenSelector ComboBox1;
    HiddenSelector ComboBox2;

private:
    // TirageAlea, or the failure that left everything as it was: the caller sets the show waiting
    // before the failure goes on to the error display.
    std::exception_ptr tryTirageAlea();
    void waitForRefusedDraw(bool boardInPlace);
    void writeRecapRow();
    void resetBoard();
    void land();
    void advance();
    void endDraw();
    void stopRestAndSlidePanelOut();

    DrawStage& stage_;
    CycleMotion motion_;
    bool drawRefused_ = false;
};

}  // namespace pelora
