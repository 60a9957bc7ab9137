// The real window when the system's generator refuses the first draw: the operator is told once
// in French, the window shows an empty board that leaves for the empty recap with ">>", never a
// draw, and the draw comes when the generator answers again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/facts/show_facts.h"
#include "show_fixture.h"
#include "support/pixel_probe.h"

namespace pelora::testing {
namespace {

const std::string refusal =
    "Tirage impossible : le générateur aléatoire du système n'est pas encore prêt";

class RefusedDrawOnScreen : public ShowFixture {};

TEST_F(RefusedDrawOnScreen, TheWindowRestsWithoutADrawAndDrawsOnceTheGeneratorAnswers) {
    platform.refusePicks(refusal);
    start();
    runFor(0.1);
    EXPECT_EQ(shownErrors, std::vector<std::string>{refusal + "."});
    EXPECT_EQ(scene().Label4().text(), "Tirage impossible, nouvel essai dans 05'00");
    EXPECT_FALSE(scene().FloatAnimation(1).Running());
    EXPECT_FALSE(scene().Rectangle9().isVisible());

    // The board on show until it slides out is the start's: white tiles with their grey-blue
    // stroke and black numbers, as every draw's board starts.
    const QImage image = frame();
    saveForLooking(image, "show-refused-first-draw");
    for (int number : {1, 14, 28}) {
        const QPointF tile = tileOrigin(number);
        EXPECT_TRUE(hasColourAt(image, tile.x() + 12, tile.y() + 50, colour::white)) << number;
        EXPECT_TRUE(hasColourAt(image, tile.x() + 1.5, tile.y() + 50, colour::tileStrokeAtRest))
            << number;
        EXPECT_GT(countColour(image, {tile.x() + 20, tile.y() + 25, 60, 50}, colour::black), 30)
            << number;
    }

    runUntil([&] { return scene().Rectangle9().isVisible(); }, 20.0);
    EXPECT_EQ(scene().Label4().text(), "Tirage impossible, nouvel essai dans 04'46");
    EXPECT_EQ(form->recap().rowCount(), 0);
    EXPECT_EQ(state().numtir, 0);

    platform.refusePicks("");
    runUntil([&] { return scene().FloatAnimation(1).Running(); }, 300.0);
    EXPECT_EQ(state().numtir, 1);
    EXPECT_EQ(form->recap().rowCount(), 1);
    EXPECT_EQ(scene().Label4().text(), "Tirage en cours N°1");
    EXPECT_EQ(shownErrors.size(), 1U);
}

}  // namespace
}  // namespace pelora::testing
