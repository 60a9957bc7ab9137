#include "app/outer_rectangle.h"

#include <QGuiApplication>
#include <cmath>

namespace pelora {

WindowFrames chooseFrames(const std::optional<QMargins>& reported, bool managerRunning,
                          const QMargins& found) {
    if (reported) {
        return {*reported, reported->isNull() ? assumedFrame : *reported};
    }
    if (!managerRunning) {
        return {QMargins(), assumedFrame};
    }
    return {found.isNull() ? assumedFrame : found, assumedFrame};
}

namespace {
int roundedUp(int edge, double scale) {
    return static_cast<int>(std::ceil(edge / scale));
}
}  // namespace

// The right and bottom edges are the ones just past the rectangle.
QRect logicalRectangle(const QRect& device, double scale) {
    const int left = roundedUp(device.x(), scale);
    const int top = roundedUp(device.y(), scale);
    const int right = roundedUp(device.x() + device.width(), scale);
    const int bottom = roundedUp(device.y() + device.height(), scale);
    return {left, top, right - left, bottom - top};
}

namespace {
// Qt's logical position is the device one divided by the scale, to the nearest pixel.
bool agree(const QRect& device, const QRect& logical, double scale) {
    return std::abs(device.x() / scale - logical.x()) < 1.0 &&
           std::abs(device.y() / scale - logical.y()) < 1.0;
}
}  // namespace

QRect deviceClientArea(const std::optional<QRect>& server, const QRect& lastKnown,
                       const QRect& logical, double scale) {
    if (server && agree(*server, logical, scale)) {
        return *server;
    }
    if (!lastKnown.isNull() && agree(lastKnown, logical, scale)) {
        return lastKnown;
    }
    return {QPoint(static_cast<int>(std::lround(logical.x() * scale)),
                   static_cast<int>(std::lround(logical.y() * scale))),
            server ? server->size() : logical.size() * scale};
}

QPoint clientOrigin(QPoint outerOrigin, const QMargins& frame, double scale) {
    return {outerOrigin.x() + static_cast<int>(std::lround(frame.left() / scale)),
            outerOrigin.y() + static_cast<int>(std::lround(frame.top() / scale))};
}

QRect outerRectangle(const QRect& reported, const QRect& client, bool onAScreen) {
    if (!onAScreen || reported != client) {
        return reported;
    }
    return client.marginsAdded(assumedFrame);
}

bool platformShowsWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace pelora
