// Errors never stall the show. The error box opens from the event loop once the failing handler
// has returned; the box here runs the event loop on in simulated time while it is "open", as a
// modal box's own loop does, so that what moves behind it can be watched. Were it opened inside
// the failing tick, that tick's timer would wait for OK (the platform never ticks a timer whose
// handler is still running) and everything it drives would stand still.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "assets/facts/show_facts.h"
#include "motion/ani_thread.h"
#include "motion/error.h"
#include "motion/float_animation.h"
#include "show_fixture.h"

namespace pelora::testing {
namespace {

using Texts = std::vector<std::string>;

// A float property whose setter fails once, at a chosen write: a fault raised inside a frame
// tick, beside the show's own animations.
class FailingOnce final : public PropertyObject, public FloatProperty {
public:
    FailingOnce(SimulatedPlatform& platform, int failingWrite)
        : platform_(platform), failingWrite_(failingWrite) {}

    FloatProperty* floatProperty(std::string_view name) override {
        return sameNameIgnoringCase(name, "Value") ? this : nullptr;
    }
    float get() const override { return value_; }
    void set(float value) override {
        if (++writes_ == failingWrite_) {
            failedAt = platform_.monotonicSeconds();
            throw ShowError("Valeur refusée");
        }
        value_ = value;
    }

    double failedAt = -1.0;

private:
    SimulatedPlatform& platform_;
    int failingWrite_;
    int writes_ = 0;
    float value_ = 0.0F;
};

class ErrorBox : public ShowFixture {};

TEST_F(ErrorBox, AnErrorInAFrameTickLeavesTheFlightAndThePauseRunningBehindTheBox) {
    start();
    const int number = state().Tirage[1];
    runFor(0.5);  // the first ball is in the air
    ASSERT_TRUE(scene().FloatAnimation(1).Running());

    // Its first write is the first frame, inside Start; the second comes with the next tick.
    FailingOnce property(platform, 2);
    TFloatAnimation faulty;
    faulty.setParent(&property);
    faulty.setPropertyName("Value");
    faulty.StopValue = 1.0F;
    faulty.Duration = 1.0F;

    double openedAt = -1.0;
    double landedAt = -1.0;
    int pauseTicksAtOk = -1;
    float spinAtOk = 0.0F;
    whileBoxOpen = [&] {
        openedAt = now();
        // The operator leaves the box open while the ball lands (a flight lasts 3 s at most),
        // then for two seconds of the pause.
        landedAt = runUntil([&] { return state().coup == 2; }, 3.0);
        runFor(2.0);
        pauseTicksAtOk = state().cinqsec;
        spinAtOk = scene().tile(number).rotationAngle();
    };
    faulty.Start();
    runUntil([&] { return !shownErrors.empty(); }, 0.1);

    EXPECT_EQ(shownErrors, Texts{"Valeur refusée."});
    EXPECT_EQ(openedAt, property.failedAt) << "opened as soon as the tick had returned";
    EXPECT_GT(landedAt, openedAt);
    EXPECT_EQ(pauseTicksAtOk, 2) << "entredeux ticked behind the box";
    EXPECT_GT(spinAtOk, 0.0F) << "the landed tile spins behind the box";
    // After OK the show goes on at its own pace: the next ball flies five seconds after the
    // landing, box or not.
    const double secondLaunch = runUntil([&] { return scene().FloatAnimation(1).Running(); });
    EXPECT_NEAR(secondLaunch, landedAt + 5.0, 1e-6);
    EXPECT_EQ(state().coup, 2);
    EXPECT_EQ(shownErrors.size(), 1U);
}

TEST_F(ErrorBox, AnErrorInTheRestCountdownLeavesTheCountdownTickingBehindTheBox) {
    start();
    const double restStart = runUntil([&] { return state().coup == ballsPerDraw + 1; });
    runUntil([&] { return state().cinqmn == DrawCycle::boardOutAt + 1; });
    // The board's slide-out, started from the countdown's tick, finds no frame timer.
    platform.refuseNextTimerOfPeriod(TAniThread::periodMs, 12);

    double openedAt = -1.0;
    int countdownAtOpen = -1;
    int countdownAtOk = -1;
    std::string footerAtOk;
    whileBoxOpen = [&] {
        openedAt = now();
        countdownAtOpen = state().cinqmn;
        runFor(3.0);
        countdownAtOk = state().cinqmn;
        footerAtOk = scene().Label4().text();
    };
    runUntil([&] { return !shownErrors.empty(); }, 1.0);

    EXPECT_EQ(shownErrors, Texts{"Création du timer impossible :  systemErrorCode = 12."});
    EXPECT_NEAR(openedAt, restStart + 10.0, 1e-6);
    EXPECT_EQ(countdownAtOpen, DrawCycle::boardOutAt);
    EXPECT_EQ(countdownAtOk, DrawCycle::boardOutAt - 3) << "repos5mn ticked behind the box";
    EXPECT_EQ(footerAtOk, "Prochain tirage N°2 dans 04'47");
    // After OK the countdown keeps its pace to its end, and the next draw comes.
    const double countdownEnd = runUntil([&] { return state().cinqmn == 0; });
    EXPECT_NEAR(countdownEnd, restStart + DrawCycle::restSeconds, 1e-6);
    runUntil([&] { return state().numtir == 2; }, 10.0);
}

TEST_F(ErrorBox, AnErrorAtStartUpIsShownOverTheShownWindowOnceTheEventLoopRuns) {
    platform.refuseNextTimerOfPeriod(TAniThread::periodMs, 12);  // the first ball cannot fly
    bool windowShownUnderTheBox = false;
    whileBoxOpen = [&] { windowShownUnderTheBox = form->isVisible(); };
    start();
    EXPECT_TRUE(shownErrors.empty()) << "no box before the event loop runs";
    // The start went on: both layout passes ran.
    EXPECT_EQ(state().p2, static_cast<float>(form->Width + 100));
    runFor(0.0);
    EXPECT_EQ(shownErrors, Texts{"Création du timer impossible :  systemErrorCode = 12."});
    EXPECT_TRUE(windowShownUnderTheBox);
}

}  // namespace
}  // namespace pelora::testing
