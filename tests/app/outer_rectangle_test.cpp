// The outer rectangle the layout reads: as the platform reports it, except on a screen where no
// frame is reported, where the frame of a desktop that reports it is assumed.
#include "app/outer_rectangle.h"

#include <gtest/gtest.h>

namespace pelora {
namespace {

const QRect client{92, 58, 1095, 684};

TEST(OuterRectangle, AssumesTheReferenceFrameOnlyOnAScreenThatReportsNone) {
    struct Case {
        const char* name;
        QRect reported;
        bool onAScreen;
        QRect expected;
    };
    const QRect openboxFrame{91, 38, 1097, 705};
    const QRect wideFrame{84, 27, 1111, 723};
    const Case cases[] = {
        {"no frame reported, on a screen", client, true, {91, 38, 1097, 705}},
        {"no frame, offscreen", client, false, client},
        {"openbox's frame", openboxFrame, true, openboxFrame},
        {"a wider frame", wideFrame, true, wideFrame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outerRectangle(c.reported, client, c.onAScreen), c.expected);
    }
}

// The board is centred on the outer size: with the assumed frame it lands below the header's
// 85-pixel bar, where it lands on a desktop that reports a 1, 1, 20, 1 frame.
TEST(OuterRectangle, PutsTheBoardBelowTheHeaderWhenNoFrameIsReported) {
    const QRect outer = outerRectangle(client, client, true);
    const double boardTop = outer.height() / 2.0 - 520 / 2.0;
    EXPECT_DOUBLE_EQ(boardTop, 92.5);
    EXPECT_GT(boardTop, 85.0);
}

}  // namespace
}  // namespace pelora
