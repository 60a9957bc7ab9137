// A private X display for the end-to-end tests, stopped when the session ends: an Xvfb screen of
// 1280 x 800 (or another size) at 24 bits with openbox managing it, with xfwm4 (a manager with a
// larger frame, 5, 5, 29, 5), with openbox told to frame no window (a kiosk rule: the manager
// publishes empty frame extents), with KWin, which cannot be asked for a frame before a window
// shows and, without a decoration theme installed, frames no window (as under a KDE user's kiosk
// rule), or with no manager at all as kiosks run (its pointer drawn or not), or a Wayland desktop
// (weston, headless, 1280 x 800) whose Xwayland is the X display. Weston's X11 manager draws
// frames but publishes no frame extents; the show is started there without a chosen Qt
// platform, as a desktop session starts it.
#pragma once

#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "e2e/guarded_process.h"

namespace pelora::e2e {

class XSession {
public:
    static constexpr QSize screenSize{1280, 800};

    // BareXvfbWithPointer draws the pointer on the screen, and keeps the screen's pixels, pointer
    // included, in framebufferFile(); the other Xvfb displays draw no pointer.
    enum class Desktop {
        OpenboxOnXvfb,
        Xfwm4OnXvfb,
        UndecoratedOpenboxOnXvfb,
        KwinOnXvfb,
        BareXvfb,
        BareXvfbWithPointer,
        WestonWithXwayland
    };

    // Starts the display on a free number, away from the few that people type by hand, and
    // waits until the window manager manages it.
    // Throws std::runtime_error when either does not come up.
    explicit XSession(Desktop desktop = Desktop::OpenboxOnXvfb);
    // Openbox on an Xvfb screen of another size, e.g. for a window at a display scale above 1.
    explicit XSession(QSize screen);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const QString& display() const { return display_; }
    // Whether the window manager publishes the frames it draws (_NET_FRAME_EXTENTS).
    bool reportsFrames() const {
        return desktop_ == Desktop::OpenboxOnXvfb || desktop_ == Desktop::Xfwm4OnXvfb ||
               desktop_ == Desktop::UndecoratedOpenboxOnXvfb || desktop_ == Desktop::KwinOnXvfb;
    }
    // Whether a window manager runs.
    bool managed() const {
        return desktop_ != Desktop::BareXvfb && desktop_ != Desktop::BareXvfbWithPointer;
    }
    // The screen as Xvfb keeps it, an XWD image with the pointer drawn in (BareXvfbWithPointer);
    // empty for the other displays.
    QString framebufferFile() const;
    const QSize& screen() const { return screen_; }
    // The environment of every process started on this display. It reaches no session bus: the
    // desktop the tests run from keeps its own to itself.
    const QProcessEnvironment& environment() const { return environment_; }
    // Runs an X tool (xdotool, xwininfo, xprop, import, wmctrl ...) on this display.
    ToolResult run(const QString& tool, const QStringList& arguments,
                   const QByteArray& input = {}) const;
    // Sets the display's Xft.dpi as a desktop's settings do (xrdb -merge writes the same root
    // window property); Qt programs started afterwards scale their windows by dpi / 96.
    // Returns whether the property was written.
    bool setXftDpi(int dpi) const;

private:
    void startServer();
    bool startServerOn(int number);
    // openbox with its own configuration, or one that decorates no window.
    void startWindowManager(bool decorated = true);
    QString undecoratedConfiguration();
    void startXfwm4();
    void startKwin();
    // A session bus of the display's own, for a manager that needs one; returns the environment
    // that reaches it.
    QProcessEnvironment startSessionBusFor(const char* manager);
    // Waits until the manager lists `supported` in _NET_SUPPORTED.
    void awaitManager(const char* manager, const char* supported);
    void startWeston();

    Desktop desktop_ = Desktop::OpenboxOnXvfb;
    QSize screen_ = screenSize;
    QString display_;
    QProcessEnvironment environment_;
    QTemporaryDir scratch_;
    std::unique_ptr<GuardedProcess> server_;         // Xvfb or weston
    std::unique_ptr<GuardedProcess> sessionBus_;     // xfwm4 keeps its settings behind D-Bus
    std::unique_ptr<GuardedProcess> windowManager_;  // declared last: stopped first
};

}  // namespace pelora::e2e
