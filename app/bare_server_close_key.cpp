#include "app/bare_server_close_key.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "app/x11_frame.h"

namespace pelora {

void installBareServerCloseKey(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &window, [&window, connection] {
        if (!X11Frame(connection).managerRunning()) {
            window.close();
        }
    });
}

}  // namespace pelora
