// The draw's picks as the program itself wires them: the application object installs its own
// platform, and a draw prepared on it must be one that no clock-seeded generator can make. The
// other randomness tests hand the system's generator to the draw themselves, so they would all
// still pass if the program's platform drew from a clock-seeded source; these would not.
#include <gtest/gtest.h>

#include <vector>

#include "app/application.h"
#include "motion/platform.h"
#include "support/headless_show.h"
#include "support/old_seed_search.h"

namespace pelora {
namespace {

constexpr unsigned searchThreads = 2;

std::vector<std::int32_t> ballsOf(const DrawState& state, std::int32_t count) {
    std::vector<std::int32_t> balls;
    for (std::int32_t i = 1; i <= count; ++i) {
        balls.push_back(state.Tirage[i]);
    }
    return balls;
}

// The draw a show prepares on whatever platform the program installed.
std::vector<std::int32_t> drawOnTheProgramsPlatform() {
    testing::HeadlessShow show;
    show.cycle.TirageAlea();
    return ballsOf(show.cycle.state, tileCount);
}

class ProgramPicks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 3;
        static char name[] = "pelora";
        static char option[] = "-platform";
        static char offscreen[] = "offscreen";
        static char* argv[] = {name, option, offscreen, nullptr};
        application_ = new TApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete application_;
        application_ = nullptr;
    }
    static TApplication* application_;
};
TApplication* ProgramPicks::application_ = nullptr;

// A 32-bit state gives twelve given balls with probability 1 / (28 x 27 x ... x 17): among 2^32
// states one matches by chance in 3e-7 of the runs. A clock-seeded source is found at once.
TEST_F(ProgramPicks, NoStateOfTheClockSeededGeneratorGivesTheProgramsDraw) {
    const std::vector<std::int32_t> draw = drawOnTheProgramsPlatform();
    const std::vector<std::int32_t> twelve(draw.begin(), draw.begin() + ballsPerDraw);
    const testing::OldSeedMatches matches =
        testing::searchOldGeneratorSeeds(testing::picksOfBalls(twelve), searchThreads, 10);
    EXPECT_EQ(matches.count, 0U) << "state " << (matches.seeds.empty() ? 0 : matches.seeds[0]);
}

}  // namespace
}  // namespace pelora
