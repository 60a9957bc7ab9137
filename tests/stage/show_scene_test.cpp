#include "stage/show_scene.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGraphicsItem>
#include <functional>
#include <string>
#include <vector>

#include "motion/error.h"
#include "still_platform.h"

namespace pelora {
namespace {

class ShowSceneTest : public ::testing::Test {
protected:
    ShowScene scene;
};

std::vector<std::string> childNames(const QGraphicsItem& parent) {
    std::vector<std::string> names;
    for (const QGraphicsItem* child : parent.childItems()) {
        names.push_back(dynamic_cast<const Node&>(*child).name());
    }
    return names;
}

struct ExpectedBox {
    const char* name;
    std::function<Node&(ShowScene&)> node;
    Box box;
};

TEST_F(ShowSceneTest, EveryNodeHasItsBox) {
    const std::vector<ExpectedBox> expected = {
        {"Rectangle3", [](ShowScene& s) -> Node& { return s.Rectangle3(); }, {0, 0, 1095, 85}},
        {"Image1", [](ShowScene& s) -> Node& { return s.Image1(); }, {35, 0, 400, 84}},
        {"Label28", [](ShowScene& s) -> Node& { return s.Label28(); }, {774, 0, 311, 85}},
        {"Rectangle8", [](ShowScene& s) -> Node& { return s.Rectangle8(); }, {724, 20, 40, 45}},
        {"Label1", [](ShowScene& s) -> Node& { return s.Label1(); }, {0, 0, 40, 45}},
        {"Label2", [](ShowScene& s) -> Node& { return s.Label2(); }, {659, 0, 65, 85}},
        {"Rectangle4", [](ShowScene& s) -> Node& { return s.Rectangle4(); }, {0, 634, 1095, 50}},
        {"Rectangle9", [](ShowScene& s) -> Node& { return s.Rectangle9(); }, {1025, 8, 50, 34}},
        {"Label3", [](ShowScene& s) -> Node& { return s.Label3(); }, {0, 0, 50, 34}},
        {"Label4", [](ShowScene& s) -> Node& { return s.Label4(); }, {160, 0, 785, 50}},
        {"Image4", [](ShowScene& s) -> Node& { return s.Image4(); }, {116, -10, 50, 50}},
        {"Image3", [](ShowScene& s) -> Node& { return s.Image3(); }, {48, -4, 50, 50}},
        {"Rectangle2", [](ShowScene& s) -> Node& { return s.Rectangle2(); }, {35, 105, 1041, 520}},
        {"Rectangle1", [](ShowScene& s) -> Node& { return s.Rectangle1(); }, {8, 380, 100, 100}},
        {"Image2", [](ShowScene& s) -> Node& { return s.Image2(); }, {8, 8, 84, 84}},
        {"Rectangle5", [](ShowScene& s) -> Node& { return s.Rectangle5(); }, {0, 0, 50, 50}},
        {"Rectangle6", [](ShowScene& s) -> Node& { return s.Rectangle6(); }, {0, 0, 50, 50}},
        {"Rectangle7", [](ShowScene& s) -> Node& { return s.Rectangle7(); }, {0, 0, 50, 50}},
        {"Rectangle10",
         [](ShowScene& s) -> Node& { return s.Rectangle10(); },
         {279, 182, 450, 222}},
        {"StringGrid1", [](ShowScene& s) -> Node& { return s.StringGrid1(); }, {16, 24, 393, 100}},
        {"Label5", [](ShowScene& s) -> Node& { return s.Label5(); }, {0, 0, 450, 49}},
    };
    for (const ExpectedBox& entry : expected) {
        Node& node = entry.node(scene);
        EXPECT_EQ(node.name(), entry.name);
        EXPECT_EQ(node.box(), entry.box) << entry.name;
        EXPECT_EQ(node.pos(), QPointF(entry.box.x, entry.box.y)) << entry.name;
    }
}

TEST_F(ShowSceneTest, WindowChildrenInDrawingOrder) {
    std::vector<std::string> names;
    for (const QGraphicsItem* item : scene.graphicsScene().items(Qt::AscendingOrder)) {
        if (item->parentItem() == nullptr) {
            names.push_back(dynamic_cast<const Node&>(*item).name());
        }
    }
    const std::vector<std::string> expected = {"Rectangle3", "Rectangle4", "Rectangle2",
                                               "Rectangle1", "Rectangle5", "Rectangle6",
                                               "Rectangle7", "Rectangle10"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(childNames(scene.Rectangle3()),
              (std::vector<std::string>{"Image1", "Label28", "Rectangle8", "Label2"}));
    EXPECT_EQ(childNames(scene.Rectangle4()),
              (std::vector<std::string>{"Rectangle9", "Label4", "Image4", "Image3"}));
    EXPECT_EQ(childNames(scene.Rectangle10()), (std::vector<std::string>{"StringGrid1", "Label5"}));
}

TEST_F(ShowSceneTest, TilesInDrawingOrder) {
    const std::vector<std::string> expected = {"n1",  "n2",  "n3",  "n4",  "n5",  "n6",  "n7",
                                               "n14", "n9",  "n10", "n11", "n12", "n13", "n16",
                                               "n17", "n18", "n19", "n20", "n21", "n22", "n23",
                                               "n24", "n25", "n27", "n28", "n8",  "n15", "n26"};
    EXPECT_EQ(childNames(scene.Rectangle2()), expected);
}

TEST_F(ShowSceneTest, TilesTheirNumbersAndSpins) {
    const float columns[7] = {24, 168, 312, 464, 608, 760, 912};
    const float rows[4] = {24, 148, 276, 404};
    const int spins[28] = {6,  3,  4,  5,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                           17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
    for (int k = 1; k <= tileCount; ++k) {
        SCOPED_TRACE("tile " + std::to_string(k));
        const auto index = static_cast<std::size_t>(k - 1);
        const float y = k == 15 ? 275.0F : rows[index / 7];
        RectangleNode& tile = scene.tile(k);
        EXPECT_EQ(tile.name(), "n" + std::to_string(k));
        EXPECT_EQ(tile.box(), (Box{columns[index % 7], y, 100, 100}));
        EXPECT_EQ(tile.fillColor(), 0xFFE0E0E0U);
        EXPECT_EQ(tile.strokeColor(), 0xFF000000U);
        EXPECT_EQ(tile.strokeThickness(), 4.0F);
        EXPECT_EQ(tile.cornerRadiusX(), 10.0F);
        EXPECT_EQ(tile.cornerRadiusY(), 10.0F);

        LabelNode& label = scene.tileLabel(k);
        EXPECT_EQ(label.name(), "L" + std::to_string(k));
        EXPECT_EQ(label.parentItem(), &tile);
        EXPECT_EQ(label.box(), (Box{0, 0, 100, 100}));
        EXPECT_EQ(label.text(), std::to_string(k));
        EXPECT_EQ(label.fontPixelSize(), 48);
        EXPECT_EQ(label.textColor(), 0xFF000000U);
        EXPECT_EQ(label.alignment(), TextAlignment::Centre);

        TFloatAnimation& spin = scene.spin(k);
        EXPECT_EQ(&spin, &scene.FloatAnimation(spins[index]));
        EXPECT_EQ(spin.Parent(), &tile);
        EXPECT_EQ(spin.PropertyName(), "RotationAngle");
        EXPECT_EQ(spin.Duration, 3.0F);
        EXPECT_EQ(spin.StartValue, 0.0F);
        EXPECT_EQ(spin.StopValue, 720.0F);
        EXPECT_EQ(spin.Interpolation, TInterpolationType::Linear);
        EXPECT_EQ(spin.AnimationType, TAnimationType::In);
        EXPECT_FALSE(spin.StartFromCurrent);
    }
}

TEST_F(ShowSceneTest, SlidesAndFlightAnimations) {
    for (const int n : {31, 33}) {
        EXPECT_EQ(scene.FloatAnimation(n).Parent(), &scene.Rectangle2()) << n;
    }
    for (const int n : {32, 34}) {
        EXPECT_EQ(scene.FloatAnimation(n).Parent(), &scene.Rectangle10()) << n;
    }
    for (const int n : {31, 32, 33, 34}) {
        const TFloatAnimation& slide = scene.FloatAnimation(n);
        EXPECT_EQ(slide.PropertyName(), "Position.X") << n;
        EXPECT_EQ(slide.Duration, 2.0F) << n;
        EXPECT_EQ(slide.StartValue, 0.0F) << n;
        EXPECT_EQ(slide.StopValue, 0.0F) << n;
    }
    // The draw logic sets the flight up and moves it into the ball sprite at start-up.
    for (const int n : {1, 2}) {
        EXPECT_EQ(scene.FloatAnimation(n).Parent(), nullptr) << n;
        EXPECT_TRUE(scene.FloatAnimation(n).PropertyName().empty()) << n;
    }
    for (int n = 1; n <= animationCount; ++n) {
        EXPECT_FALSE(scene.FloatAnimation(n).Enabled()) << n;
        EXPECT_FALSE(scene.FloatAnimation(n).Running()) << n;
    }
}

// Built with the switch in loading mode and out of it afterwards: a switch now starts a run.
TEST_F(ShowSceneTest, AnimationsLeaveLoadingModeAfterTheBuild) {
    testing::StillPlatform platform;
    scene.spin(1).setEnabled(true);
    EXPECT_TRUE(scene.spin(1).Running());
    scene.spin(1).setEnabled(false);
    EXPECT_FALSE(scene.spin(1).Running());
    EXPECT_EQ(scene.tile(1).rotationAngle(), 720.0F);
}

TEST_F(ShowSceneTest, LooksOfTheBars) {
    RectangleNode& header = scene.Rectangle3();
    EXPECT_EQ(header.fillColor(), 0xFF9F3131U);
    EXPECT_EQ(header.strokeColor(), 0xFFFFFFFFU);
    EXPECT_EQ(header.strokeThickness(), 1.0F);
    EXPECT_EQ(header.strokedSides(), static_cast<unsigned>(Side::Bottom));
    EXPECT_EQ(header.cornerRadiusX(), 0.0F);

    RectangleNode& box = scene.Rectangle8();
    EXPECT_EQ(box.fillColor(), 0xFFE0E0E0U);
    EXPECT_EQ(box.strokeColor(), 0xFFFFFFFFU);
    EXPECT_EQ(box.strokeThickness(), 3.0F);
    EXPECT_EQ(box.cornerRadiusX(), 3.0F);

    RectangleNode& footer = scene.Rectangle4();
    EXPECT_EQ(footer.fillColor(), 0xFFA52A2AU);
    EXPECT_EQ(footer.strokeThickness(), 0.0F);

    ButtonNode& button = scene.Rectangle9();
    EXPECT_TRUE(button.isVisible());
    EXPECT_EQ(button.fillColor(), 0xFF0000FFU);
    EXPECT_EQ(button.strokeColor(), 0xFFFFFFFFU);
    EXPECT_EQ(button.strokeThickness(), 2.0F);
    EXPECT_EQ(button.cornerRadiusY(), 3.0F);
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Tirage suivant"));
    EXPECT_TRUE(button.acceptHoverEvents());

    RectangleNode& board = scene.Rectangle2();
    EXPECT_EQ(board.fillColor(), 0xFFDDDDDDU);
    EXPECT_EQ(board.strokeColor(), 0xFFC0C0C0U);
    EXPECT_EQ(board.strokeThickness(), 3.0F);
    EXPECT_EQ(board.cornerRadiusX(), 10.0F);

    EXPECT_FALSE(scene.Rectangle1().hasFill());
    EXPECT_FALSE(scene.Rectangle1().hasStroke());
}

struct ExpectedLabel {
    std::function<LabelNode&(ShowScene&)> label;
    std::string text;
    int pixelSize;
    std::uint32_t color;
    TextAlignment alignment;
};

TEST_F(ShowSceneTest, LabelsTextsAndLooks) {
    const std::vector<ExpectedLabel> expected = {
        {[](ShowScene& s) -> LabelNode& { return s.Label28(); }, "numéros bleus", 36, 0xFFFFFFFFU,
         TextAlignment::Leading},
        {[](ShowScene& s) -> LabelNode& { return s.Label1(); }, "7", 36, 0xFF000000U,
         TextAlignment::Centre},
        {[](ShowScene& s) -> LabelNode& { return s.Label2(); }, "Les", 36, 0xFFFFFFFFU,
         TextAlignment::Leading},
        {[](ShowScene& s) -> LabelNode& { return s.Label3(); }, ">>", 20, 0xFFFFFFFFU,
         TextAlignment::Centre},
        {[](ShowScene& s) -> LabelNode& { return s.Label4(); }, "", 24, 0xFFFFFFFFU,
         TextAlignment::Centre},
        {[](ShowScene& s) -> LabelNode& { return s.Label5(); }, "Récapitulatif des tirages", 36,
         0xFFA52A2AU, TextAlignment::Centre},
    };
    for (const ExpectedLabel& entry : expected) {
        LabelNode& label = entry.label(scene);
        SCOPED_TRACE(label.name());
        EXPECT_EQ(label.text(), entry.text);
        EXPECT_EQ(label.fontPixelSize(), entry.pixelSize);
        EXPECT_TRUE(label.font().bold());
        EXPECT_EQ(label.textColor(), entry.color);
        EXPECT_EQ(label.alignment(), entry.alignment);
    }
}

TEST_F(ShowSceneTest, PaletteAndRecapPanelAreHidden) {
    EXPECT_EQ(scene.Rectangle5().fillColor(), 0xFF0666FFU);
    EXPECT_EQ(scene.Rectangle6().fillColor(), 0xFFFFC412U);
    EXPECT_EQ(scene.Rectangle7().fillColor(), 0xFFFFFFFFU);
    for (Node* hidden : std::initializer_list<Node*>{&scene.Rectangle5(), &scene.Rectangle6(),
                                                     &scene.Rectangle7(), &scene.Rectangle10()}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->name();
    }
    EXPECT_EQ(scene.Rectangle10().fillColor(), 0xFFDDDDDDU);
    EXPECT_EQ(scene.Rectangle10().strokeColor(), 0xFFC0C0C0U);
    EXPECT_EQ(scene.Rectangle10().strokeThickness(), 3.0F);
    EXPECT_EQ(scene.Rectangle10().cornerRadiusX(), 10.0F);
    EXPECT_EQ(scene.Rectangle10().cacheMode(), QGraphicsItem::DeviceCoordinateCache);
}

TEST_F(ShowSceneTest, PicturesEmbeddedInTheProgram) {
    EXPECT_EQ(scene.Image1().picture().size(), QSize(400, 84));
    EXPECT_EQ(scene.Image3().picture().size(), QSize(224, 225));
    EXPECT_EQ(scene.Image4().picture().size(), QSize(224, 225));
    EXPECT_EQ(scene.Image2().picture().cacheKey(), scene.Image3().picture().cacheKey());
    EXPECT_NE(scene.Image3().picture().cacheKey(), scene.Image4().picture().cacheKey());
}

TEST_F(ShowSceneTest, RecapTitleFollowsThePanelsWidth) {
    scene.Rectangle10().setWidth(1041.0F);
    EXPECT_EQ(scene.Label5().box(), (Box{0, 0, 1041, 49}));
    scene.Rectangle10().setHeight(520.0F);
    EXPECT_EQ(scene.Label5().box(), (Box{0, 0, 1041, 49}));
}

TEST_F(ShowSceneTest, AccessorsRefuseUnknownNumbers) {
    EXPECT_THROW(scene.tile(0), ShowError);
    EXPECT_THROW(scene.tile(29), ShowError);
    EXPECT_THROW(scene.tileLabel(29), ShowError);
    EXPECT_THROW(scene.spin(0), ShowError);
    EXPECT_THROW(scene.FloatAnimation(0), ShowError);
    EXPECT_THROW(scene.FloatAnimation(35), ShowError);
    EXPECT_NO_THROW(scene.FloatAnimation(34));
}

}  // namespace
}  // namespace pelora
