// The place of the recap table StringGrid1 in the recap panel: a node with the table's box, which
// the layout pass sizes and which the table widget follows. Until the table fills it, it shows the
// table's empty look: a white background in a 1-pixel grey frame.
#pragma once

#include <functional>

#include "stage/node.h"

namespace pelora {

class GridSlot : public Node {
public:
    using ResizeHandler = std::function<void(float width, float height)>;

    GridSlot(std::string name, QGraphicsItem* parent);

    // Called after every change of the slot's size, with the new size.
    void setResizeHandler(ResizeHandler onResize) { onResize_ = std::move(onResize); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void sizeChanged() override;

private:
    ResizeHandler onResize_;
};

}  // namespace pelora
