// The footer bar: the ">>" button docked right, the status text in the middle, and the two ball
// pictures at the left end, which reach above the bar.
#include "stage/scene_build.h"
#include "stage/show_scene.h"

namespace pelora {

using namespace scene_build;

void ShowScene::buildFooter(const Pictures& pictures) {
    auto& bar = addNode<RectangleNode>(scene_, "Rectangle4", {0.0F, 0.0F, clientWidth, 50.0F});
    bar.setDocking(Docking::Bottom);
    bar.setFillColor(colour::footerBrown);
    setStroke(bar, colour::white, 0.0F);
    rectangle4_ = &bar;

    rectangle9_ = &addNode<ButtonNode>(bar, "Rectangle9", {0.0F, 0.0F, 50.0F, 34.0F});
    rectangle9_->setDocking(Docking::Right, {.top = 8.0F, .right = 20.0F, .bottom = 8.0F});
    rectangle9_->setFillColor(colour::nextDrawButton);
    setStroke(*rectangle9_, colour::white, 2.0F);
    rectangle9_->setCornerRadii(3.0F, 3.0F);
    rectangle9_->setToolTip(QStringLiteral("Tirage suivant"));
    rectangle9_->setErrorHandler([this](const std::string& message) {
        if (onError_) {
            onError_(message);
        }
    });

    label3_ = &addLabel(*rectangle9_, "Label3", {0.0F, 0.0F, 50.0F, 34.0F},
                        {">>", 20, colour::white, TextAlignment::Centre});
    label3_->setDocking(Docking::Client);

    label4_ = &addLabel(bar, "Label4", {160.0F, 0.0F, 785.0F, 50.0F},
                        {"", 24, colour::white, TextAlignment::Centre});

    image4_ = &addNode<ImageNode>(bar, "Image4", {116.0F, -10.0F, 50.0F, 50.0F});
    image4_->setPicture(pictures.yellowBall);
    image4_->setReadyVersions(pictures.yellowBallReady);
    image3_ = &addNode<ImageNode>(bar, "Image3", {48.0F, -4.0F, 50.0F, 50.0F});
    image3_->setPicture(pictures.blueBall);
    image3_->setReadyVersions(pictures.blueBallReady);
}

}  // namespace pelora
