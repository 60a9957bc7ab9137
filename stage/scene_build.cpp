#include "scene_build.h"

namespace pelora::scene_build {

LabelNode& addLabel(QGraphicsItem& parent, std::string name, const Box& box,
                    const LabelLook& look) {
    auto& label = addNode<LabelNode>(parent, std::move(name), box);
    label.setText(look.text);
    label.setFontPixelSize(look.pixelSize);
    label.setTextColor(look.color);
    label.setAlignment(look.alignment);
    return label;
}

void setStroke(RectangleNode& node, std::uint32_t color, float thickness) {
    node.setStrokeColor(color);
    node.setStrokeThickness(thickness);
}

void setUpAnimation(TFloatAnimation& animation, PropertyObject& parent, std::string path,
                    float durationSeconds) {
    animation.setParent(&parent);
    animation.setPropertyName(std::move(path));
    animation.Duration = durationSeconds;
}

}  // namespace pelora::scene_build
