// The real window when the system's generator refuses the first draw: the operator is told once
// in French, the window shows an empty board that leaves for the empty recap with ">>", never a
// draw, and the draw comes when the generator answers again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "show_fixture.h"

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
