// What the X tools say about one top-level window: its place and size (xwininfo), its properties
// (xprop), its pixels (import). Window ids are X ids.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <optional>

#include "e2e/x_session.h"

namespace pelora::e2e {

using WindowId = quint64;

// The frame the window manager draws around a client, from _NET_FRAME_EXTENTS.
struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// The first viewable window of the process whose title matches the pattern (a regular
// expression).
std::optional<WindowId> findViewableWindow(const XSession& session, qint64 processId,
                                           const QString& titlePattern);

// The client area on the screen, from xwininfo.
std::optional<QRect> clientRectangle(const XSession& session, WindowId window);

// The property as xprop prints it ("NAME(TYPE) = value" or "NAME:  not found."), one string.
QString property(const XSession& session, WindowId window, const QString& name);

std::optional<FrameExtents> frameExtents(const XSession& session, WindowId window);

// The client area's pixels as the screen shows them; a null image when the grab failed.
QImage grabClient(const XSession& session, WindowId window);

QString hexId(WindowId window);

}  // namespace pelora::e2e
