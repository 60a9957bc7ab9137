// The ball sprite, the hidden palette swatches and the hidden recap panel.
#include <QGraphicsItem>

#include "stage/scene_build.h"
#include "stage/show_scene.h"

namespace pelora {

using namespace scene_build;

namespace {

RectangleNode& addSwatch(QGraphicsScene& scene, std::string name, std::uint32_t color) {
    auto& swatch = addNode<RectangleNode>(scene, std::move(name), {0.0F, 0.0F, 50.0F, 50.0F});
    swatch.setFillColor(color);
    swatch.setVisible(false);
    return swatch;
}

}  // namespace

// The sprite paints nothing itself: only its picture shows.
void ShowScene::buildBallSprite(const Pictures& pictures) {
    rectangle1_ = &addNode<RectangleNode>(scene_, "Rectangle1", boxOf(ballSpriteBox));
    rectangle1_->clearFill();
    rectangle1_->clearStroke();
    image2_ = &addNode<ImageNode>(*rectangle1_, "Image2", {8.0F, 8.0F, 84.0F, 84.0F});
    image2_->setPicture(pictures.blueBall);
}

void ShowScene::buildPalette() {
    rectangle5_ = &addSwatch(scene_, "Rectangle5", colour::blue);
    rectangle6_ = &addSwatch(scene_, "Rectangle6", colour::yellow);
    rectangle7_ = &addSwatch(scene_, "Rectangle7", colour::white);
}

void ShowScene::buildRecapPanel() {
    auto& panel = addNode<RectangleNode>(scene_, "Rectangle10", boxOf(recapPanelBox));
    panel.setFillColor(colour::boardGrey);
    setStroke(panel, colour::boardStroke, 3.0F);
    panel.setCornerRadii(10.0F, 10.0F);
    panel.setVisible(false);
    // The panel slides every frame for two seconds; its cached look only moves.
    panel.setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    rectangle10_ = &panel;

    stringGrid1_ = &addNode<GridSlot>(panel, "StringGrid1", {16.0F, 24.0F, 393.0F, 100.0F});
    setUpAnimation(FloatAnimation(32), panel, "Position.X", slideSeconds);
    setUpAnimation(FloatAnimation(34), panel, "Position.X", slideSeconds);

    label5_ =
        &addLabel(panel, "Label5", {0.0F, 0.0F, 450.0F, 49.0F},
                  {"Récapitulatif des tirages", 36, colour::footerBrown, TextAlignment::Centre});
    label5_->setDocking(Docking::Top);
}

}  // namespace pelora
