#include "stage/layout_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "motion/error.h"
#include "stage/show_scene.h"

namespace pelora {
namespace {

// Everything the pass writes.
struct LayoutResult {
    Box board;
    Box panel;
    Box table;
    float p1;
    float p2;
    float slides[4][2];  // start and stop of FloatAnimation31 ... FloatAnimation34

    bool operator==(const LayoutResult& other) const {
        return board == other.board && panel == other.panel && table == other.table &&
               p1 == other.p1 && p2 == other.p2 &&
               std::equal(&slides[0][0], &slides[0][0] + 8, &other.slides[0][0]);
    }
};

class LayoutPassTest : public ::testing::Test {
protected:
    LayoutResult run(std::int32_t width, std::int32_t height) {
        runLayoutPass(scene, width, height, p1, p2);
        LayoutResult result{scene.Rectangle2().box(),
                            scene.Rectangle10().box(),
                            scene.StringGrid1().box(),
                            p1,
                            p2,
                            {}};
        for (int i = 0; i < 4; ++i) {
            result.slides[i][0] = scene.FloatAnimation(31 + i).StartValue;
            result.slides[i][1] = scene.FloatAnimation(31 + i).StopValue;
        }
        return result;
    }

    ShowScene scene;
    float p1 = -1.0F;
    float p2 = -1.0F;
};

TEST_F(LayoutPassTest, CentresTheBoardAndPlacesEverything) {
    const LayoutResult result = run(1111, 723);
    EXPECT_EQ(result.board, (Box{35.0F, 101.5F, 1041.0F, 520.0F}));
    EXPECT_EQ(result.p1, 35.0F);
    EXPECT_EQ(result.p2, 1211.0F);
    EXPECT_EQ(result.panel, result.board);  // the panel covers the board exactly
    EXPECT_EQ(result.table, (Box{16.0F, 60.0F, 1009.0F, 420.0F}));
    EXPECT_EQ(scene.Label5().box(), (Box{0.0F, 0.0F, 1041.0F, 49.0F}));
}

TEST_F(LayoutPassTest, SameSizeTwiceGivesTheSameResults) {
    const LayoutResult first = run(1111, 723);
    EXPECT_EQ(run(1111, 723), first);
}

// Each slide ends where its partner starts: 31 out and 33 in for the board, 34 out and 32 in for
// the panel, all between p1 (in place) and p2 (beyond the right edge).
TEST_F(LayoutPassTest, SlidesRunBetweenTheEndPoints) {
    run(1111, 723);
    EXPECT_EQ(scene.FloatAnimation(31).StartValue, p1);
    EXPECT_EQ(scene.FloatAnimation(31).StopValue, p2);
    EXPECT_EQ(scene.FloatAnimation(33).StartValue, p2);
    EXPECT_EQ(scene.FloatAnimation(33).StopValue, p1);
    EXPECT_EQ(scene.FloatAnimation(34).StartValue, p1);
    EXPECT_EQ(scene.FloatAnimation(34).StopValue, p2);
    EXPECT_EQ(scene.FloatAnimation(32).StartValue, p2);
    EXPECT_EQ(scene.FloatAnimation(32).StopValue, p1);
    EXPECT_EQ(scene.Rectangle2().positionX(), p1);
    EXPECT_EQ(scene.Rectangle10().positionX(), p1);
    EXPECT_GT(p2, static_cast<float>(clientWidth));
}

struct SizeCase {
    std::int32_t width;
    std::int32_t height;
    float boardX;
    float boardY;
};

void PrintTo(const SizeCase& size, std::ostream* out) {
    *out << size.width << " x " << size.height;
}

class LayoutPassSizes : public LayoutPassTest, public ::testing::WithParamInterface<SizeCase> {};

// An odd difference from the board's size puts the board on a half pixel.
TEST_P(LayoutPassSizes, BoardPosition) {
    const SizeCase& size = GetParam();
    const LayoutResult result = run(size.width, size.height);
    EXPECT_EQ(result.board.x, size.boardX);
    EXPECT_EQ(result.board.y, size.boardY);
    EXPECT_EQ(result.p1, size.boardX);
    EXPECT_EQ(result.p2, static_cast<float>(size.width + 100));
    EXPECT_EQ(result.panel, result.board);
    EXPECT_EQ(result.table, (Box{16.0F, 60.0F, 1009.0F, 420.0F}));
}

INSTANTIATE_TEST_SUITE_P(
    OuterSizes, LayoutPassSizes,
    ::testing::Values(SizeCase{1111, 723, 35.0F, 101.5F}, SizeCase{1112, 724, 35.5F, 102.0F},
                      SizeCase{1095, 684, 27.0F, 82.0F}, SizeCase{1042, 521, 0.5F, 0.5F},
                      SizeCase{1000, 500, -20.5F, -10.0F}),
    [](const ::testing::TestParamInfo<SizeCase>& sizeInfo) {
        return std::to_string(sizeInfo.param.width) + "x" + std::to_string(sizeInfo.param.height);
    });

TEST_F(LayoutPassTest, ChangesNoVisibilityAndStartsNothing) {
    run(1111, 723);
    EXPECT_FALSE(scene.Rectangle10().isVisible());
    EXPECT_TRUE(scene.Rectangle2().isVisible());
    for (const int n : {31, 32, 33, 34}) {
        EXPECT_FALSE(scene.FloatAnimation(n).Enabled()) << n;
    }
}

TEST_F(LayoutPassTest, OverflowOfTheRightEndIsAnError) {
    constexpr std::int32_t widest = std::numeric_limits<std::int32_t>::max() - 100;
    EXPECT_NO_THROW(runLayoutPass(scene, widest, 723, p1, p2));
    EXPECT_EQ(p2, static_cast<float>(std::numeric_limits<std::int32_t>::max()));
    EXPECT_THROW(runLayoutPass(scene, widest + 1, 723, p1, p2), ShowError);
}

}  // namespace
}  // namespace pelora
