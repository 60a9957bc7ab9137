#include "button_node.h"

#include <QCursor>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>

namespace pelora {

ButtonNode::ButtonNode(std::string name, QGraphicsItem* parent)
    : RectangleNode(std::move(name), parent) {
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setCursor(Qt::PointingHandCursor);
}

void ButtonNode::hoverEnterEvent(QGraphicsSceneHoverEvent* event) {
    event->accept();
    runGuarded(onEnter_, onError_);
}

void ButtonNode::hoverLeaveEvent(QGraphicsSceneHoverEvent* event) {
    event->accept();
    runGuarded(onLeave_, onError_);
}

// Accepted without the base class, which would ignore it: only an accepted press brings the
// release to this node.
void ButtonNode::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

// A click is a press and a release of the left button, both over the button.
void ButtonNode::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && contains(event->pos())) {
        runGuarded(onClick_, onError_);
    }
}

}  // namespace pelora
