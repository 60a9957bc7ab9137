// The built program running on a test display: started, found once its window is viewable,
// photographed, driven with the pointer and the window manager, and stopped when the test ends.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <chrono>
#include <functional>
#include <optional>

#include "e2e/guarded_process.h"
#include "e2e/x_session.h"
#include "e2e/x_window.h"

namespace pelora::e2e {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to);

struct Snapshot {
    QImage client;
    Clock::time_point at;  // midway through the grab
};

// A change seen in a series of snapshots: the first snapshot that shows it, and the moment it
// happened, estimated as midway between that snapshot and the one before.
struct Sighting {
    Snapshot snapshot;
    Clock::time_point estimate;
};

class ShowProgram {
public:
    explicit ShowProgram(const XSession& session);
    // Another build of the program, or a command that execs one (an emulator's launcher).
    ShowProgram(const XSession& session, const QString& program);
    // With the session's environment changed by `environment` (its variables replace the
    // session's), and the program's output going where `output` says.
    ShowProgram(const XSession& session, const QProcessEnvironment& environment,
                GuardedProcess::Output output);

    // Waits until the window is viewable and, where the window manager reports frames, its frame
    // known; false when it does not come.
    bool waitUntilShown(std::chrono::milliseconds timeout);
    // When the window was first seen viewable.
    Clock::time_point shownAt() const { return shownAt_; }
    WindowId window() const { return window_; }
    const FrameExtents& frame() const { return frame_; }
    QPointF boardOrigin() const;

    Snapshot snap() const;
    // Snapshots every period (or back to back with a period of 0) until one satisfies `seen`;
    // nothing when the timeout ends first.
    std::optional<Sighting> watchFor(
        std::chrono::milliseconds timeout, const std::function<bool(const QImage&)>& seen,
        std::chrono::milliseconds period = std::chrono::milliseconds(200)) const;

    // Pointer actions at a point of the client area.
    void movePointerTo(QPoint client) const;
    void click() const;

    // Gives the window the keyboard focus, through the window manager.
    void activate() const;
    // Closing as a user does: the window manager's close key on the active window.
    void pressCloseKey() const;
    // Closing through the window manager's close request, as a taskbar does.
    void askWindowManagerToClose() const;
    // Minimising and restoring through the window manager, as its buttons and a taskbar do.
    void minimise() const;
    void restore() const;

    GuardedProcess& process() { return process_; }

private:
    const XSession& session_;
    GuardedProcess process_;
    WindowId window_ = 0;
    FrameExtents frame_;
    Clock::time_point shownAt_;
};

}  // namespace pelora::e2e
