// The draws of the system's generator weighed: a million draws made as the show makes them, every
// landing position's numbers and every number's split between blue, yellow and unshown held to
// chi-square bounds that a fair source breaks less than once in a million runs. Sources with a
// known bias of a few per cent break them, so that a pass says something.
#include "support/draw_frequencies.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <span>
#include <string>

#include "app/system_picks.h"
#include "draw/draw_order.h"

namespace pelora {
namespace {

using testing::ChiSquareCheck;
using testing::DrawFrequencies;
using testing::frequencyChecks;

// With a million draws and the bounds below (each of the 40 checks at 1e-6 / 40: 87.64 for the
// 27 degrees of freedom of a position, 35.01 for the 2 of a number's groups), the noncentral
// chi-square law (a Poisson mixture of central ones, summed once with mpmath) gives the checks'
// power:
//  - one number at one landing position drawn 6 % more often (the other 27 a little less):
//    noncentrality 133, caught 99.97 % of the time; 5 %: 95 %; 10 %: always.
//  - one number blue 2 % more often: noncentrality 133, caught but once in 10^8; 1 %: 48 %.
//  - a pick made as a byte modulo its bound (the first four candidates of 28 taken 10/9 as
//    often): noncentrality 1,460 at the first position alone.
// A tenth of the draws would catch only a 15 to 20 % bias at one position.
constexpr int drawCount = 1'000'000;
constexpr double familyFalseAlarm = 1e-6;

using PickSource = std::function<void(std::span<const std::uint32_t>, std::span<std::uint32_t>)>;

DrawFrequencies countDraws(const PickSource& source) {
    DrawFrequencies counts;
    for (int draw = 0; draw < drawCount; ++draw) {
        DrawPicks picks{};
        source(drawPickBounds, picks);
        counts.add(drawOrderFromPicks(picks));
    }
    return counts;
}

std::string describe(const ChiSquareCheck& check) {
    return check.name + ": " + std::to_string(check.statistic) + " against " +
           std::to_string(check.criticalValue) + " (" + std::to_string(check.degreesOfFreedom) +
           " degrees of freedom)";
}

TEST(DrawFrequencies, TheSystemsDrawsPassEveryCheck) {
    SystemPicks system;
    const DrawFrequencies counts =
        countDraws([&system](auto bounds, auto picks) { system.pick(bounds, picks); });
    ASSERT_EQ(counts.draws(), static_cast<std::uint64_t>(drawCount));
    const std::vector<ChiSquareCheck> checks = frequencyChecks(counts, familyFalseAlarm);
    ASSERT_EQ(checks.size(), 40U);
    for (const ChiSquareCheck& check : checks) {
        EXPECT_FALSE(check.failed()) << describe(check);
    }
}

// A scripted stream of words (SplitMix64, fixed seed): the same draws on every run, so that
// whether a biased source is caught does not depend on chance.
class ScriptedWords {
public:
    std::uint32_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31U)) >> 32U);
    }
    // A fair pick below `bound`, as the system's source makes it.
    std::uint32_t below(std::uint32_t bound) {
        return SystemPicks::uniformBelow(bound, [this] { return next(); });
    }
    // True with probability `probability`.
    bool chance(double probability) { return next() < probability * 4294967296.0; }

private:
    std::uint64_t state_ = 20240601;
};

// Every pick fair.
void fairPicks(ScriptedWords& words, std::span<const std::uint32_t> bounds,
               std::span<std::uint32_t> picks) {
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        picks[i] = words.below(bounds[i]);
    }
}

// Each pick one random byte modulo its bound.
void byteModuloPicks(ScriptedWords& words, std::span<const std::uint32_t> bounds,
                     std::span<std::uint32_t> picks) {
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        picks[i] = (words.next() & 0xFFU) % bounds[i];
    }
}

// Number 1, the first candidate, lands first with probability 1.06 / 28: taken outright once in
// 450 draws, else by a fair pick (1/450 + 449/450 / 28 = 1.06 / 28).
void numberOneFirstMoreOften(ScriptedWords& words, std::span<const std::uint32_t> bounds,
                             std::span<std::uint32_t> picks) {
    fairPicks(words, bounds, picks);
    if (words.chance(1.0 / 450.0)) {
        picks[0] = 0;
    }
}

// Number 28 is the last candidate for as long as it is left. At each blue pick it is taken
// outright with probability r, so that it is blue with probability 1 - 0.75 (1 - r)^7; r is set
// for 0.255, 2 % more than the fair 0.25.
void numberTwentyEightBlueMoreOften(ScriptedWords& words, std::span<const std::uint32_t> bounds,
                                    std::span<std::uint32_t> picks) {
    static const double r = 1.0 - std::pow(0.745 / 0.75, 1.0 / 7.0);
    fairPicks(words, bounds, picks);
    for (std::size_t i = 0; i < static_cast<std::size_t>(blueBalls); ++i) {
        const std::uint32_t last = bounds[i] - 1;
        if (picks[i] == last) {
            return;  // taken fairly
        }
        if (words.chance(r)) {
            picks[i] = last;
            return;
        }
    }
}

// Number 28 is never blue: a blue pick that takes it is made again among the others.
void numberTwentyEightNeverBlue(ScriptedWords& words, std::span<const std::uint32_t> bounds,
                                std::span<std::uint32_t> picks) {
    fairPicks(words, bounds, picks);
    for (std::size_t i = 0; i < static_cast<std::size_t>(blueBalls); ++i) {
        if (picks[i] == bounds[i] - 1) {
            picks[i] = words.below(bounds[i] - 1);
        }
    }
}

TEST(DrawFrequencies, ABiasOfAFewPerCentFailsItsCheck) {
    using Source =
        void (*)(ScriptedWords&, std::span<const std::uint32_t>, std::span<std::uint32_t>);
    struct Case {
        const char* bias;
        Source source;
        const char* caughtBy;  // nullptr: nothing fails
    };
    const Case cases[] = {
        {"none: the scripted words picked fairly", fairPicks, nullptr},
        {"a byte modulo each bound", byteModuloPicks, "ball 1"},
        {"number 1 lands first 6 % more often", numberOneFirstMoreOften, "ball 1"},
        {"number 28 blue 2 % more often", numberTwentyEightBlueMoreOften, "groups of 28"},
        {"number 28 never blue", numberTwentyEightNeverBlue, "groups of 28"},
    };
    for (const Case& c : cases) {
        ScriptedWords words;
        const DrawFrequencies counts =
            countDraws([&](auto bounds, auto picks) { c.source(words, bounds, picks); });
        std::string failed;
        for (const ChiSquareCheck& check : frequencyChecks(counts, familyFalseAlarm)) {
            if (check.failed()) {
                failed += " " + check.name;
            }
            if (c.caughtBy != nullptr && check.name == c.caughtBy) {
                EXPECT_TRUE(check.failed()) << c.bias << ": " << describe(check);
            }
        }
        if (c.caughtBy == nullptr) {
            EXPECT_TRUE(failed.empty()) << c.bias << ", failed:" << failed;
        }
    }
}

}  // namespace
}  // namespace pelora
