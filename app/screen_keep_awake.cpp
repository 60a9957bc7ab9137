#include "app/screen_keep_awake.h"

#include <QDBusConnection>
#include <QEvent>
#include <QWidget>

#include "app/after_first_paint.h"
#include "app/desktop_idle_inhibitor.h"
#include "app/outer_rectangle.h"
#include "app/x_saver_suspension.h"

namespace pelora {
ScreenKeepAwake::ScreenKeepAwake(QWidget& window, std::vector<std::unique_ptr<ScreenHold>> holds)
    : QObject(&window), window_(window), holds_(std::move(holds)) {
    window_.installEventFilter(this);
    follow(window_.isVisible() && !window_.isMinimized());
}

ScreenKeepAwake::~ScreenKeepAwake() {
    follow(false);
}

void ScreenKeepAwake::installOn(QWidget& window) {
    if (!platformShowsWindows()) {
        return;
    }
    std::vector<std::unique_ptr<ScreenHold>> holds;
    holds.push_back(std::make_unique<DesktopIdleInhibitor>(
        QDBusConnection::sessionBus(), [&window]() -> std::uint32_t {
            // An X window id fits 32 bits; on Wayland there is none to give.
            return XSaverSuspension::applicationConnection() != nullptr
                       ? static_cast<std::uint32_t>(window.winId())
                       : 0;
        }));
    auto xSaver = std::make_unique<XSaverSuspension>(XSaverSuspension::applicationConnection());
    if (xSaver->available()) {
        holds.push_back(std::move(xSaver));
    }
    new ScreenKeepAwake(window, std::move(holds));
}

void ScreenKeepAwake::installAfterFirstFrame(QWidget& window, QWidget& firstPainted) {
    if (platformShowsWindows()) {
        runAfterFirstPaint(firstPainted, [&window] { installOn(window); });
    }
}

// A minimised window may get a hide event while it stays "visible" to Qt, and a show event
// before its state is normal again: each event is read with the state the window has then.
bool ScreenKeepAwake::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::WindowStateChange:
                follow(window_.isVisible() && !window_.isMinimized());
                break;
            case QEvent::Hide:
                follow(false);
                break;
            default:
                break;
        }
    }
    return false;
}

void ScreenKeepAwake::follow(bool onScreen) {
    if (onScreen == holding_) {
        return;
    }
    holding_ = onScreen;
    for (const std::unique_ptr<ScreenHold>& hold : holds_) {
        if (onScreen) {
            hold->hold();
        } else {
            hold->release();
        }
    }
}

}  // namespace pelora
