#include <gtest/gtest.h>

#include <QGraphicsScene>

#include "motion/float_animation.h"
#include "stage/label_node.h"
#include "stage/rectangle_node.h"
#include "still_platform.h"

namespace pelora {
namespace {

class NodeTest : public ::testing::Test {
protected:
    NodeTest() {
        tile->setBox({10.0F, 20.0F, 100.0F, 100.0F});
        label->setDocking(Docking::Client);
        tile->arrangeDockedChildren();
        scene.addItem(tile);
    }

    QGraphicsScene scene;
    RectangleNode* tile = new RectangleNode("n1", nullptr);
    LabelNode* label = new LabelNode("L1", tile);
};

TEST_F(NodeTest, PositionPathMovesTheNode) {
    PropertyObject* position = tile->objectProperty("Position");
    ASSERT_NE(position, nullptr);
    FloatProperty* x = position->floatProperty("X");
    FloatProperty* y = position->floatProperty("Y");
    ASSERT_NE(x, nullptr);
    ASSERT_NE(y, nullptr);
    x->set(12.5F);
    y->set(-7.25F);
    EXPECT_EQ(tile->positionX(), 12.5F);
    EXPECT_EQ(tile->positionY(), -7.25F);
    EXPECT_EQ(tile->scenePos(), QPointF(12.5, -7.25));
    EXPECT_EQ(x->get(), 12.5F);
    EXPECT_EQ(y->get(), -7.25F);
}

TEST_F(NodeTest, NamesResolveIgnoringCaseAndUnknownNamesDoNot) {
    EXPECT_EQ(tile->floatProperty("rotationangle"), tile->floatProperty("RotationAngle"));
    EXPECT_NE(tile->floatProperty("ROTATIONANGLE"), nullptr);
    PropertyObject* position = tile->objectProperty("position");
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->floatProperty("x"), tile->objectProperty("Position")->floatProperty("X"));
    EXPECT_EQ(tile->objectProperty("Size"), nullptr);
    EXPECT_EQ(tile->floatProperty("Position"), nullptr);
    EXPECT_EQ(tile->floatProperty("X"), nullptr);
    EXPECT_EQ(position->floatProperty("Z"), nullptr);
    EXPECT_EQ(position->objectProperty("X"), nullptr);
}

// Clockwise on screen about the centre of the box, children included.
TEST_F(NodeTest, RotationTurnsTheSubtreeAboutTheCentre) {
    tile->floatProperty("RotationAngle")->set(90.0F);
    EXPECT_EQ(tile->rotationAngle(), 90.0F);
    const QPointF centre(60.0, 70.0);
    EXPECT_NEAR(tile->mapToScene(50.0, 50.0).x(), centre.x(), 1e-9);
    EXPECT_NEAR(tile->mapToScene(50.0, 50.0).y(), centre.y(), 1e-9);
    const QPointF topLeft = label->mapToScene(0.0, 0.0);  // the label's corner, now top right
    EXPECT_NEAR(topLeft.x(), 110.0, 1e-9);
    EXPECT_NEAR(topLeft.y(), 20.0, 1e-9);
}

TEST_F(NodeTest, RotationCentreFollowsTheSize) {
    tile->setSize(40.0F, 20.0F);
    tile->setRotationAngle(180.0F);
    EXPECT_NEAR(tile->mapToScene(0.0, 0.0).x(), 50.0, 1e-9);
    EXPECT_NEAR(tile->mapToScene(0.0, 0.0).y(), 40.0, 1e-9);
    EXPECT_EQ(label->box(), (Box{0.0F, 0.0F, 40.0F, 20.0F}));  // docked Client, follows
}

TEST_F(NodeTest, HiddenParentHidesChildren) {
    tile->setVisible(false);
    EXPECT_FALSE(label->isVisible());
    tile->setVisible(true);
    EXPECT_TRUE(label->isVisible());
}

TEST_F(NodeTest, LabelLetsThePointerThrough) {
    EXPECT_FALSE(label->acceptHoverEvents());
    EXPECT_EQ(label->acceptedMouseButtons(), Qt::NoButton);
}

// The same animation objects the show uses, driven by hand: the spin turns the tile and a
// "Position.X" run moves it, with every write going through the node's own setters.
TEST_F(NodeTest, FloatAnimationsDriveNodes) {
    testing::StillPlatform platform;
    TFloatAnimation spin;
    spin.setParent(tile);
    spin.setPropertyName("rotationangle");
    spin.Duration = 3.0F;
    spin.StopValue = 720.0F;
    TFloatAnimation slide;
    slide.setParent(tile);
    slide.setPropertyName("Position.X");
    slide.Duration = 2.0F;
    slide.StartValue = -120.0F;
    slide.StopValue = 80.0F;

    spin.setEnabled(true);
    slide.setEnabled(true);
    EXPECT_EQ(tile->rotationAngle(), 0.0F);
    EXPECT_EQ(tile->positionX(), -120.0F);
    spin.ProcessTick(2.0F);
    slide.ProcessTick(1.0F);
    EXPECT_FLOAT_EQ(tile->rotationAngle(), 480.0F);
    EXPECT_NEAR(tile->rotation(), 120.0, 1e-4);  // whole turns dropped
    EXPECT_FLOAT_EQ(tile->positionX(), -20.0F);
    spin.ProcessTick(1.0F);
    slide.ProcessTick(1.0F);
    EXPECT_EQ(tile->rotationAngle(), 720.0F);
    EXPECT_EQ(tile->positionX(), 80.0F);
    EXPECT_EQ(tile->pos().x(), 80.0);
    EXPECT_FALSE(spin.Running());
    EXPECT_FALSE(slide.Running());
}

}  // namespace
}  // namespace pelora
