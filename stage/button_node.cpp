#include "button_node.h"

#include <QCursor>
#include <QEvent>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QObject>

namespace pelora {

// Qt eats every event sent to a hidden item, the leave included. A button hidden under the
// pointer (its own click hides it) would then miss its leave and show its hover colours when it
// is shown again, long after the pointer went away. While such a leave is owed, this watcher
// gives it at the pointer's next move or departure from the view: hidden, the button is no
// longer under the pointer.
class ButtonNode::LeaveWatcher final : public QObject {
public:
    explicit LeaveWatcher(ButtonNode& button) : button_(button) {}

    void watch(QGraphicsScene& scene) {
        stop();
        scene_ = &scene;
        scene.installEventFilter(this);
    }
    void stop() {
        if (scene_ != nullptr) {
            scene_->removeEventFilter(this);
            scene_ = nullptr;
        }
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::GraphicsSceneMouseMove || type == QEvent::GraphicsSceneHoverMove ||
            type == QEvent::GraphicsSceneLeave) {
            button_.leave();
        }
        return false;
    }

private:
    ButtonNode& button_;
    QGraphicsScene* scene_ = nullptr;
};

ButtonNode::ButtonNode(std::string name, QGraphicsItem* parent)
    : RectangleNode(std::move(name), parent), leaveWatcher_(std::make_unique<LeaveWatcher>(*this)) {
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setCursor(Qt::PointingHandCursor);
}

ButtonNode::~ButtonNode() = default;

void ButtonNode::enter() {
    hovered_ = true;
    runGuarded(onEnter_, onError_);
}

void ButtonNode::leave() {
    hovered_ = false;
    leaveWatcher_->stop();
    runGuarded(onLeave_, onError_);
}

void ButtonNode::hoverEnterEvent(QGraphicsSceneHoverEvent* event) {
    event->accept();
    enter();
}

void ButtonNode::hoverLeaveEvent(QGraphicsSceneHoverEvent* event) {
    event->accept();
    leave();
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

QVariant ButtonNode::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (change == ItemVisibleHasChanged && scene() != nullptr) {
        if (!value.toBool() && hovered_) {
            leaveWatcher_->watch(*scene());
        } else if (value.toBool()) {
            leaveWatcher_->stop();  // still under the pointer: Qt delivers the leave itself
        }
    }
    return RectangleNode::itemChange(change, value);
}

}  // namespace pelora
