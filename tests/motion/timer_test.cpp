#include "motion/timer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "motion/error.h"
#include "support/simulated_platform.h"

namespace pelora::testing {
namespace {

// Stands in for the window whose methods are the timer handlers.
struct TickRecorder {
    explicit TickRecorder(SimulatedPlatform& clock) : platform(clock) {}

    void onTimer(TTimer& sender) {
        times.push_back(platform.monotonicSeconds());
        if (during) {
            during(sender);
        }
    }
    void onOtherTimer(TTimer& sender) { onTimer(sender); }
    Event<TTimer> handler() { return Event<TTimer>::bind<&TickRecorder::onTimer>(*this); }
    Event<TTimer> otherHandler() { return Event<TTimer>::bind<&TickRecorder::onOtherTimer>(*this); }

    SimulatedPlatform& platform;
    std::vector<double> times;
    std::function<void(TTimer&)> during;
};

class TimerTest : public ::testing::Test {
protected:
    SimulatedPlatform platform;  // first, so that it outlives the timer
    TickRecorder recorder{platform};
    TTimer timer;
};

TEST_F(TimerTest, ConstructedEnabledWithOneSecondAndNoPlatformTimerUntilAHandlerIsSet) {
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000U);
    EXPECT_FALSE(timer.OnTimer());
    EXPECT_EQ(platform.timerCount(), 0U);

