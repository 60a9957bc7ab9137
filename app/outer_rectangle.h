// The window's outer rectangle as the layout reads it, and the frame the window is centred with.
//
// The layout centres the board on the outer size, frame and caption bar included. Two frames are
// therefore kept apart:
// - the frame the window is centred with is the real one: the frame the window manager gives
//   (asked for before the window shows), none on a bare X server, where the client area is all
//   there is;
// - the frame the outer size the layout reads includes is the real one too, except where nobody
//   reports a frame, or a manager reports none (a bare X server, weston's X11 manager that draws
//   a frame without publishing it). The outer rectangle would then equal the client area and the
//   board would sit 10 pixels higher than on a desktop that reports its frame, over the white
//   line below the header; the window is laid out there as if it had the frame of the desktop the
//   show is made on (openbox: 1-pixel borders, a 20-pixel caption bar), so that the board lands
//   where it does there.
// A manager that runs but publishes nothing is taken to draw that assumed frame, for both, until
// the frame it draws can be found around the mapped window; the window is centred with that one.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <optional>

namespace pelora {

// left, top, right, bottom, in device pixels (openbox does not scale its frame).
inline constexpr QMargins assumedFrame{1, 20, 1, 1};

struct WindowFrames {
    QMargins centring;  // the frame the window is centred with
    QMargins layout;    // the frame the outer size the layout reads includes
};

// `reported` is the frame the window manager publishes, if any; `found` the frame found around
// the mapped window where the manager publishes none (null until then).
WindowFrames chooseFrames(const std::optional<QMargins>& reported, bool managerRunning,
                          const QMargins& found = {});

// A rectangle in device pixels as logical pixels: each edge divided by the scale and rounded up.
QRect logicalRectangle(const QRect& device, double scale);

// The client area in device pixels: the X server's figures when they agree with where Qt has the
// window in logical pixels, else the last known ones when those agree, else Qt's own scaled. The
// server may lag behind a move asked for before the window shows (the manager carries it out
// when it gets to it), and Qt behind the server until it has read its notification: only figures
// that agree with Qt's are taken, so that a stale reading changes no outer size.
QRect deviceClientArea(const std::optional<QRect>& server, const QRect& lastKnown,
                       const QRect& logical, double scale);

// Where the client area goes, in logical pixels, for the outer rectangle of `frame` (device
// pixels) to start at `outerOrigin`.
QPoint clientOrigin(QPoint outerOrigin, const QMargins& frame, double scale);

// On platforms that do not say where a window is in device pixels (offscreen rendering, Wayland):
// `reported` is the outer rectangle the platform gives, `client` the client area; `onAScreen` is
// false on platforms that show nothing to anyone (offscreen rendering), which keep the rectangle
// as reported.
QRect outerRectangle(const QRect& reported, const QRect& client, bool onAScreen);

// Whether the running Qt platform shows windows on a screen.
bool platformShowsWindows();

}  // namespace pelora
