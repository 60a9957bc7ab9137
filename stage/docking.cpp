#include "docking.h"

#include <array>

namespace pelora {
namespace {

// The part of the parent not yet taken by docked children.
struct FreeArea {
    float left;
    float top;
    float right;
    float bottom;
};

void placeTop(DockedChild& child, FreeArea& free) {
    const Margins& m = child.margins;
    child.box = {free.left + m.left, free.top + m.top, free.right - free.left - m.left - m.right,
                 child.box.height};
    free.top += child.box.height + m.top + m.bottom;
}

void placeBottom(DockedChild& child, FreeArea& free) {
    const Margins& m = child.margins;
    child.box = {free.left + m.left, free.bottom - m.bottom - child.box.height,
                 free.right - free.left - m.left - m.right, child.box.height};
    free.bottom -= child.box.height + m.top + m.bottom;
}

void placeRight(DockedChild& child, FreeArea& free) {
    const Margins& m = child.margins;
    child.box = {free.right - m.right - child.box.width, free.top + m.top, child.box.width,
                 free.bottom - free.top - m.top - m.bottom};
    free.right -= child.box.width + m.left + m.right;
}

void placeClient(DockedChild& child, const FreeArea& free) {
    const Margins& m = child.margins;
    child.box = {free.left + m.left, free.top + m.top, free.right - free.left - m.left - m.right,
                 free.bottom - free.top - m.top - m.bottom};
}

void place(DockedChild& child, FreeArea& free) {
    switch (child.docking) {
        case Docking::Top:
            placeTop(child, free);
            break;
        case Docking::Bottom:
            placeBottom(child, free);
            break;
        case Docking::Right:
        case Docking::MostRight:
            placeRight(child, free);
            break;
        case Docking::Client:
            placeClient(child, free);
            break;
        case Docking::None:
            break;
    }
}

}  // namespace

void dock(float parentWidth, float parentHeight, std::span<DockedChild> children) {
    constexpr std::array order = {Docking::MostRight, Docking::Top, Docking::Bottom, Docking::Right,
                                  Docking::Client};
    FreeArea free{0.0F, 0.0F, parentWidth, parentHeight};
    for (const Docking kind : order) {
        for (DockedChild& child : children) {
            if (child.docking == kind) {
                place(child, free);
            }
        }
    }
}

}  // namespace pelora
