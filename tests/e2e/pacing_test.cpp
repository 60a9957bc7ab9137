// The pace of the first two balls on the real window: the first lands its flight time after the
// window appears, the second five seconds plus its own flight time after the first.
#include <iostream>

#include "e2e/display_fixture.h"
#include "e2e/landing_watch.h"

namespace pelora::e2e {
namespace {

// The first ball leaves while the window is being built, before it is seen on the screen.
constexpr double firstLandingTolerance = 0.7;
constexpr double laterLandingTolerance = 0.5;
constexpr double pauseSeconds = 5.0;
constexpr auto twoLandingsTimeout = std::chrono::seconds(20);

class PacingE2E : public DisplayTest {};

TEST_F(PacingE2E, FirstTwoBallsLandAtTheirFlightTimesAfterTheWindowAppears) {
    const auto show = startShow();
    ASSERT_NE(show, nullptr);
    const std::vector<Landing> landings =
        watchLandings(*show, show->boardOrigin(), 2, twoLandingsTimeout);
    ASSERT_EQ(landings.size(), 2U)
        << "balls seen landing within " << twoLandingsTimeout.count() << " s";
    keepForLooking(landings[0].client, "first-landing");
    const Landing& first = landings[0];
    const Landing& second = landings[1];
    EXPECT_EQ(first.look, TileLook::Blue);
    EXPECT_EQ(second.look, TileLook::Blue);

    const double firstAfterShown = secondsBetween(show->shownAt(), first.estimate);
    const double between = secondsBetween(first.estimate, second.estimate);
    std::cout << "first landing on " << first.number << " " << firstAfterShown
              << " s after the window appeared (flight " << flightSeconds(first.number)
              << " s); second on " << second.number << " " << between << " s later (nominal "
              << pauseSeconds + flightSeconds(second.number) << " s)\n";
    EXPECT_NEAR(firstAfterShown, flightSeconds(first.number), firstLandingTolerance)
        << "tile " << first.number;
    EXPECT_NEAR(between, pauseSeconds + flightSeconds(second.number), laterLandingTolerance)
        << "tile " << second.number;
}

}  // namespace
}  // namespace pelora::e2e
