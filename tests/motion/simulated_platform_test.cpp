#include "support/simulated_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "motion/ani_thread.h"
#include "motion/error.h"
#include "motion/timer.h"

namespace pelora::testing {
namespace {

struct Tick {
    std::string timer;
    double at;
    bool operator==(const Tick&) const = default;
};

void PrintTo(const Tick& tick, std::ostream* out) {
    *out << tick.timer << "@" << tick.at;
}

class SimulatedPlatformTest : public ::testing::Test {
protected:
    PlatformTimerId create(const std::string& name, std::uint32_t periodMs,
                           std::function<void()> alsoDo = {}) {
        int errorCode = 0;
        return platform.createTimer(
            periodMs,
            [this, name, alsoDo = std::move(alsoDo)] {
                ticks.push_back({name, platform.monotonicSeconds()});
                if (alsoDo) {
                    alsoDo();
                }
            },
            errorCode);
    }

    SimulatedPlatform platform;
    std::vector<Tick> ticks;
};

TEST_F(SimulatedPlatformTest, DeliversInTimeOrderWithTiesByCreationOrder) {
    create("b", 500);
    create("a", 300);
    create("c", 500);
    platform.advanceTo(1.0);
    EXPECT_EQ(
        ticks,
        (std::vector<Tick>{
            {"a", 0.3}, {"b", 0.5}, {"c", 0.5}, {"a", 0.6}, {"a", 0.9}, {"b", 1.0}, {"c", 1.0}}));
    EXPECT_EQ(platform.monotonicSeconds(), 1.0);
    EXPECT_EQ(platform.ticksDelivered(), 7U);
}

TEST_F(SimulatedPlatformTest, FirstTickComesOneFullPeriodAfterCreation) {
    platform.advanceTo(0.25);
    create("late", 1000);
    platform.advanceTo(1.2);
    EXPECT_TRUE(ticks.empty());
    platform.advanceTo(1.25);
    EXPECT_EQ(ticks, (std::vector<Tick>{{"late", 1.25}}));
}

struct StallCase {
    double stallSeconds;
    std::vector<double> tickTimes;  // up to 0.8 s, for a 200 ms timer created at 0
};

void PrintTo(const StallCase& c, std::ostream* out) {
    *out << "stall " << c.stallSeconds;
}

class StallTest : public SimulatedPlatformTest, public ::testing::WithParamInterface<StallCase> {};

// Periods that fall due during a stall merge into one late tick; the next tick keeps the phase
// when it is still ahead, else comes one full period after the late one.
TEST_P(StallTest, MissedPeriodsMergeIntoOneLateTick) {
    create("t", 200);
    platform.stall(GetParam().stallSeconds);
    EXPECT_TRUE(ticks.empty()) << "a stall delivers nothing";
    platform.advanceTo(0.8);
    std::vector<double> times;
    for (const Tick& tick : ticks) {
        times.push_back(tick.at);
    }
    EXPECT_EQ(times, GetParam().tickTimes);
}

INSTANTIATE_TEST_SUITE_P(Stalls, StallTest,
                         ::testing::Values(StallCase{0.1, {0.2, 0.4, 0.6, 0.8}},
                                           StallCase{0.3, {0.3, 0.4, 0.6, 0.8}},
                                           StallCase{0.45, {0.45, 0.65}}, StallCase{0.7, {0.7}}));

TEST_F(SimulatedPlatformTest, DestroyingATimerDropsItsPendingTick) {
    PlatformTimerId second = 0;
    create("first", 100, [&] { platform.destroyTimer(second); });
    second = create("second", 100);
    platform.advanceTo(0.5);
    EXPECT_EQ(ticks.size(), 5U);
    EXPECT_EQ(platform.timerCount(), 1U);
    for (const Tick& tick : ticks) {
        EXPECT_EQ(tick.timer, "first");
    }
}

TEST_F(SimulatedPlatformTest, HandlerMayDestroyItsOwnTimer) {
    PlatformTimerId self = 0;
    self = create("self", 100, [&] { platform.destroyTimer(self); });
    create("other", 100);
    platform.advanceTo(0.35);
    EXPECT_EQ(ticks,
              (std::vector<Tick>{{"self", 0.1}, {"other", 0.1}, {"other", 0.2}, {"other", 0.3}}));
    EXPECT_EQ(platform.timerCount(), 1U);
}

TEST_F(SimulatedPlatformTest, TimerCreatedDuringATickStartsItsPeriodThen) {
    bool created = false;
    create("outer", 300, [&] {
        if (!created) {
            created = true;
            create("inner", 200);
        }
    });
    platform.advanceTo(0.75);
    EXPECT_EQ(ticks,
              (std::vector<Tick>{{"outer", 0.3}, {"inner", 0.5}, {"outer", 0.6}, {"inner", 0.7}}));
}

TEST_F(SimulatedPlatformTest, RunUntilStopsAtTheTickThatSatisfiesThePredicate) {
    create("t", 100);
    EXPECT_TRUE(platform.runUntil([&] { return ticks.size() == 3; }, 10.0));
    EXPECT_EQ(platform.monotonicSeconds(), 0.3);
    EXPECT_EQ(ticks.size(), 3U);
}

TEST_F(SimulatedPlatformTest, RunUntilGivesUpAtTheLimit) {
    create("t", 400);
    EXPECT_FALSE(platform.runUntil([] { return false; }, 1.0));
    EXPECT_EQ(platform.monotonicSeconds(), 1.0);
    EXPECT_EQ(ticks.size(), 2U);
}

TEST_F(SimulatedPlatformTest, ErrorEscapingATickIsRecordedAndTheTimerGoesOn) {
    create("t", 100, [] { throw ShowError("Erreur de test"); });
    platform.advanceTo(0.3);
    EXPECT_EQ(ticks.size(), 3U);
    EXPECT_EQ(platform.errors(), std::vector<std::string>(3, "Erreur de test"));
}

TEST_F(SimulatedPlatformTest, ErrorsOfTicksAndPostedCallsAllGoToTheErrorHandler) {
    std::vector<std::string> handled;
    platform.setErrorHandler([&](const std::string& message) { handled.push_back(message); });
    create("t", 100, [this] {
        platform.post([] { throw 7; });
        throw ShowError("Erreur de test");
    });
    platform.advanceTo(0.1);
    EXPECT_EQ(handled, (std::vector<std::string>{"Erreur de test", "Erreur inattendue"}));
    EXPECT_EQ(platform.errors(), handled);
}

// As with a queued call on the real event loop: the call waits for the handler that posted it,
// and then for nothing else.
TEST_F(SimulatedPlatformTest, APostedCallRunsOnceTheHandlerHasReturnedAndBeforeAnyFurtherTick) {
    const auto note = [this](const std::string& what) {
        ticks.push_back({what, platform.monotonicSeconds()});
    };
    create("a", 100, [&] {
        platform.post([&] { note("posted"); });
        note("a returns");
    });
    create("b", 100);
    platform.advanceTo(0.1);
    EXPECT_EQ(ticks,
              (std::vector<Tick>{{"a", 0.1}, {"a returns", 0.1}, {"posted", 0.1}, {"b", 0.1}}));

    ticks.clear();
    platform.post([&] { note("posted outside"); });
    EXPECT_TRUE(ticks.empty()) << "waits for the event loop";
    platform.advanceBy(0.0);
    EXPECT_EQ(ticks, (std::vector<Tick>{{"posted outside", 0.1}}));
    EXPECT_EQ(platform.postedCount(), 0U);
}

// A modal box opened inside a tick handler runs a loop of its own: every other timer goes on,
// but the one whose handler is still running waits, and gives one late tick once it returns.
TEST_F(SimulatedPlatformTest, ALoopNestedInATickSkipsThatTimerWhichThenTicksOnceLate) {
    bool nested = false;
    create("a", 100, [&] {
        if (!nested) {
            nested = true;
            platform.advanceBy(0.35);
        }
    });
    create("b", 100);
    platform.advanceTo(0.6);
    EXPECT_EQ(ticks, (std::vector<Tick>{{"a", 0.1},
                                        {"b", 0.1},
                                        {"b", 0.2},
                                        {"b", 0.3},
                                        {"b", 0.4},
                                        {"a", 0.45},
                                        {"b", 0.5},
                                        {"a", 0.55},
                                        {"b", 0.6}}));
}

TEST_F(SimulatedPlatformTest, RefusesOnlyTheNextTimer) {
    platform.refuseNextTimer(1450);
    int errorCode = 0;
    EXPECT_EQ(platform.createTimer(
                  100, [] {}, errorCode),
              0U);
    EXPECT_EQ(errorCode, 1450);
    EXPECT_EQ(platform.timerCount(), 0U);
    EXPECT_NE(platform.createTimer(
                  100, [] {}, errorCode),
              0U);
    EXPECT_TRUE(platform.hasTimerWithPeriod(100));
}

TEST(SimulatedPlatformLifetime, DestructionUninstallsAndDestroysTheDriver) {
    {
        SimulatedPlatform platform;
        EXPECT_EQ(&currentPlatform(), &platform);
        TAniThread::instance();
        ASSERT_NE(TAniThread::existing(), nullptr);
    }
    EXPECT_EQ(TAniThread::existing(), nullptr);
    EXPECT_THROW(currentPlatform(), ShowError);
}

struct IgnoredTicks {
    void onTimer(TTimer& /*sender*/) {}
};

// Against the documented order, a timer component outlives its platform: destroying it later
// must neither fail nor touch a timer of the platform installed since.
TEST(SimulatedPlatformLifetime, TimerOutlivingItsPlatformIsDestroyedHarmlessly) {
    IgnoredTicks handler;
    auto outliving = std::make_unique<TTimer>();
    {
        SimulatedPlatform first;
        outliving->setOnTimer(Event<TTimer>::bind<&IgnoredTicks::onTimer>(handler));
        ASSERT_TRUE(outliving->hasPlatformTimer());
    }
    SimulatedPlatform second;
    int errorCode = 0;
    second.createTimer(
        1000, [] {}, errorCode);
    outliving.reset();
    EXPECT_EQ(second.timerCount(), 1U);
}

}  // namespace
}  // namespace pelora::testing
