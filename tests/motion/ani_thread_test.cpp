#include "motion/ani_thread.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "counting_node.h"
#include "finish_log.h"
#include "motion/error.h"
#include "motion/float_animation.h"
#include "support/simulated_platform.h"

namespace pelora::testing {
namespace {

class AniThreadTest : public ::testing::Test {
protected:
    bool runToEnd(const TFloatAnimation& which) {
        return platform.runUntil([&] { return !which.Running(); }, 60.0);
    }
    std::unique_ptr<TFloatAnimation> make(const Aim& how) {
        auto animation = std::make_unique<TFloatAnimation>();
        aim(*animation, node, how);
        animation->OnFinish = log.handler();
        return animation;
    }

    SimulatedPlatform platform;  // first, so that it outlives what follows
    CountingNode node;
    FinishLog log;
};

TEST_F(AniThreadTest, FramePeriodIsTenMilliseconds) {
    EXPECT_EQ(TAniThread::periodMs, 10U);
    auto animation = make(Aim{});
    animation->Start();
    EXPECT_TRUE(platform.hasTimerWithPeriod(10));
    platform.advanceTo(0.05);
    EXPECT_EQ(platform.ticksDelivered(), 5U);
}

// When nothing moves no animation timer exists at the platform.
TEST_F(AniThreadTest, PlatformTimerExistsExactlyWhileSomethingRuns) {
    EXPECT_EQ(TAniThread::existing(), nullptr);
    auto longer = make(Aim{"Position.X", 1.0F});
    auto shorter = make(Aim{"Position.Y", 0.5F});
    longer->Start();
    shorter->Start();
    EXPECT_EQ(platform.timerCount(), 1U);
    ASSERT_TRUE(runToEnd(*shorter));
    EXPECT_EQ(platform.timerCount(), 1U);
    EXPECT_TRUE(TAniThread::instance().timerRunning());
    ASSERT_TRUE(runToEnd(*longer));
    EXPECT_EQ(platform.timerCount(), 0U);
    EXPECT_FALSE(TAniThread::instance().timerRunning());
    EXPECT_NE(TAniThread::existing(), nullptr) << "the driver lives on";

    longer->Start();
    EXPECT_EQ(platform.timerCount(), 1U);
    longer->setEnabled(false);
    EXPECT_EQ(platform.timerCount(), 0U);
}

TEST_F(AniThreadTest, OneTickVisitsTheNewestFirst) {
    auto first = make(Aim{"Position.X", 0.3F});
    auto second = make(Aim{"Position.Y", 0.3F});
    auto third = make(Aim{"RotationAngle", 0.3F});
    first->Start();
    second->Start();
    third->Start();
    ASSERT_TRUE(runToEnd(*first));
    EXPECT_EQ(log.finished,
              (std::vector<const TFloatAnimation*>{third.get(), second.get(), first.get()}));
}

// The driver's last tick time is taken when its timer goes on, not kept from an earlier run.
TEST_F(AniThreadTest, FirstTickAfterAnIdleSpellMeasuresFromTheStart) {
    auto earlier = make(Aim{"Position.X", 0.2F});
    earlier->Start();
    ASSERT_TRUE(runToEnd(*earlier));
    platform.advanceTo(5.0);
    auto later = make(Aim{"Position.Y", 1.0F});
    later->Start();
    platform.advanceBy(0.01);
    EXPECT_EQ(later->elapsed(), 0.01F);
}

TEST_F(AniThreadTest, StepWithNoElapsedTimeTicksNothing) {
    auto animation = make(Aim{});
    animation->Start();
    const int writes = node.x().writes;
    TAniThread::instance().OneStep();
    EXPECT_EQ(node.x().writes, writes);
    platform.advanceBy(0.01);
    EXPECT_EQ(node.x().writes, writes + 1);
    TAniThread::instance().OneStep();
    EXPECT_EQ(node.x().writes, writes + 1);
}

TEST_F(AniThreadTest, AnimationStartedByAFinishIsFirstAdvancedAtTheNextTick) {
    auto chained = make(Aim{"Position.Y", 1.0F});
    auto first = make(Aim{"Position.X", 0.1F});
    log.during = [&](TFloatAnimation& sender) {
        if (&sender == first.get()) {
            chained->Start();
        }
    };
    first->Start();
    ASSERT_TRUE(runToEnd(*first));
    EXPECT_TRUE(chained->Running());
    EXPECT_EQ(chained->elapsed(), 0.0F);
    EXPECT_EQ(TAniThread::instance().running(), std::vector<TFloatAnimation*>{chained.get()});
    platform.advanceBy(0.01);
    EXPECT_EQ(chained->elapsed(), 0.01F);
}

struct WalkCase {
    std::string name;
    // Done by the newest animation's finish (oldest on X, middle on Y); returns the field of the
    // one expected to be ticked still.
    std::function<CountingField*(std::unique_ptr<TFloatAnimation>& oldest,
                                 std::unique_ptr<TFloatAnimation>& middle, CountingNode& node)>
        onNewestFinish;
};

void PrintTo(const WalkCase& c, std::ostream* out) {
    *out << c.name;
}

class WalkTest : public AniThreadTest, public ::testing::WithParamInterface<WalkCase> {};

// A finish handler that removes entries not yet visited does not make the walk skip the rest.
TEST_P(WalkTest, EntriesLeftUnvisitedAreStillTickedWhenAHandlerRemovesOthers) {
    auto oldest = make(Aim{"Position.X", 10.0F});
    auto middle = make(Aim{"Position.Y", 10.0F});
    auto newest = make(Aim{"RotationAngle", 0.05F});
    CountingField* survivor = nullptr;
    log.during = [&](TFloatAnimation& sender) {
        if (&sender == newest.get()) {
            survivor = GetParam().onNewestFinish(oldest, middle, node);
        }
    };
    oldest->Start();
    middle->Start();
    newest->Start();
    ASSERT_TRUE(runToEnd(*newest));
    ASSERT_NE(survivor, nullptr);
    EXPECT_EQ(static_cast<std::uint64_t>(survivor->writes), 1 + platform.ticksDelivered())
        << "the first frame, then one frame per tick";
}

INSTANTIATE_TEST_SUITE_P(Removals, WalkTest,
                         ::testing::Values(WalkCase{"StopMiddle",
                                                    [](auto&, auto& middle, CountingNode& n) {
                                                        middle->setEnabled(false);
                                                        return &n.x();
                                                    }},
                                           WalkCase{"StopOldest",
                                                    [](auto& oldest, auto&, CountingNode& n) {
                                                        oldest->setEnabled(false);
                                                        return &n.y();
                                                    }},
                                           WalkCase{"DestroyMiddle",
                                                    [](auto&, auto& middle, CountingNode& n) {
                                                        middle.reset();
                                                        return &n.x();
                                                    }}),
                         [](const auto& test) { return test.param.name; });

TEST_F(AniThreadTest, ErrorFromAFinishEndsTheWalkAndLeavesTheTick) {
    auto older = make(Aim{"Position.X", 0.1F});
    auto newer = make(Aim{"Position.Y", 0.1F});
    log.during = [&](TFloatAnimation& sender) {
        if (&sender == newer.get()) {
            throw ShowError("Erreur de fin");
        }
    };
    older->Start();
    newer->Start();
    ASSERT_TRUE(runToEnd(*newer));
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"Erreur de fin"});
    EXPECT_TRUE(older->Running()) << "not visited by the failed tick";
    EXPECT_LT(older->elapsed(), newer->elapsed());
    EXPECT_EQ(log.count(*older), 0);

