// What many draws showed, counted for the chi-square checks of a pick source: at each of the
// twelve landing positions how often each number landed there, and for each number how often it
// was blue, yellow, or one of the sixteen never shown. Each check is a goodness-of-fit test
// against a fair draw, every order of 1..28 equally likely.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/facts/show_facts.h"
#include "draw/draw_order.h"

namespace pelora::testing {

enum class BallGroup { Blue, Yellow, Unshown };
inline constexpr std::size_t ballGroupCount = 3;

class DrawFrequencies {
public:
    void add(const LandingOrder& order);

    std::uint64_t draws() const { return draws_; }
    // position 1..12, number 1..28
    std::uint64_t atPosition(std::int32_t position, std::int32_t number) const;
    std::uint64_t inGroup(std::int32_t number, BallGroup group) const;

private:
    std::array<std::array<std::uint64_t, tileCount>, ballsPerDraw> positions_{};
    std::array<std::array<std::uint64_t, ballGroupCount>, tileCount> groups_{};
    std::uint64_t draws_ = 0;
};

struct ChiSquareCheck {
    std::string name;  // "ball 3", "groups of 17"
    int degreesOfFreedom = 0;
    double statistic = 0.0;
    double criticalValue = 0.0;
    bool failed() const { return statistic > criticalValue; }
};

// The family of checks on these counts, each held to the critical value of
// familyFalseAlarm / (number of checks), so that the whole family fails a fair source with at
// most that probability (Bonferroni: true whatever the dependence between the checks).
//  - "ball p", p = 1..12: the 28 numbers' counts at landing position p, 27 degrees of freedom.
//  - "groups of n", n = 1..28: number n's blue / yellow / unshown counts against 7/28, 5/28,
//    16/28, 2 degrees of freedom. Over independent draws each number's three counts are a plain
//    multinomial, so the statistic follows the chi-square law; one 28 x 3 table would have
//    margins fixed by every draw (7 blue, 5 yellow, 16 unshown, each number once), which scales
//    its statistic by 28/27, and would spread a bias on one number over 54 degrees of freedom.
std::vector<ChiSquareCheck> frequencyChecks(const DrawFrequencies& counts, double familyFalseAlarm);

}  // namespace pelora::testing
