#include "stage/docking.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelora {
namespace {

TEST(Docking, HeaderBarGivesTheDocumentedBoxes) {
    // Banner (not docked), heading, indicator box and "Les", in the description's order.
    std::vector<DockedChild> header = {
        {Docking::None, {}, {35, 0, 400, 84}},
        {Docking::MostRight, {.left = 10, .right = 10}, {0, 0, 311, 85}},
        {Docking::MostRight, {.top = 20, .bottom = 20}, {0, 0, 40, 45}},
        {Docking::Right, {}, {0, 0, 65, 85}},
    };
    dock(1095, 85, header);
    EXPECT_EQ(header[0].box, (Box{35, 0, 400, 84}));
    EXPECT_EQ(header[1].box, (Box{774, 0, 311, 85}));
    EXPECT_EQ(header[2].box, (Box{724, 20, 40, 45}));
    EXPECT_EQ(header[3].box, (Box{659, 0, 65, 85}));
}

TEST(Docking, FooterButtonAndItsLabel) {
    std::vector<DockedChild> footer = {
        {Docking::Right, {.top = 8, .right = 20, .bottom = 8}, {0, 0, 50, 10}},
        {Docking::None, {}, {160, 0, 785, 50}},
    };
    dock(1095, 50, footer);
    EXPECT_EQ(footer[0].box, (Box{1025, 8, 50, 34}));
    EXPECT_EQ(footer[1].box, (Box{160, 0, 785, 50}));

    std::vector<DockedChild> label = {{Docking::Client, {}, {3, 3, 1, 1}}};
    dock(50, 34, label);
    EXPECT_EQ(label[0].box, (Box{0, 0, 50, 34}));
}

TEST(Docking, WindowBarsTakeTopAndBottom) {
    std::vector<DockedChild> bars = {
        {Docking::Top, {}, {0, 0, 10, 85}},
        {Docking::Bottom, {}, {0, 0, 10, 50}},
    };
    dock(1095, 684, bars);
    EXPECT_EQ(bars[0].box, (Box{0, 0, 1095, 85}));
    EXPECT_EQ(bars[1].box, (Box{0, 634, 1095, 50}));
}

// Kinds are taken outermost first whatever the children's order: the Top child, listed after
// the Right one, still takes the full width, and the Right one only the height left below it.
TEST(Docking, KindsAreTakenInTheirOrderNotInTheChildrensOrder) {
    std::vector<DockedChild> children = {
        {Docking::Client, {.left = 1, .top = 2, .right = 3, .bottom = 4}, {}},
        {Docking::Right, {.left = 5, .right = 6}, {0, 0, 30, 0}},
        {Docking::Bottom, {.top = 1, .bottom = 2}, {0, 0, 0, 20}},
        {Docking::Top, {.left = 4, .top = 3, .bottom = 7}, {0, 0, 0, 10}},
        {Docking::MostRight, {}, {0, 0, 15, 0}},
    };
    dock(200, 100, children);
    EXPECT_EQ(children[4].box, (Box{185, 0, 15, 100}));
    EXPECT_EQ(children[3].box, (Box{4, 3, 181, 10}));    // free: 0..185 x 20..100
    EXPECT_EQ(children[2].box, (Box{0, 78, 185, 20}));   // free: 0..185 x 20..77
    EXPECT_EQ(children[1].box, (Box{149, 20, 30, 57}));  // free: 0..144 x 20..77
    EXPECT_EQ(children[0].box, (Box{1, 22, 140, 51}));
}

TEST(Docking, TitleFollowsAWiderPanel) {
    std::vector<DockedChild> title = {{Docking::Top, {}, {0, 0, 450, 49}}};
    dock(1041, 520, title);
    EXPECT_EQ(title[0].box, (Box{0, 0, 1041, 49}));
}

}  // namespace
}  // namespace pelora