    platform.advanceBy(0.01);
    EXPECT_FALSE(older->Running());
    EXPECT_EQ(log.count(*older), 1);
    EXPECT_EQ(platform.timerCount(), 0U);
}

TEST_F(AniThreadTest, RestartKeepsItsPlaceAndAnAnimationIsListedOnce) {
    auto older = make(Aim{});
    auto newer = make(Aim{"Position.Y"});
    older->Start();
    newer->Start();
    older->Start();
    TAniThread::instance().AddAnimation(*newer);
    EXPECT_EQ(TAniThread::instance().running(),
              (std::vector<TFloatAnimation*>{older.get(), newer.get()}));
}

TEST_F(AniThreadTest, DestroyedWhileRunningLeavesTheListWithoutFinish) {
    auto older = make(Aim{});
    auto newer = make(Aim{"Position.Y"});
    older->Start();
    newer->Start();
    platform.advanceTo(0.1);
    newer.reset();
    EXPECT_EQ(TAniThread::instance().running(), std::vector<TFloatAnimation*>{older.get()});
    older.reset();
    EXPECT_TRUE(TAniThread::instance().running().empty());
    EXPECT_EQ(platform.timerCount(), 0U);
    platform.advanceTo(2.0);
    EXPECT_TRUE(log.finished.empty());
}

TEST_F(AniThreadTest, RefusedFrameTimerLeavesStartAndALaterStartWorks) {
    auto animation = make(Aim{});
    platform.refuseNextTimer(8);
    try {
        animation->setEnabled(true);
        FAIL() << "no error raised";
    } catch (const ShowError& error) {
        EXPECT_STREQ(error.what(), "Création du timer impossible :  systemErrorCode = 8");
    }
    EXPECT_TRUE(animation->Enabled());
    EXPECT_FALSE(animation->Running());
    EXPECT_TRUE(TAniThread::instance().running().empty());
    EXPECT_EQ(platform.timerCount(), 0U);

    animation->Start();
    EXPECT_TRUE(platform.hasTimerWithPeriod(10));
    ASSERT_TRUE(runToEnd(*animation));
    EXPECT_EQ(node.x().value, 100.0F);
}

}  // namespace
}  // namespace pelora::testing
