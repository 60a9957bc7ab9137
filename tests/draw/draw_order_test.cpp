// A draw's order from its picks: each pick takes a candidate left, by index, out of 1..28; the
// show's draws are made by this very function.
#include "draw/draw_order.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "motion/error.h"
#include "support/headless_show.h"
#include "support/simulated_platform.h"

namespace pelora {
namespace {

LandingOrder ascending() {
    LandingOrder order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<std::int32_t>(i) + 1;
    }
    return order;
}

TEST(DrawOrderFromPicks, EachPickTakesTheCandidateAtItsIndexAmongThoseLeft) {
    DrawPicks first{};  // always the lowest left
    DrawPicks last{};   // always the highest left
    DrawPicks mixed{};  // 27 (28), then 0 (1), then the middle of what is left
    for (std::size_t i = 0; i < last.size(); ++i) {
        last[i] = drawPickBounds[i] - 1;
        mixed[i] = i == 0 ? 27 : i == 1 ? 0 : drawPickBounds[i] / 2;
    }
    LandingOrder descending{};
    for (std::size_t i = 0; i < descending.size(); ++i) {
        descending[i] = tileCount - static_cast<std::int32_t>(i);
    }
    EXPECT_EQ(drawOrderFromPicks(first), ascending());
    EXPECT_EQ(drawOrderFromPicks(last), descending);
    const LandingOrder order = drawOrderFromPicks(mixed);
    // Left after 28 and 1: 2..27, 26 of them; index 13 is 15. Then 2..14, 16..27: index 12 is 14.
    EXPECT_EQ(order[0], 28);
    EXPECT_EQ(order[1], 1);
    EXPECT_EQ(order[2], 15);
    EXPECT_EQ(order[3], 14);
    LandingOrder sorted = order;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, ascending());
}

TEST(DrawOrderFromPicks, APickBeyondTheCandidatesLeftIsRefused) {
    for (std::size_t at : {std::size_t{0}, std::size_t{11}, std::size_t{27}}) {
        DrawPicks picks{};
        picks[at] = drawPickBounds[at];
        try {
            drawOrderFromPicks(picks);
            ADD_FAILURE() << "pick " << at << " accepted";
        } catch (const ShowError& error) {
            EXPECT_STREQ(error.what(),
                         "Tirage impossible : numéro tiré hors des candidats restants");
        }
    }
}

TEST(DrawOrderFromPicks, TheShowsDrawIsTheOrderOfItsPicks) {
    testing::SimulatedPlatform platform;
    DrawPicks scripted{};
    for (std::size_t i = 0; i < scripted.size(); ++i) {
        scripted[i] = static_cast<std::uint32_t>(i * 7 + 3) % drawPickBounds[i];
    }
    platform.setPickSource([&scripted](auto, auto picks) {
        std::copy(scripted.begin(), scripted.end(), picks.begin());
    });
    testing::HeadlessShow show;
    show.cycle.TirageAlea();

    const LandingOrder order = drawOrderFromPicks(scripted);
    for (std::int32_t i = 1; i <= tileCount; ++i) {
        EXPECT_EQ(show.cycle.state.Tirage[i], order[static_cast<std::size_t>(i - 1)]) << i;
        EXPECT_EQ(show.cycle.ListBox1.at(i - 1),
                  std::to_string(order[static_cast<std::size_t>(i - 1)]));
    }

    // A source that breaks its bounds refuses the draw, and the draw before stays whole.
    scripted[5] = drawPickBounds[5];
    EXPECT_THROW(show.cycle.TirageAlea(), ShowError);
    EXPECT_EQ(show.cycle.state.numtir, 1);
    EXPECT_EQ(show.cycle.state.Tirage[1], order[0]);
}

}  // namespace
}  // namespace pelora
