// The window's outer rectangle as the layout reads it. The layout centres the board on the outer
// size, frame and caption bar included. A window manager that draws a frame without publishing
// its size (weston's X11 manager) or no manager at all leaves the outer rectangle equal to the
// client area, and the board would then sit 10 pixels higher than on a desktop that reports its
// frame, over the white line below the header. On a screen, such a window is laid out as if it had
// the frame of the desktop the show is made on: 1-pixel borders and a 20-pixel caption bar, so
// that the board lands where it does there.
#pragma once

#include <QMargins>
#include <QRect>

namespace pelora {

// left, top, right, bottom
inline constexpr QMargins assumedFrame{1, 20, 1, 1};

// `reported` is the outer rectangle the platform gives, `client` the client area; `onAScreen` is
// false on platforms that show nothing to anyone (offscreen rendering), which keep the rectangle
// as reported.
QRect outerRectangle(const QRect& reported, const QRect& client, bool onAScreen);

// Whether the running Qt platform shows windows on a screen.
bool platformShowsWindows();

}  // namespace pelora
