#include "motion/float_animation.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "counting_node.h"
#include "finish_log.h"
#include "motion/ani_thread.h"
#include "support/simulated_platform.h"

namespace pelora::testing {
namespace {

class FloatAnimationTest : public ::testing::Test {
protected:
    void SetUp() override {
        aim(animation, node, Aim{});
        animation.OnFinish = log.handler();
    }
    bool runToEnd(TFloatAnimation& which) {
        return platform.runUntil([&] { return !which.Running(); }, 60.0);
    }
    std::vector<TFloatAnimation*> listed() const {
        const TAniThread* driver = TAniThread::existing();
        return driver != nullptr ? driver->running() : std::vector<TFloatAnimation*>{};
    }

    SimulatedPlatform platform;  // first, so that it outlives what follows
    CountingNode node;
    FinishLog log;
    TFloatAnimation animation;  // Position.X of node, 0 -> 100 in 1 s
};

TEST(FloatAnimationDefaults, FreshAnimation) {
    const TFloatAnimation fresh;
    EXPECT_EQ(fresh.Duration, 0.2F);
    EXPECT_EQ(fresh.StartValue, 0.0F);
    EXPECT_EQ(fresh.StopValue, 0.0F);
    EXPECT_FALSE(fresh.StartFromCurrent);
    EXPECT_EQ(fresh.AnimationType, TAnimationType::In);
    EXPECT_EQ(fresh.Interpolation, TInterpolationType::Linear);
    EXPECT_FALSE(fresh.Enabled());
    EXPECT_FALSE(fresh.Running());
    EXPECT_TRUE(fresh.PropertyName().empty());
    EXPECT_EQ(fresh.Parent(), nullptr);
    EXPECT_FALSE(fresh.OnFinish);
    EXPECT_EQ(fresh.NormalizedTime(), 0.0F);
}

TEST_F(FloatAnimationTest, StartAppliesTheFirstFrameBeforeReturning) {
    node.x().value = 42.0F;
    animation.StartValue = 10.0F;
    animation.Start();
    EXPECT_EQ(node.x().value, 10.0F);
    EXPECT_EQ(node.x().writes, 1);
    EXPECT_TRUE(animation.Running());
    EXPECT_TRUE(animation.Enabled());
    EXPECT_EQ(listed(), std::vector<TFloatAnimation*>{&animation});
}

TEST_F(FloatAnimationTest, RunFollowsTheClockAndEndsOnStopValue) {
    animation.Duration = 0.5F;
    animation.Start();
    platform.advanceTo(0.25);
    EXPECT_NEAR(node.x().value, 50.0F, 0.01F);
    EXPECT_TRUE(animation.Running());

    ASSERT_TRUE(runToEnd(animation));
    EXPECT_GE(platform.monotonicSeconds(), 0.5);
    EXPECT_LE(platform.monotonicSeconds(), 0.51);
    EXPECT_EQ(node.x().value, 100.0F);
    EXPECT_EQ(animation.elapsed(), animation.Duration);
    EXPECT_EQ(animation.NormalizedTime(), 1.0F);
    EXPECT_TRUE(animation.Enabled()) << "a run that ends by itself leaves Enabled true";
    EXPECT_EQ(log.finished, std::vector<const TFloatAnimation*>{&animation});
    EXPECT_TRUE(listed().empty());
}

struct EndCase {
    float start;
    float stop;
    TInterpolationType curve;
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << c.start << " -> " << c.stop << " curve " << static_cast<int>(c.curve);
}

class LastFrameTest : public FloatAnimationTest, public ::testing::WithParamInterface<EndCase> {};

// Pairs for which start + (stop - start) in single precision misses stop.
TEST_P(LastFrameTest, IsExactlyStopValue) {
    animation.Duration = 0.3F;
    animation.StartValue = GetParam().start;
    animation.StopValue = GetParam().stop;
    animation.Interpolation = GetParam().curve;
    animation.Start();
    ASSERT_TRUE(runToEnd(animation));
    EXPECT_EQ(node.x().value, GetParam().stop);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LastFrameTest,
    ::testing::Values(EndCase{-331.911987F, 1988.73926F, TInterpolationType::Linear},
                      EndCase{1831.55811F, -352.848511F, TInterpolationType::Linear},
                      EndCase{-1800.18616F, 1061.94043F, TInterpolationType::Elastic},
                      EndCase{1157.11743F, -1111.50183F, TInterpolationType::Elastic}));

// The ball's flight: the horizontal leg, whose finish is the landing, then the vertical leg,
// started in one call with the same duration.
TEST_F(FloatAnimationTest, FlightEndsVerticalFirstThenHorizontalThenItsFinish) {
    TFloatAnimation vertical;
    aim(vertical, node, Aim{"Position.Y", 2.0F, 0.0F, 250.0F});
    aim(animation, node, Aim{"Position.X", 2.0F, 0.0F, 700.0F});
    vertical.Interpolation = TInterpolationType::Elastic;
    animation.StartFromCurrent = true;
    vertical.StartFromCurrent = true;
    node.x().value = -120.0F;
    node.y().value = 80.0F;

    bool verticalDoneAtLanding = false;
    float yAtLanding = 0.0F;
    float xAtLanding = 0.0F;
    log.during = [&](TFloatAnimation&) {
        verticalDoneAtLanding = !vertical.Running() && vertical.elapsed() == vertical.Duration;
        xAtLanding = node.x().value;
        yAtLanding = node.y().value;
        node.x().set(-120.0F);  // the landing sends the ball home
        node.y().set(300.0F);
    };
    animation.Start();
    vertical.Start();
    ASSERT_TRUE(runToEnd(animation));

    EXPECT_TRUE(verticalDoneAtLanding);
    EXPECT_EQ(yAtLanding, 250.0F);
    EXPECT_EQ(xAtLanding, 700.0F);
    EXPECT_EQ(node.x().value, -120.0F);
    EXPECT_EQ(node.y().value, 300.0F);
    EXPECT_EQ(log.finished.size(), 1U);
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(platform.timerCount(), 0U);
}

// After a natural end Enabled stays true; switching it on again starts nothing, and switching it
// off only re-arms: neither writes the property nor fires a finish.
class SwitchAfterANaturalEndTest : public FloatAnimationTest,
                                   public ::testing::WithParamInterface<bool> {};

TEST_P(SwitchAfterANaturalEndTest, DoesNothingVisible) {
    const bool switchTo = GetParam();
    animation.setEnabled(true);
    ASSERT_TRUE(runToEnd(animation));
    ASSERT_TRUE(animation.Enabled());
    node.x().value = 7.0F;
    const int writes = node.x().writes;
    animation.setEnabled(switchTo);
    EXPECT_FALSE(animation.Running());
    EXPECT_EQ(animation.Enabled(), switchTo);
    EXPECT_EQ(node.x().value, 7.0F);
    EXPECT_EQ(node.x().writes, writes);
    EXPECT_EQ(log.finished.size(), 1U) << "only the natural end fired";
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(platform.timerCount(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Switches, SwitchAfterANaturalEndTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& switchInfo) {
                             return switchInfo.param ? "On" : "Off";
                         });

TEST_F(FloatAnimationTest, EnabledFalseOnARunningOneJumpsToStopValueAndFinishesInTheSetter) {
    animation.setEnabled(true);
    platform.advanceTo(0.3);
    float xInHandler = 0.0F;
    bool runningInHandler = true;
    log.during = [&](TFloatAnimation& sender) {
        xInHandler = node.x().value;
        runningInHandler = sender.Running();
    };
    animation.setEnabled(false);
    EXPECT_EQ(log.finished.size(), 1U);
    EXPECT_EQ(xInHandler, 100.0F);
    EXPECT_FALSE(runningInHandler);
    EXPECT_EQ(animation.elapsed(), animation.Duration);
    EXPECT_FALSE(animation.Enabled());
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(platform.timerCount(), 0U);
}

TEST_F(FloatAnimationTest, DisabledInItsOwnFinishFiresNoSecondFinish) {
    log.during = [](TFloatAnimation& sender) { sender.setEnabled(false); };
    animation.setEnabled(true);
    ASSERT_TRUE(runToEnd(animation));
    const int writes = node.x().writes;
    platform.advanceBy(1.0);
    EXPECT_EQ(log.finished.size(), 1U);
    EXPECT_EQ(node.x().writes, writes);
    EXPECT_FALSE(animation.Enabled());
}

TEST_F(FloatAnimationTest, StartedInItsOwnFinishBeginsAFreshRun) {
    log.during = [](TFloatAnimation& sender) {
        if (sender.StopValue == 100.0F) {
            sender.StopValue = 300.0F;
            sender.Start();
        }
    };
    animation.Start();
    ASSERT_TRUE(platform.runUntil([&] { return !log.finished.empty(); }, 60.0));
    EXPECT_EQ(log.finished.size(), 1U);
    EXPECT_TRUE(animation.Running());
    EXPECT_EQ(animation.elapsed(), 0.0F);
    EXPECT_EQ(node.x().value, 0.0F);
    ASSERT_TRUE(runToEnd(animation));
    EXPECT_EQ(node.x().value, 300.0F);
    EXPECT_EQ(log.finished.size(), 2U);
}

TEST_F(FloatAnimationTest, StartOnARunningOneRestartsInPlaceWithoutFinish) {
    TFloatAnimation newer;
    aim(newer, node, Aim{"Position.Y"});
    animation.Start();
    newer.Start();
    platform.advanceTo(0.3);
    animation.StartFromCurrent = true;
    const float current = node.x().value;
    animation.Start();
    EXPECT_TRUE(log.finished.empty());
    EXPECT_TRUE(animation.Running());
    EXPECT_EQ(animation.elapsed(), 0.0F);
    EXPECT_EQ(animation.StartValue, current);
    EXPECT_EQ(listed(), (std::vector<TFloatAnimation*>{&animation, &newer}));
}

TEST_F(FloatAnimationTest, StartFromCurrentKeepsTheValueReadAtTheStartOfTheRun) {
    animation.StartFromCurrent = true;
    node.x().value = 30.0F;
    animation.setEnabled(true);
    ASSERT_TRUE(runToEnd(animation));
    EXPECT_EQ(animation.StartValue, 30.0F);

    node.x().value = 55.0F;
    animation.setEnabled(false);
    animation.setEnabled(true);
    EXPECT_EQ(animation.StartValue, 55.0F);
    EXPECT_EQ(node.x().value, 55.0F);
}

TEST_F(FloatAnimationTest, LateTickAdvancesByTheWholeElapsedTime) {
    animation.Start();
    platform.stall(0.25);
    EXPECT_EQ(node.x().value, 0.0F);
    platform.advanceBy(0.0);
    EXPECT_EQ(animation.elapsed(), 0.25F);
    EXPECT_EQ(node.x().value, 25.0F);
}

TEST_F(FloatAnimationTest, RunEndsOnTheTickThatReachesItsDurationExactly) {
    animation.Duration = 0.25F;
    animation.Start();
    platform.stall(0.25);
    platform.advanceBy(0.0);
    EXPECT_FALSE(animation.Running());
    EXPECT_EQ(node.x().value, 100.0F);
    EXPECT_EQ(log.finished.size(), 1U);
}

// Also the first flight, started while the window is created and shown only after its
// duration has passed.
TEST_F(FloatAnimationTest, StallLongerThanTheRestEndsTheRunOnTheNextTickWithTheFinalValue) {
    animation.Duration = 0.5F;
    animation.Start();
    platform.advanceTo(0.2);
    const int writes = node.x().writes;
    platform.stall(1.0);
    EXPECT_TRUE(animation.Running());
    platform.advanceBy(0.0);
    EXPECT_FALSE(animation.Running());
    EXPECT_EQ(node.x().value, 100.0F);
    EXPECT_EQ(node.x().writes, writes + 1) << "only the final value is shown";
    EXPECT_EQ(log.finished.size(), 1U);
}

struct BendCase {
    std::string name;
    std::function<void(TFloatAnimation&)> change;
    float valueAtHalfPlusOneFrame;  // 0.51 s into a 1 s run
    float finalValue;
};

void PrintTo(const BendCase& c, std::ostream* out) {
    *out << c.name;
}

class BendTest : public FloatAnimationTest, public ::testing::WithParamInterface<BendCase> {};

TEST_P(BendTest, ChangedEndValueBendsTheRestOfTheRun) {
    animation.Start();
    platform.advanceTo(0.5);
    GetParam().change(animation);
    platform.advanceTo(0.51);
    EXPECT_NEAR(node.x().value, GetParam().valueAtHalfPlusOneFrame, 0.01F);
    ASSERT_TRUE(runToEnd(animation));
    EXPECT_EQ(node.x().value, GetParam().finalValue);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BendTest,
    ::testing::Values(
        BendCase{"StopValue", [](TFloatAnimation& a) { a.StopValue = 200.0F; }, 102.0F, 200.0F},
        BendCase{"StartValue", [](TFloatAnimation& a) { a.StartValue = 50.0F; }, 75.5F, 100.0F}),
    [](const auto& test) { return test.param.name; });

struct UnresolvedCase {
    std::string name;
    bool withParent;
    std::string path;
};

void PrintTo(const UnresolvedCase& c, std::ostream* out) {
    *out << c.name;
}

class UnresolvedTargetTest : public FloatAnimationTest,
                             public ::testing::WithParamInterface<UnresolvedCase> {
protected:
    void SetUp() override {
        FloatAnimationTest::SetUp();
        animation.setParent(GetParam().withParent ? &node : nullptr);
        animation.setPropertyName(GetParam().path);
    }
    void expectNothingHappened() {
        EXPECT_FALSE(animation.Running());
        EXPECT_TRUE(log.finished.empty());
        EXPECT_TRUE(listed().empty());
        EXPECT_EQ(platform.timerCount(), 0U);
        EXPECT_EQ(node.x().writes + node.y().writes + node.rotationAngle.writes, 0);
    }
};

TEST_P(UnresolvedTargetTest, StartDoesNothingAtAll) {
    animation.Start();
    expectNothingHappened();
    EXPECT_FALSE(animation.Enabled());
}

TEST_P(UnresolvedTargetTest, SwitchLeavesEnabledTrueAndNothingElse) {
    animation.setEnabled(true);
    expectNothingHappened();
    EXPECT_TRUE(animation.Enabled());
    animation.setEnabled(false);
    expectNothingHappened();
}

INSTANTIATE_TEST_SUITE_P(Paths, UnresolvedTargetTest,
                         ::testing::Values(UnresolvedCase{"NoParent", false, "Position.X"},
                                           UnresolvedCase{"EmptyName", true, ""},
                                           UnresolvedCase{"NoSuchObject", true, "Size.X"},
                                           UnresolvedCase{"NoSuchFloat", true, "Position.Z"},
                                           UnresolvedCase{"FloatUsedAsObject", true,
                                                          "RotationAngle.X"},
                                           UnresolvedCase{"ObjectUsedAsFloat", true, "Position"}),
                         [](const auto& test) { return test.param.name; });

struct PathCase {
    std::string path;
    CountingField& (*field)(CountingNode&);
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.path;
}

class PathTest : public FloatAnimationTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(PathTest, MatchesNamesIgnoringCase) {
    animation.setPropertyName(GetParam().path);
    animation.StartValue = 5.0F;
    animation.Start();
    EXPECT_EQ(GetParam().field(node).value, 5.0F);
    EXPECT_EQ(node.x().writes + node.y().writes + node.rotationAngle.writes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathTest,
    ::testing::Values(
        PathCase{"position.x", [](CountingNode& n) -> CountingField& { return n.x(); }},
        PathCase{"POSITION.Y", [](CountingNode& n) -> CountingField& { return n.y(); }},
        PathCase{"rotationANGLE",
                 [](CountingNode& n) -> CountingField& { return n.rotationAngle; }}));

struct CacheCase {
    std::string name;
    std::function<void(TFloatAnimation&, CountingNode& node, CountingNode& other)> between;
    bool resolvesAgain;
};

void PrintTo(const CacheCase& c, std::ostream* out) {
    *out << c.name;
}

class TargetCacheTest : public FloatAnimationTest,
                        public ::testing::WithParamInterface<CacheCase> {};

// Counts the path look-ups made by a second start, after the first run ended by itself.
TEST_P(TargetCacheTest, IsReleasedOnlyByStopANewParentOrANewName) {
    CountingNode other;
    animation.Start();
    ASSERT_TRUE(runToEnd(animation));
    GetParam().between(animation, node, other);
    const int lookupsBefore = node.lookups + other.lookups;
    animation.Start();
    EXPECT_EQ(node.lookups + other.lookups > lookupsBefore, GetParam().resolvesAgain);
}

INSTANTIATE_TEST_SUITE_P(
    Between, TargetCacheTest,
    ::testing::Values(
        CacheCase{"NaturalEnd", [](TFloatAnimation&, CountingNode&, CountingNode&) {}, false},
        CacheCase{"StopWhileIdle",
                  [](TFloatAnimation& a, CountingNode&, CountingNode&) { a.Stop(); }, true},
        CacheCase{"NameInOtherCase",
                  [](TFloatAnimation& a, CountingNode&, CountingNode&) {
                      a.setPropertyName("POSITION.x");
                  },
                  false},
        CacheCase{"OtherName",
                  [](TFloatAnimation& a, CountingNode&, CountingNode&) {
                      a.setPropertyName("Position.Y");
                  },
                  true},
        CacheCase{"SameParent",
                  [](TFloatAnimation& a, CountingNode& n, CountingNode&) { a.setParent(&n); },
                  false},
        CacheCase{"OtherParent",
                  [](TFloatAnimation& a, CountingNode&, CountingNode& o) { a.setParent(&o); },
                  true}),
    [](const auto& test) { return test.param.name; });

TEST_F(FloatAnimationTest, NewParentIsDrivenAfterTheCacheIsReleased) {
    CountingNode other;
    animation.Start();
    ASSERT_TRUE(runToEnd(animation));
    const int writes = node.x().writes;
    animation.setParent(&other);
    animation.Start();
    ASSERT_TRUE(runToEnd(animation));
    EXPECT_EQ(other.x().value, 100.0F);
    EXPECT_EQ(node.x().writes, writes);
}

TEST_F(FloatAnimationTest, SwitchWhileLoadingOnlyStoresTheFlag) {
    animation.setLoading(true);
    animation.setEnabled(true);
    animation.setLoading(false);
    EXPECT_TRUE(animation.Enabled());
    EXPECT_FALSE(animation.Running());
    EXPECT_EQ(node.x().writes, 0);
    EXPECT_EQ(platform.timerCount(), 0U);
}

}  // namespace
}  // namespace pelora::testing
