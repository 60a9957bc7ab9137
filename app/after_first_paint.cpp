#include "app/after_first_paint.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace pelora {
namespace {

// Owned by the watched widget, so that it goes with it.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget& watched, std::function<void()> call)
        : QObject(&watched), watched_(watched), call_(std::move(call)) {
        watched_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &watched_ && event->type() == QEvent::Paint) {
            watched_.removeEventFilter(this);
            // Queued: the paint and the flush that follows it come first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    call_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& watched_;
    std::function<void()> call_;
};

}  // namespace

void runAfterFirstPaint(QWidget& watched, std::function<void()> call) {
    new AfterFirstPaint(watched, std::move(call));
}

}  // namespace pelora
