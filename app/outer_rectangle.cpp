#include "app/outer_rectangle.h"

#include <QGuiApplication>

namespace pelora {

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
