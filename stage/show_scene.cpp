#include "show_scene.h"

#include <string>

#include "assets/assets.h"
#include "motion/error.h"

namespace pelora {
namespace {

std::size_t checkedIndex(int number, int count, const char* what) {
    if (number < 1 || number > count) {
        throw ShowError(std::string(what) + " inexistant : " + std::to_string(number));
    }
    return static_cast<std::size_t>(number - 1);
}

void arrangeTree(QGraphicsItem& item) {
    if (auto* node = dynamic_cast<Node*>(&item)) {
        node->arrangeDockedChildren();
    }
    for (QGraphicsItem* child : item.childItems()) {
        arrangeTree(*child);
    }
}

}  // namespace

ShowScene::ShowScene() {
    const Pictures pictures{loadPicture(Picture::Banner),      loadPicture(Picture::BannerDouble),
                            loadPicture(Picture::BlueBall),    loadPicture(Picture::YellowBall),
                            loadReadyBalls(Picture::BlueBall), loadReadyBalls(Picture::YellowBall)};
    scene_.setSceneRect(0.0, 0.0, clientWidth, clientHeight);
    // Nodes move every frame; a spatial index would be rebuilt for every move of a few items.
    scene_.setItemIndexMethod(QGraphicsScene::NoIndex);

    setAnimationsLoading(true);
    buildHeader(pictures);
    buildFooter(pictures);
    buildBoard();
    buildBallSprite(pictures);
    buildPalette();
    buildRecapPanel();
    dockWindowChildren();
    setAnimationsLoading(false);
}

ShowScene::~ShowScene() = default;

RectangleNode& ShowScene::tile(int number) {
    return *tiles_[checkedIndex(number, tileCount, "Case")];
}

LabelNode& ShowScene::tileLabel(int number) {
    return *tileLabels_[checkedIndex(number, tileCount, "Case")];
}

TFloatAnimation& ShowScene::spin(int number) {
    checkedIndex(number, tileCount, "Case");
    return FloatAnimation(spinAnimationNumber(number));
}

TFloatAnimation& ShowScene::FloatAnimation(int number) {
    return animations_[checkedIndex(number, animationCount, "FloatAnimation")];
}

// The header docks to the top of the client area and the footer to its bottom; then every node
// places its own docked children.
void ShowScene::dockWindowChildren() {
    std::array<DockedChild, 2> bars = {{{rectangle3_->docking(), {}, rectangle3_->box()},
                                        {rectangle4_->docking(), {}, rectangle4_->box()}}};
    dock(clientWidth, clientHeight, bars);
    rectangle3_->setBox(bars[0].box);
    rectangle4_->setBox(bars[1].box);
    for (QGraphicsItem* item : scene_.items(Qt::AscendingOrder)) {
        if (item->parentItem() == nullptr) {
            arrangeTree(*item);
        }
    }
}

void ShowScene::setAnimationsLoading(bool loading) {
    for (TFloatAnimation& animation : animations_) {
        animation.setLoading(loading);
    }
}

}  // namespace pelora
