// Keeps the screen lit while the show is on it. A shop leaves the show running for hours with
// nobody touching the keyboard or the mouse: the desktop would take that for idleness, blank the
// screen, turn the monitor off or lock the session. While the window is shown and not minimised,
// every way the session offers is held (the desktop's service over D-Bus, the X server's own saver
// and power saving); minimised, hidden or gone, the window lets go of them at once and the
// desktop's own settings apply again. Nothing is polled: the window's own show, hide and state
// changes drive it.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "app/screen_hold.h"

class QWidget;

namespace pelora {

class ScreenKeepAwake final : public QObject {
public:
    // Follows `window` (and is owned by it) with the given holds.
    ScreenKeepAwake(QWidget& window, std::vector<std::unique_ptr<ScreenHold>> holds);
    ~ScreenKeepAwake() override;
    ScreenKeepAwake(const ScreenKeepAwake&) = delete;
    ScreenKeepAwake& operator=(const ScreenKeepAwake&) = delete;

    // Installs the holds the running platform offers on the window: the session bus's services
    // and, on X, the server's saver suspension. Does nothing where the window is on no screen
    // (offscreen rendering).
    static void installOn(QWidget& window);
    // The same, right after the first paint of `firstPainted` (a widget of that window): opening
    // the session bus and asking the X server take a few milliseconds that the first frame need
    // not wait for.
    static void installAfterFirstFrame(QWidget& window, QWidget& firstPainted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(bool onScreen);

    QWidget& window_;
    std::vector<std::unique_ptr<ScreenHold>> holds_;
    bool holding_ = false;
};

}  // namespace pelora
