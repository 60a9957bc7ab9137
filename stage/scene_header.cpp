// The header bar: the banner on the left and, docked to the right, the indicator
// "Les" [count] heading.
#include "stage/scene_build.h"
#include "stage/show_scene.h"

namespace pelora {

using namespace scene_build;

void ShowScene::buildHeader(const Pictures& pictures) {
    auto& bar = addNode<RectangleNode>(scene_, "Rectangle3", {0.0F, 0.0F, clientWidth, 85.0F});
    bar.setDocking(Docking::Top);
    bar.setFillColor(colour::headerRed);
    setStroke(bar, colour::white, 1.0F);
    bar.setStrokedSides(static_cast<unsigned>(Side::Bottom));
    rectangle3_ = &bar;

    image1_ = &addNode<ImageNode>(bar, "Image1", {35.0F, 0.0F, 400.0F, 84.0F});
    // The balls' pictures are large enough for any scale up to 2; the banner's own is not.
    image1_->setPicture(pictures.banner, {pictures.bannerDouble});

    label28_ = &addLabel(bar, "Label28", {0.0F, 0.0F, 311.0F, 85.0F},
                         {"numéros bleus", 36, colour::white, TextAlignment::Leading});
    label28_->setDocking(Docking::MostRight, {.left = 10.0F, .right = 10.0F});

    rectangle8_ = &addNode<RectangleNode>(bar, "Rectangle8", {0.0F, 0.0F, 40.0F, 45.0F});
    rectangle8_->setDocking(Docking::MostRight, {.top = 20.0F, .bottom = 20.0F});
    setStroke(*rectangle8_, colour::white, 3.0F);
    rectangle8_->setCornerRadii(3.0F, 3.0F);

    label1_ = &addLabel(*rectangle8_, "Label1", {0.0F, 0.0F, 40.0F, 45.0F},
                        {"7", 36, colour::black, TextAlignment::Centre});
    label1_->setDocking(Docking::Client);

    label2_ = &addLabel(bar, "Label2", {0.0F, 0.0F, 65.0F, 85.0F},
                        {"Les", 36, colour::white, TextAlignment::Leading});
    label2_->setDocking(Docking::Right);
}

}  // namespace pelora
