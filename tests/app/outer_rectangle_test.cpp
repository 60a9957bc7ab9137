// The outer rectangle the layout reads and the frame the window is centred with: the real frame
// where a window manager reports one, none for the centring on a bare X server, the frame of the
// desktop the show is made on wherever the layout would otherwise get no frame; and the device
// rectangle taken to logical pixels edge by edge, rounded up.
#include "app/outer_rectangle.h"

#include <gtest/gtest.h>

namespace pelora {
namespace {

const QRect client{92, 58, 1095, 684};

TEST(OuterRectangle, CentresWithTheRealFrameAndLaysOutWithAFrameWhereNoneIsReported) {
    struct Case {
        const char* name;
        std::optional<QMargins> reported;
        bool managerRunning;
        QMargins centring;
        QMargins layout;
    };
    const QMargins xfwm4{5, 29, 5, 5};
    const QMargins metacity{0, 37, 0, 0};
    const Case cases[] = {
        {"bare X server", std::nullopt, false, QMargins(), assumedFrame},
        {"a manager that answers", xfwm4, true, xfwm4, xfwm4},
        {"a caption bar only", metacity, true, metacity, metacity},
        {"a manager that gives no frame", QMargins(), true, QMargins(), assumedFrame},
        {"a manager that draws a frame and says nothing", std::nullopt, true, assumedFrame,
         assumedFrame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowFrames frames = chooseFrames(c.reported, c.managerRunning);
        EXPECT_EQ(frames.centring, c.centring);
        EXPECT_EQ(frames.layout, c.layout);
    }
}

// The board is centred on the outer size: with the assumed frame it lands below the header's
// 85-pixel bar, where it lands on a desktop that reports a 1, 20, 1, 1 frame.
TEST(OuterRectangle, PutsTheBoardBelowTheHeaderWhenNoFrameIsReported) {
    const QRect outer = logicalRectangle(client.marginsAdded(chooseFrames({}, false).layout), 1.0);
    EXPECT_EQ(outer, QRect(91, 38, 1097, 705));
    const double boardTop = outer.height() / 2.0 - 520 / 2.0;
    EXPECT_DOUBLE_EQ(boardTop, 92.5);
    EXPECT_GT(boardTop, 85.0);
}

// At scale 1.5 the client area of 1095 x 684 logical pixels is 1643 x 1026 device pixels, and
// openbox's frame stays 1, 20, 1, 1 device pixels: 1645 x 1047 in all, 1096.67 x 698 logical.
TEST(OuterRectangle, TakesEachDeviceEdgeToLogicalPixelsRoundedUp) {
    struct Case {
        QRect device;
        double scale;
        QRect logical;
    };
    const Case cases[] = {
        {{91, 38, 1097, 705}, 1.0, {91, 38, 1097, 705}},
        // left 456 / 1.5 = 304, right 2101 / 1.5 = 1400.67 -> 1401
        {{456, 252, 1645, 1047}, 1.5, {304, 168, 1097, 698}},
        // left 457 / 1.5 = 304.67 -> 305, right 2102 / 1.5 = 1401.33 -> 1402
        {{457, 253, 1645, 1047}, 1.5, {305, 169, 1097, 698}},
        // left 458 / 1.5 = 305.33 -> 306, right 2103 / 1.5 = 1402
        {{458, 254, 1645, 1047}, 1.5, {306, 170, 1096, 698}},
        // 1.25: 1369 x 855 client (1368.75 -> 1369), frame 1, 20, 1, 1
        {{100, 100, 1371, 876}, 1.25, {80, 80, 1097, 701}},
        {{-3, -3, 7, 7}, 2.0, {-1, -1, 3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.device.x()) + " at " + std::to_string(c.scale));
        EXPECT_EQ(logicalRectangle(c.device, c.scale), c.logical);
    }
}

TEST(OuterRectangle, PlacesTheClientInsideTheFrameOfTheCentredOuterRectangle) {
    EXPECT_EQ(clientOrigin({88, 41}, {5, 29, 5, 5}, 1.0), QPoint(93, 70));
    EXPECT_EQ(clientOrigin({412, 198}, QMargins(), 1.0), QPoint(412, 198));
    // 20 device pixels of caption at scale 1.5 are 13.33 logical pixels.
    EXPECT_EQ(clientOrigin({305, 184}, assumedFrame, 1.5), QPoint(306, 197));
}

// At scale 1.5 the client placed at logical (307, 197) is at device (461, 296) once the manager
// has moved it; until then the server still has it where it was created.
TEST(OuterRectangle, TakesTheServersClientAreaOnlyWhenItAgreesWithQts) {
    const QRect logical{307, 197, 1095, 684};
    const QRect placed{461, 296, 1643, 1026};
    const QRect created{0, 0, 1643, 1026};
    struct Case {
        const char* name;
        std::optional<QRect> server;
        QRect lastKnown;
        QRect expected;
    };
    const Case cases[] = {
        {"the server has it where Qt has it", placed, created, placed},
        {"the server exact where Qt rounds", QRect(460, 295, 1643, 1026), placed,
         QRect(460, 295, 1643, 1026)},
        {"the server behind, the placement known", created, placed, placed},
        {"the server behind, nothing known", created, QRect(), {461, 296, 1643, 1026}},
        {"no server figures", std::nullopt, QRect(), {461, 296, 1643, 1026}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(deviceClientArea(c.server, c.lastKnown, logical, 1.5), c.expected);
    }
}

TEST(OuterRectangle, OffTheX11ScreenTheReportedRectangleOrTheAssumedFrame) {
    struct Case {
        const char* name;
        QRect reported;
        bool onAScreen;
        QRect expected;
    };
    const QRect wideFrame{84, 27, 1111, 723};
    const Case cases[] = {
        {"no frame reported, on a screen", client, true, {91, 38, 1097, 705}},
        {"no frame, offscreen", client, false, client},
        {"a frame reported", wideFrame, true, wideFrame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outerRectangle(c.reported, client, c.onAScreen), c.expected);
    }
}

}  // namespace
}  // namespace pelora
