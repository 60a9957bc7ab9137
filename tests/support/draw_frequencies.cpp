#include "draw_frequencies.h"

#include <stdexcept>

#include "chi_square.h"

namespace pelora::testing {
namespace {

// Pearson's statistic of observed counts against expected ones.
template <std::size_t N>
double pearson(const std::array<std::uint64_t, N>& observed,
               const std::array<double, N>& expected) {
    double sum = 0.0;
    for (std::size_t i = 0; i < N; ++i) {
        const double difference = static_cast<double>(observed[i]) - expected[i];
        sum += difference * difference / expected[i];
    }
    return sum;
}

std::size_t slot(std::int32_t value, std::int32_t last) {
    if (value < 1 || value > last) {
        throw std::out_of_range("draw frequencies: no such position or number");
    }
    return static_cast<std::size_t>(value - 1);
}

}  // namespace

void DrawFrequencies::add(const LandingOrder& order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t number = slot(order[i], tileCount);
        if (i < positions_.size()) {
            ++positions_[i][number];
        }
        const BallGroup group = i < static_cast<std::size_t>(blueBalls)      ? BallGroup::Blue
                                : i < static_cast<std::size_t>(ballsPerDraw) ? BallGroup::Yellow
                                                                             : BallGroup::Unshown;
        ++groups_[number][static_cast<std::size_t>(group)];
    }
    ++draws_;
}

std::uint64_t DrawFrequencies::atPosition(std::int32_t position, std::int32_t number) const {
    return positions_[slot(position, ballsPerDraw)][slot(number, tileCount)];
}

std::uint64_t DrawFrequencies::inGroup(std::int32_t number, BallGroup group) const {
    return groups_[slot(number, tileCount)][static_cast<std::size_t>(group)];
}

std::vector<ChiSquareCheck> frequencyChecks(const DrawFrequencies& counts,
                                            double familyFalseAlarm) {
    constexpr int checkCount = ballsPerDraw + tileCount;
    const double eachFalseAlarm = familyFalseAlarm / checkCount;
    const auto draws = static_cast<double>(counts.draws());
    std::vector<ChiSquareCheck> checks;

    std::array<double, tileCount> fairAtPosition{};
    fairAtPosition.fill(draws / tileCount);
    const int positionFreedom = tileCount - 1;
    const double positionBound = chiSquareCriticalValue(positionFreedom, eachFalseAlarm);
    for (std::int32_t position = 1; position <= ballsPerDraw; ++position) {
        std::array<std::uint64_t, tileCount> observed{};
        for (std::int32_t number = 1; number <= tileCount; ++number) {
            observed[slot(number, tileCount)] = counts.atPosition(position, number);
        }
        checks.push_back({"ball " + std::to_string(position), positionFreedom,
                          pearson(observed, fairAtPosition), positionBound});
    }

    const std::array<double, ballGroupCount> fairGroups = {
        draws * blueBalls / tileCount, draws * yellowBalls / tileCount,
        draws * (tileCount - ballsPerDraw) / tileCount};
    const int groupFreedom = ballGroupCount - 1;
    const double groupBound = chiSquareCriticalValue(groupFreedom, eachFalseAlarm);
    for (std::int32_t number = 1; number <= tileCount; ++number) {
        const std::array<std::uint64_t, ballGroupCount> observed = {
            counts.inGroup(number, BallGroup::Blue), counts.inGroup(number, BallGroup::Yellow),
            counts.inGroup(number, BallGroup::Unshown)};
        checks.push_back({"groups of " + std::to_string(number), groupFreedom,
                          pearson(observed, fairGroups), groupBound});
    }
    return checks;
}

}  // namespace pelora::testing