    timer.setOnTimer(recorder.handler());
    EXPECT_TRUE(platform.hasTimerWithPeriod(1000));
    platform.advanceTo(3.5);
    EXPECT_EQ(recorder.times, (std::vector<double>{1.0, 2.0, 3.0}));
}

struct SetterCase {
    std::string name;
    std::function<void(TTimer&, TickRecorder&)> set;
    double firstTickAfterSetAt0_6;  // the running timer was created at 0
};

void PrintTo(const SetterCase& c, std::ostream* out) {
    *out << c.name;
}

class TimerSetterTest : public TimerTest, public ::testing::WithParamInterface<SetterCase> {};

// The same value leaves the running period alone; a new interval or handler starts a new full
// period from the change.
TEST_P(TimerSetterTest, SetOnARunningTimer) {
    timer.setOnTimer(recorder.handler());
    platform.advanceTo(0.6);
    GetParam().set(timer, recorder);
    platform.advanceTo(2.0);
    ASSERT_FALSE(recorder.times.empty());
    EXPECT_EQ(recorder.times.front(), GetParam().firstTickAfterSetAt0_6);
    EXPECT_EQ(platform.timerCount(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, TimerSetterTest,
    ::testing::Values(
        SetterCase{"SameEnabled", [](TTimer& subject, TickRecorder&) { subject.setEnabled(true); },
                   1.0},
        SetterCase{"SameInterval",
                   [](TTimer& subject, TickRecorder&) { subject.setInterval(1000); }, 1.0},
        SetterCase{"SameHandler",
                   [](TTimer& subject, TickRecorder& r) { subject.setOnTimer(r.handler()); }, 1.0},
        SetterCase{"NewInterval", [](TTimer& subject, TickRecorder&) { subject.setInterval(500); },
                   1.1},
        SetterCase{"NewHandler",
                   [](TTimer& subject, TickRecorder& r) { subject.setOnTimer(r.otherHandler()); },
                   1.6}),
    [](const auto& test) { return test.param.name; });

TEST_F(TimerTest, OffAndOnInsideItsHandlerStartsAFreshFullPeriod) {
    timer.setOnTimer(recorder.handler());
    recorder.during = [](TTimer& self) {
        self.setEnabled(false);
        self.setEnabled(true);
    };
    platform.stall(1.3);  // the first tick comes late, at 1.3; its phase would give 2.0 next
    platform.advanceTo(3.5);
    EXPECT_EQ(recorder.times, (std::vector<double>{1.3, 2.3, 3.3}));
}

class TimerOffInHandlerTest : public TimerTest, public ::testing::WithParamInterface<bool> {};

// The handler keeps the thread busy past the next period, so that the platform has queued the
// next tick when the handler returns.
TEST_P(TimerOffInHandlerTest, NoCallAfterItsOwnHandlerTurnsItOff) {
    const bool turnOff = GetParam();
    timer.setOnTimer(recorder.handler());
    recorder.during = [&](TTimer& self) {
        platform.stall(1.5);
        if (turnOff) {
            self.setEnabled(false);
        }
    };
    platform.advanceTo(2.6);
    const std::vector<double> expected =
        turnOff ? std::vector<double>{1.0} : std::vector<double>{1.0, 2.5};
    EXPECT_EQ(recorder.times, expected);
    EXPECT_EQ(platform.timerCount(), turnOff ? 0U : 1U);
}

INSTANTIATE_TEST_SUITE_P(OffOrNot, TimerOffInHandlerTest, ::testing::Bool());

TEST_F(TimerTest, IntervalZeroCreatesNoPlatformTimer) {
    timer.setInterval(0);
    timer.setOnTimer(recorder.handler());
    timer.setEnabled(false);
    timer.setEnabled(true);
    EXPECT_EQ(platform.timerCount(), 0U);
    platform.advanceTo(5.0);
    EXPECT_TRUE(recorder.times.empty());
}

TEST_F(TimerTest, NothingIsCreatedWhileLoadingAndOneUpdateFollows) {
    timer.beginLoading();
    timer.setOnTimer(recorder.handler());
    timer.setEnabled(false);
    timer.setEnabled(true);
    timer.setInterval(500);
    EXPECT_EQ(platform.timerCount(), 0U);
    platform.advanceTo(0.3);
    timer.endLoading();
    EXPECT_EQ(platform.timerCount(), 1U);
    EXPECT_TRUE(platform.hasTimerWithPeriod(500));
    platform.advanceTo(1.4);
    EXPECT_EQ(recorder.times, (std::vector<double>{0.8, 1.3}));
}

// The scene description switches the program's timers off while they are built.
TEST_F(TimerTest, SwitchedOffWhileLoadingStaysIdle) {
    timer.beginLoading();
    timer.setOnTimer(recorder.handler());
    timer.setEnabled(false);
    timer.endLoading();
    EXPECT_EQ(platform.timerCount(), 0U);
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(TimerTest, RefusedPlatformTimerRaisesTheFrenchErrorAndKeepsEnabled) {
    timer.setEnabled(false);
    timer.setOnTimer(recorder.handler());
    platform.refuseNextTimer(1450);
    try {
        timer.setEnabled(true);
        FAIL() << "no error raised";
    } catch (const ShowError& error) {
        EXPECT_STREQ(error.what(), "Création du timer impossible :  systemErrorCode = 1450");
    }
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.hasPlatformTimer());
    EXPECT_EQ(platform.timerCount(), 0U);
    platform.advanceTo(3.0);
    EXPECT_TRUE(recorder.times.empty());

    timer.setEnabled(false);
    timer.setEnabled(true);
    platform.advanceTo(4.0);
    EXPECT_EQ(recorder.times, (std::vector<double>{4.0}));
}

// A one-second countdown that the event thread blocks for 3.5 s: the missed periods give one
// tick right after the stall, and the lost ones are not made up.
TEST_F(TimerTest, StallMergesMissedSecondsIntoOneTick) {
    timer.setOnTimer(recorder.handler());
    platform.stall(3.5);
    EXPECT_TRUE(recorder.times.empty());
    platform.advanceBy(0.0);
    EXPECT_EQ(recorder.times, (std::vector<double>{3.5}));

    platform.advanceTo(10.0);
    EXPECT_EQ(recorder.times.size(), 7U) << "nominal: 10 ticks in 10 s";
    EXPECT_EQ(recorder.times.back(), 9.5);
}

TEST_F(TimerTest, ErrorFromTheHandlerIsShownAndTheTimerKeepsTicking) {
    timer.setOnTimer(recorder.handler());
    recorder.during = [](TTimer&) { throw ShowError("Erreur du gestionnaire"); };
    platform.advanceTo(3.0);
    EXPECT_EQ(recorder.times.size(), 3U);
    EXPECT_EQ(platform.errors(), std::vector<std::string>(3, "Erreur du gestionnaire"));
}

TEST_F(TimerTest, DestructionDestroysThePlatformTimer) {
    auto owned = std::make_unique<TTimer>();
    owned->setOnTimer(recorder.handler());
    ASSERT_EQ(platform.timerCount(), 1U);
    owned.reset();
    EXPECT_EQ(platform.timerCount(), 0U);
    platform.advanceTo(3.0);
    EXPECT_TRUE(recorder.times.empty());
}

TEST_F(TimerTest, HandlerMayDestroyItsOwnTimer) {
    auto owned = std::make_unique<TTimer>();
    owned->setOnTimer(recorder.handler());
    recorder.during = [&](TTimer&) { owned.reset(); };
    platform.advanceTo(3.0);
    EXPECT_EQ(recorder.times, (std::vector<double>{1.0}));
    EXPECT_EQ(platform.timerCount(), 0U);
}

}  // namespace
}  // namespace pelora::testing
