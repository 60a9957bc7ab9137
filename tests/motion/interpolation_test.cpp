#include "motion/interpolation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ios>
#include <limits>
#include <string>
#include <vector>

namespace pelora {
namespace {

using Kind = TInterpolationType;
using Variant = TAnimationType;

constexpr std::array<const char*, 11> kKindNames{"Linear",  "Quadratic",  "Cubic",       "Quartic",
                                                 "Quintic", "Sinusoidal", "Exponential", "Circular",
                                                 "Elastic", "Back",       "Bounce"};
constexpr std::array<const char*, 3> kVariantNames{"In", "Out", "InOut"};

// The curve function of a kind with the default amplitude, period and overshoot.
float curve(Kind kind, Variant type, float t, float b, float c, float d) {
    switch (kind) {
        case Kind::Linear:
            return InterpolateLinear(t, b, c, d);
        case Kind::Quadratic:
            return InterpolateQuad(t, b, c, d, type);
        case Kind::Cubic:
            return InterpolateCubic(t, b, c, d, type);
        case Kind::Quartic:
            return InterpolateQuart(t, b, c, d, type);
        case Kind::Quintic:
            return InterpolateQuint(t, b, c, d, type);
        case Kind::Sinusoidal:
            return InterpolateSine(t, b, c, d, type);
        case Kind::Exponential:
            return InterpolateExpo(t, b, c, d, type);
        case Kind::Circular:
            return InterpolateCirc(t, b, c, d, type);
        case Kind::Elastic:
            return InterpolateElastic(t, b, c, d, 0, 0, type);
        case Kind::Back:
            return InterpolateBack(t, b, c, d, 0, type);
        case Kind::Bounce:
            return InterpolateBounce(t, b, c, d, type);
    }
    return std::numeric_limits<float>::quiet_NaN();
}

float progressAt(Kind kind, Variant type, double u, double duration = 1.0) {
    return InterpolationProgress(kind, type, static_cast<float>(u * duration),
                                 static_cast<float>(duration));
}

// Progress at u = 0.25, 0.5 and 0.75, to six decimals.
struct ProgressRow {
    Kind kind;
    Variant type;
    std::array<double, 3> atQuarters;
};

const ProgressRow kProgressTable[] = {
    {Kind::Linear, Variant::In, {0.25, 0.5, 0.75}},
    {Kind::Quadratic, Variant::In, {0.0625, 0.25, 0.5625}},
    {Kind::Quadratic, Variant::Out, {0.4375, 0.75, 0.9375}},
    {Kind::Quadratic, Variant::InOut, {0.125, 0.5, 0.875}},
    {Kind::Cubic, Variant::In, {0.015625, 0.125, 0.421875}},
    {Kind::Cubic, Variant::Out, {0.578125, 0.875, 0.984375}},
    {Kind::Cubic, Variant::InOut, {0.0625, 0.5, 0.9375}},
    {Kind::Quartic, Variant::In, {0.003906, 0.0625, 0.316406}},
    {Kind::Quartic, Variant::Out, {0.683594, 0.9375, 0.996094}},
    {Kind::Quartic, Variant::InOut, {0.03125, 0.5, 0.96875}},
    {Kind::Quintic, Variant::In, {0.000977, 0.03125, 0.237305}},
    {Kind::Quintic, Variant::Out, {0.762695, 0.96875, 0.999023}},
    {Kind::Quintic, Variant::InOut, {0.015625, 0.5, 0.984375}},
    {Kind::Sinusoidal, Variant::In, {0.076120, 0.292893, 0.617317}},
    {Kind::Sinusoidal, Variant::Out, {0.382683, 0.707107, 0.923880}},
    {Kind::Sinusoidal, Variant::InOut, {0.146447, 0.5, 0.853553}},
    {Kind::Exponential, Variant::In, {0.005524, 0.03125, 0.176777}},
    {Kind::Exponential, Variant::Out, {0.823223, 0.96875, 0.994476}},
    {Kind::Exponential, Variant::InOut, {0.015625, 0.5, 0.984375}},
    {Kind::Circular, Variant::In, {0.031754, 0.133975, 0.338562}},
    {Kind::Circular, Variant::Out, {0.661438, 0.866025, 0.968246}},
    {Kind::Circular, Variant::InOut, {0.066987, 0.5, 0.933013}},
    {Kind::Elastic, Variant::In, {-0.005524, -0.015625, 0.088388}},
    {Kind::Elastic, Variant::Out, {0.911612, 1.015625, 1.005524}},
    {Kind::Elastic, Variant::InOut, {0.011969, 0.5, 0.988031}},
    {Kind::Back, Variant::In, {-0.064137, -0.087698, 0.182590}},
    {Kind::Back, Variant::Out, {0.817410, 1.087698, 1.064137}},
    {Kind::Back, Variant::InOut, {-0.099682, 0.5, 1.099682}},
    {Kind::Bounce, Variant::In, {0.027344, 0.234375, 0.527344}},
    {Kind::Bounce, Variant::Out, {0.472656, 0.765625, 0.972656}},
    {Kind::Bounce, Variant::InOut, {0.117188, 0.5, 0.882812}},
};

class CurveTest : public testing::TestWithParam<ProgressRow> {};

std::string rowName(const testing::TestParamInfo<ProgressRow>& info) {
    return std::string(kKindNames.at(static_cast<std::size_t>(info.param.kind))) +
           kVariantNames.at(static_cast<std::size_t>(info.param.type));
}

TEST_P(CurveTest, ProgressAtQuartersOfTheRun) {
    const ProgressRow& row = GetParam();
    for (const double duration : {1.0, 3.0}) {
        for (std::size_t i = 0; i < row.atQuarters.size(); ++i) {
            const double u = 0.25 * static_cast<double>(i + 1);
            EXPECT_NEAR(progressAt(row.kind, row.type, u, duration), row.atQuarters.at(i), 1e-6)
                << "u = " << u << ", duration " << duration;
        }
    }
}

TEST_P(CurveTest, ProgressIsExactlyZeroAtTheStartAndOneAtTheEnd) {
    const ProgressRow& row = GetParam();
    for (const float duration : {0.2f, 2.0f, 3.0f, 0.7f}) {
        EXPECT_EQ(InterpolationProgress(row.kind, row.type, 0, duration), 0.0f) << duration;
        EXPECT_EQ(InterpolationProgress(row.kind, row.type, duration, duration), 1.0f) << duration;
    }
}

TEST_P(CurveTest, RunsExactlyFromStartValueToStartPlusChange) {
    const ProgressRow& row = GetParam();
    struct Span {
        float b;
        float c;
    };
    // 5 -> 0 lands on 0 only if the curve reaches exactly 1: any residue shows there.
    for (const Span span : {Span{380, 104}, Span{5, -5}, Span{-2.5f, 0.1f}}) {
        for (const float duration : {0.2f, 2.0f, 0.7f}) {
            EXPECT_EQ(curve(row.kind, row.type, 0, span.b, span.c, duration), span.b);
            EXPECT_EQ(curve(row.kind, row.type, duration, span.b, span.c, duration),
                      span.b + span.c)
                << span.b << " + " << span.c << " over " << duration;
        }
    }
}

// Linear has no variant: it ignores one out of range, where every other kind gives 0.
TEST_P(CurveTest, VariantOutOfRangeGivesZeroThroughoutExceptForLinear) {
    const ProgressRow& row = GetParam();
    const bool linear = row.kind == Kind::Linear;
    for (const int variant : {-1, 3, 7}) {
        const auto type = static_cast<Variant>(variant);
        for (const float t : {0.0f, 0.5f, 2.0f}) {
            EXPECT_EQ(curve(row.kind, type, t, 380, 104, 2), linear ? 380 + 52 * t : 0.0f)
                << variant << " at " << t;
            EXPECT_EQ(InterpolationProgress(row.kind, type, t, 2), linear ? t / 2 : 0.0f)
                << variant << " at " << t;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindAndVariant, CurveTest, testing::ValuesIn(kProgressTable),
                         rowName);

TEST(InterpolationProgress, KindOutOfRangeGivesZeroThroughout) {
    for (const int kind : {-1, 11, 100}) {
        for (const float t : {0.0f, 0.5f, 1.0f}) {
            EXPECT_EQ(InterpolationProgress(static_cast<Kind>(kind), Variant::In, t, 1), 0.0f)
                << kind << " at " << t;
        }
    }
}

TEST(InterpolationProgress, DurationNotAboveZeroGivesZero) {
    for (const float duration : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_EQ(InterpolationProgress(Kind::Linear, Variant::In, 0.5f, duration), 0.0f);
        EXPECT_EQ(InterpolationProgress(Kind::Elastic, Variant::In, 0.5f, duration), 0.0f);
    }
}

TEST(InterpolateLinear, MultipliesBeforeDividing) {
    // 100 * 5.3f / 10 lies exactly halfway between two floats and rounds to the even 53;
    // dividing first lands just above halfway and would give 53.000004.
    EXPECT_EQ(InterpolateLinear(5.3f, 0, 100, 10), 53.0f);
    EXPECT_EQ(InterpolateLinear(5.3f, 0.25f, 100, 10), 53.25f);
}

// Elastic In, the ball's vertical flight: progress against u for any duration. The checkpoints
// have six decimals, and a duration such as 0.7 rounds the elapsed time and the period to float.
TEST(InterpolateElastic, InPassesItsCheckpointsForAnyDuration) {
    struct Checkpoint {
        double u;
        double progress;
    };
    const Checkpoint checkpoints[] = {{0.5, -0.015625}, {0.75, 0.088388},  {0.9, -0.25},
                                      {0.95, 0.353553}, {0.975, 0.728238}, {0.99, 0.912644},
                                      {1.0, 1.0}};
    for (const double duration : {1.0, 2.0, 0.2, 0.7}) {
        for (const Checkpoint& point : checkpoints) {
            EXPECT_NEAR(progressAt(Kind::Elastic, Variant::In, point.u, duration), point.progress,
                        2e-6)
                << "u = " << point.u << ", duration " << duration;
        }
    }
}

TEST(InterpolateElastic, InMovesARealCoordinateAndLandsExactly) {
    // The ball's height from 380 to 484: 25 % of the distance beyond its start at u = 0.9.
    EXPECT_NEAR(InterpolateElastic(1.8f, 380, 104, 2, 0, 0, Variant::In), 354.0f, 1e-3);
    for (const float duration : {0.2f, 2.0f, 3.0f, 0.7f}) {
        EXPECT_EQ(InterpolateElastic(0, 380, 104, duration, 0, 0, Variant::In), 380.0f);
        EXPECT_EQ(InterpolateElastic(duration, 380, 104, duration, 0, 0, Variant::In), 484.0f);
    }
}

TEST(InterpolateElastic, AmplitudeBelowTheChangeAndExplicitPeriodKeepTheDefaults) {
    const float duration = 2;
    for (const float t : {0.3f, 1.1f, 1.73f, 1.95f}) {
        const float byDefault = InterpolateElastic(t, 380, 104, duration, 0, 0, Variant::In);
        EXPECT_NEAR(InterpolateElastic(t, 380, 104, duration, 50, 0, Variant::In), byDefault, 1e-4);
        EXPECT_NEAR(InterpolateElastic(t, 380, 104, duration, 104, 0.6f, Variant::In), byDefault,
                    1e-4);
        EXPECT_NEAR(InterpolateElastic(t, 0, 1, duration, 0, 0.9f, Variant::InOut),
                    InterpolateElastic(t, 0, 1, duration, 0, 0, Variant::InOut), 1e-6);
    }
}

TEST(InterpolateBack, ZeroOvershootSelectsTheDefault) {
    for (const float t : {0.25f, 0.5f, 0.9f}) {
        for (const Variant type : {Variant::In, Variant::Out, Variant::InOut}) {
            EXPECT_EQ(InterpolateBack(t, 0, 1, 1, 0, type),
                      InterpolateBack(t, 0, 1, 1, 1.70158f, type));
        }
    }
}

struct Extremum {
    double value;
    double u;
};

// Scans a whole run in steps of 1e-5 of the duration for the lowest or highest progress.
Extremum scan(Kind kind, Variant type, bool highest) {
    constexpr int kSteps = 100000;
    Extremum found{highest ? -1e9 : 1e9, 0};
    for (int i = 0; i <= kSteps; ++i) {
        const double u = static_cast<double>(i) / kSteps;
        const double value = static_cast<double>(progressAt(kind, type, u));
        if (highest ? value > found.value : value < found.value) {
            found = {value, u};
        }
    }
    return found;
}

TEST(CurveExtremes, ElasticInDipsLateInTheRun) {
    const Extremum lowest = scan(Kind::Elastic, Variant::In, false);
    EXPECT_NEAR(lowest.value, -0.3731, 5e-5);
    EXPECT_NEAR(lowest.u, 0.8653, 1e-4);
}

TEST(CurveExtremes, ElasticOutPeaksEarlyInTheRun) {
    const Extremum highest = scan(Kind::Elastic, Variant::Out, true);
    EXPECT_NEAR(highest.value, 1.3731, 5e-5);
    EXPECT_NEAR(highest.u, 0.1347, 1e-4);
}

TEST(CurveExtremes, ElasticInOutStaysWithinItsSwing) {
    EXPECT_NEAR(scan(Kind::Elastic, Variant::InOut, false).value, -0.1183, 5e-5);
    EXPECT_NEAR(scan(Kind::Elastic, Variant::InOut, true).value, 1.1183, 5e-5);
}

TEST(CurveExtremes, BackInDipsBeforeItRises) {
    const Extremum lowest = scan(Kind::Back, Variant::In, false);
    EXPECT_NEAR(lowest.value, -0.1000, 5e-5);
    EXPECT_NEAR(lowest.u, 0.4199, 1e-4);
}

TEST(InterpolateExpo, InIsExactlyZeroAtTheStartButNotJustAfter) {
    EXPECT_EQ(InterpolateExpo(0, 0, 1, 1, Variant::In), 0.0f);
    EXPECT_NEAR(InterpolateExpo(1e-7f, 0, 1, 1, Variant::In), 1.0 / 1024, 1e-9);
    EXPECT_NEAR(InterpolateExpo(1e-7f, 0, 1, 1, Variant::InOut), 1.0 / 2048, 1e-9);
    EXPECT_NEAR(InterpolateExpo(1 - 1e-7f, 0, 1, 1, Variant::Out), 1 - 1.0 / 1024, 1e-9);
}

TEST(InterpolateBounce, OutIsContinuousWhereItsParabolasMeet) {
    // With a duration of 2.75 the parabolas meet at t = 1, 2 and 2.5: step one float each way.
    const float duration = 2.75f;
    for (const float boundary : {1.0f, 2.0f, 2.5f}) {
        const float before = std::nextafter(boundary, 0.0f);
        const float after = std::nextafter(boundary, duration);
        EXPECT_NEAR(InterpolateBounce(before, 0, 1, duration, Variant::Out), 1.0f, 1e-6)
            << boundary;
        EXPECT_NEAR(InterpolateBounce(after, 0, 1, duration, Variant::Out), 1.0f, 1e-6) << boundary;
    }
}

// The curves give the same floats on every processor: each multiplication and addition is
// rounded on its own (cmake/FloatingPoint.cmake). Near the end of these runs of 3 s a fused
// multiply-add (arm64 has one in its baseline, and GCC uses it unless told not to) rounds
// b + c * progress once and ends one float lower.
struct SeparatelyRounded {
    float t;
    float b;
    float c;
    Variant type;
    float expected;
};

TEST(InterpolateQuint, RoundsEachOperationOnItsOwnAsOnEveryProcessor) {
    const SeparatelyRounded cases[] = {
        {0x1.7fb06p+1f, 0x1.6328f6p+9f, 0x1.69829p+8f, Variant::Out, 0x1.0bf52p+10f},
        {0x1.7fb4f6p+1f, 0x1.546a3ep+9f, 0x1.0be7bp+9f, Variant::Out, 0x1.3028f8p+10f},
        {0x1.7fbb3p+1f, 0x1.f58cccp+8f, 0x1.5a7d7p+9f, Variant::Out, 0x1.2aa1ecp+10f},
        {0x1.7fd566p+1f, 0x1.8795c2p+9f, 0x1.73570cp+9f, Variant::InOut, 0x1.7d7668p+10f},
    };
    for (const SeparatelyRounded& run : cases) {
        EXPECT_EQ(InterpolateQuint(run.t, run.b, run.c, 3.0f, run.type), run.expected)
            << std::hexfloat << "t " << run.t << " b " << run.b << " c " << run.c;
    }
}

}  // namespace
}  // namespace pelora
