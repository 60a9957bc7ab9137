// What an X server and its window manager say about the show's top-level window, in device
// pixels: whether a manager runs, the frame it gives the window (_NET_FRAME_EXTENTS), and where
// the client area is. Before the window is first mapped the frame is asked for with the EWMH
// request _NET_REQUEST_FRAME_EXTENTS, which the common managers answer by setting the property on
// the unmapped window; the window can then be laid out and centred with its real frame, and
// nothing moves once it shows.
#pragma once

#include <QMargins>
#include <QRect>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QObject;
class QWidget;
struct xcb_connection_t;

namespace pelora {

class X11Frame {
public:
    // How long the window waits for a manager's answer before it falls back to the frame it
    // assumes. The managers that answer do so within a few milliseconds.
    static constexpr std::chrono::milliseconds answerTimeout{150};

    // For a top-level window on the xcb platform; nothing on any other. Where the manager
    // answers frame requests, creates the native window, still hidden, to ask about it. Elsewhere
    // the native window is created at its first showing, where it has been placed: some managers
    // (weston's) place a window where it was created and take no later move before mapping.
    static std::unique_ptr<X11Frame> of(QWidget& window);

    explicit X11Frame(xcb_connection_t* connection);
    ~X11Frame();
    X11Frame(const X11Frame&) = delete;
    X11Frame& operator=(const X11Frame&) = delete;

    // The native window the figures are about; none until it is given.
    void attach(std::uint32_t window) { window_ = window; }
    bool attached() const { return window_ != 0; }
    bool managerAnswersRequests() const { return managerAnswersRequests_; }

    // Whether a window manager runs on the screen (_NET_SUPPORTING_WM_CHECK, checked on the
    // manager's own window as the EWMH asks, so that a manager gone leaves no false trace).
    bool managerRunning() const { return managerRunning_; }

    // Asks the manager for the frame it will give the attached window, when it says it answers
    // such requests (_NET_SUPPORTED). Returns at once.
    void requestFrame();
    // The frame once the manager has answered, waiting at most answerTimeout after the request;
    // nothing when no request was sent or no answer came.
    std::optional<QMargins> awaitFrame() const;

    // The frame the manager publishes now (left, top, right, bottom).
    std::optional<QMargins> frame() const;
    // The client area in root coordinates; nothing when the server does not answer.
    std::optional<QRect> clientArea() const;

    // Calls `changed` from the event loop, while `context` lives, each time the manager publishes
    // a frame for the attached window. A manager that cannot be asked before the window shows
    // publishes the frame as it takes the window over, and where that frame is empty (a window
    // rule that removes it) the window is not moved: nothing else would tell the window.
    void watchFrame(QObject& context, std::function<void()> changed);

private:
    class PropertyWatch;
    struct Atoms {
        std::uint32_t supportingCheck = 0;
        std::uint32_t supported = 0;
        std::uint32_t requestFrameExtents = 0;
        std::uint32_t frameExtents = 0;
    };
    void findManager();

    xcb_connection_t* connection_;
    std::uint32_t window_ = 0;
    std::uint32_t root_ = 0;
    Atoms atoms_;
    bool managerRunning_ = false;
    bool managerAnswersRequests_ = false;
    std::optional<std::chrono::steady_clock::time_point> requestedAt_;
    std::unique_ptr<PropertyWatch> watch_;
};

}  // namespace pelora
