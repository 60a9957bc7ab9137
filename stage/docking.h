// Docking: how a parent places the children that are docked to its edges or to its free area.
// Pure geometry, so that the header, the footer and the recap panel get their boxes from one rule.
#pragma once

#include <span>

namespace pelora {

enum class Docking { None, Top, Bottom, Right, MostRight, Client };

struct Margins {
    float left = 0.0F;
    float top = 0.0F;
    float right = 0.0F;
    float bottom = 0.0F;
};

struct Box {
    float x = 0.0F;
    float y = 0.0F;
    float width = 0.0F;
    float height = 0.0F;
    bool operator==(const Box&) const = default;
};

struct DockedChild {
    Docking docking = Docking::None;
    Margins margins;
    Box box;
};

// Places the children inside a parent of the given size. The kinds are taken outermost first
// (MostRight, Top, Bottom, Right, Client); within one kind, in the order given, which is from the
// outside inwards. Children docked None keep their box.
void dock(float parentWidth, float parentHeight, std::span<DockedChild> children);

}  // namespace pelora
