// The behaviour of the ">>" button: a rectangle that reports the pointer entering and leaving it
// and clicks on it, shows the hand cursor and its tooltip. Its label child lets the pointer
// through, so the whole button, text included, is one hover area. Callbacks run behind the error
// boundary.
#pragma once

#include <functional>
#include <memory>

#include "motion/error_boundary.h"
#include "stage/rectangle_node.h"

namespace pelora {

class ButtonNode : public RectangleNode {
public:
    using Callback = std::function<void()>;

    ButtonNode(std::string name, QGraphicsItem* parent);
    ~ButtonNode() override;

    void setEnterHandler(Callback onEnter) { onEnter_ = std::move(onEnter); }
    void setLeaveHandler(Callback onLeave) { onLeave_ = std::move(onLeave); }
    void setClickHandler(Callback onClick) { onClick_ = std::move(onClick); }
    void setErrorHandler(ErrorHandler onError) { onError_ = std::move(onError); }

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    class LeaveWatcher;

    void enter();
    void leave();

    Callback onEnter_;
    Callback onLeave_;
    Callback onClick_;
    ErrorHandler onError_;
    // Whether the pointer is over the button, as its enter and leave events last said.
    bool hovered_ = false;
    // Watches the scene while the button is hidden under the pointer; see LeaveWatcher.
    std::unique_ptr<LeaveWatcher> leaveWatcher_;
};

}  // namespace pelora
