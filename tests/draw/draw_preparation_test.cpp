#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>

#include "motion/error.h"
#include "support/headless_show.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

using testing::HeadlessShow;
using testing::SimulatedPlatform;

// Sets the counter so that the next Randomize leaves the generator at `seed`: the counter's low
// half cancels the draw Randomize makes from the current state.
void seedNextDraw(SimulatedPlatform& platform, std::uint32_t seed) {
    testing::ClockSeededGenerator probe = platform.clockSeededGenerator();
    const auto r = static_cast<std::uint32_t>(probe.Random(0x7FFFFFFF));
    platform.setPerformanceCounter(static_cast<std::uint64_t>(r ^ seed));
}

std::vector<std::string> texts(std::initializer_list<int> numbers) {
    std::vector<std::string> result;
    for (int n : numbers) {
        result.push_back(std::to_string(n));
    }
    return result;
}

class DrawPreparation : public ::testing::Test {
protected:
    SimulatedPlatform platform;
    HeadlessShow show;
    DrawCycle& cycle = show.cycle;
};

TEST_F(DrawPreparation, SeedZeroGivesTheKnownDraw) {
    seedNextDraw(platform, 0U);
    cycle.TirageAlea();

    const int expected[] = {1, 2, 25, 8, 10, 20, 12, 6, 14, 16, 4, 18};
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(cycle.state.Tirage[i], expected[i - 1]) << "ball " << i;
    }
    EXPECT_EQ(cycle.ListBox2.items(), texts({1, 2, 8, 10, 12, 20, 25}));
    EXPECT_EQ(cycle.ListBox3.items(), texts({4, 6, 14, 16, 18}));
    ASSERT_EQ(show.stage.recap.size(), 1U);
    const std::array<std::string, 13> row = {"N°1", "1", "2", "8",  "10", "12", "20",
                                             "25",  "4", "6", "14", "16", "18"};
    EXPECT_EQ(show.stage.recap[0], row);
    ASSERT_EQ(cycle.ListBox1.count(), 28);
    EXPECT_EQ(cycle.ListBox1.at(2), "25");
}

TEST_F(DrawPreparation, EveryDrawIsAPermutationWithSortedGroupsAndItsRecapRow) {
    for (std::uint32_t k = 1; k <= 300; ++k) {
        platform.setPerformanceCounter(0x9E3779B97F4A7C15ULL * k);
        cycle.TirageAlea();

        std::vector<int> order;
        for (int i = 1; i <= 28; ++i) {
            order.push_back(cycle.state.Tirage[i]);
        }
        std::vector<int> sortedOrder = order;
        std::sort(sortedOrder.begin(), sortedOrder.end());
        std::vector<int> oneTo28(28);
        std::iota(oneTo28.begin(), oneTo28.end(), 1);
        ASSERT_EQ(sortedOrder, oneTo28) << "draw " << k;

        std::vector<int> blue(order.begin(), order.begin() + 7);
        std::vector<int> yellow(order.begin() + 7, order.begin() + 12);
        std::sort(blue.begin(), blue.end());
        std::sort(yellow.begin(), yellow.end());
        const auto& row = show.stage.recap.back();
        ASSERT_EQ(show.stage.recap.size(), k);
        EXPECT_EQ(row[0], "N°" + std::to_string(k));
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(row[1 + i], std::to_string(blue[i]));
        }
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(row[8 + i], std::to_string(yellow[i]));
        }
        EXPECT_EQ(show.stage.footer, "Tirage en cours N°" + std::to_string(k));
    }
    // Earlier rows are never rewritten.
    EXPECT_EQ(show.stage.recap[0][0], "N°1");
}

TEST_F(DrawPreparation, PutsTheBoardButtonAndBallBackWhateverTheLastDrawLeft) {
    show.start();
    for (int k = 1; k <= 28; ++k) {
        show.stage.setTileFill(k, 0xFF123456);
        show.stage.setTileStroke(k, 0xFFFFFFFF);
        show.stage.setTileTextColour(k, 0xFFFFFFFF);
        show.spin(k).setEnabled(true);
    }
    show.stage.nextDrawButtonVisible = true;
    show.stage.ballPicture = BallPicture::Yellow;

    cycle.TirageAlea();

    for (int k = 1; k <= 28; ++k) {
        EXPECT_EQ(show.stage.tile(k).fill, 0xFFFFFFFFU) << k;
        EXPECT_EQ(show.stage.tile(k).stroke, 0xFFB9C0D7U) << k;
        EXPECT_EQ(show.stage.tile(k).text, 0xFF000000U) << k;
        EXPECT_FALSE(show.spin(k).Enabled()) << k;
    }
    EXPECT_FALSE(show.stage.nextDrawButtonVisible);
    EXPECT_EQ(show.stage.ballPicture, BallPicture::Blue);
}

TEST_F(DrawPreparation, TheWhiteOfTheBoardIsReadFromTheSwatch) {
    show.stage.white = 0xFFFAFAFA;
    cycle.TirageAlea();
    EXPECT_EQ(show.stage.tile(17).fill, 0xFFFAFAFAU);
}

TEST_F(DrawPreparation, ADrawNumberThatWouldOverflowIsRefusedAndChangesNothing) {
    show.start();
    cycle.state.numtir = INT32_MAX;
    const std::string footerBefore = show.stage.footer;
    const int firstBall = cycle.state.Tirage[1];

    try {
        cycle.TirageAlea();
        FAIL() << "an overflowing draw number must be refused";
    } catch (const ShowError& error) {
        EXPECT_STREQ(error.what(), "Dépassement de capacité d'un compteur entier");
    }
    EXPECT_EQ(cycle.state.numtir, INT32_MAX);
    EXPECT_EQ(show.stage.recap.size(), 1U);
    EXPECT_EQ(show.stage.footer, footerBefore);
    EXPECT_EQ(cycle.state.Tirage[1], firstBall);
    EXPECT_EQ(cycle.ListBox2.count(), 7);
}

TEST(DrawOrder, AnIndexOutsideOneTo28IsAClearError) {
    DrawState state;
    for (int bad : {0, 29, -1, INT32_MAX}) {
        EXPECT_THROW((void)state.Tirage[bad], ShowError) << bad;
    }
    state.Tirage[28] = 5;
    EXPECT_EQ(state.Tirage[28], 5);
}

}  // namespace
}  // namespace pelora
