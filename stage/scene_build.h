// Small helpers that keep the scene description readable: each node is made with its box in one
// line, owned by its parent item or by the scene.
#pragma once

#include <QGraphicsScene>
#include <cstdint>
#include <string>
#include <string_view>

#include "assets/facts/show_facts.h"
#include "motion/float_animation.h"
#include "stage/label_node.h"
#include "stage/rectangle_node.h"

namespace pelora::scene_build {

inline Box boxOf(const FixedBox& box) {
    return {box.x, box.y, box.width, box.height};
}

template <typename NodeType>
NodeType& addNode(QGraphicsItem& parent, std::string name, const Box& box) {
    auto* node = new NodeType(std::move(name), &parent);
    node->setBox(box);
    return *node;
}

// A direct child of the window; later ones are drawn over earlier ones.
template <typename NodeType>
NodeType& addNode(QGraphicsScene& scene, std::string name, const Box& box) {
    auto* node = new NodeType(std::move(name), nullptr);
    node->setBox(box);
    scene.addItem(node);
    return *node;
}

struct LabelLook {
    std::string_view text;
    int pixelSize = 12;
    std::uint32_t color = colour::black;
    TextAlignment alignment = TextAlignment::Leading;
};

LabelNode& addLabel(QGraphicsItem& parent, std::string name, const Box& box, const LabelLook& look);

void setStroke(RectangleNode& node, std::uint32_t color, float thickness);

// An animation of a float property of its parent, not running.
void setUpAnimation(TFloatAnimation& animation, PropertyObject& parent, std::string path,
                    float durationSeconds);

}  // namespace pelora::scene_build
