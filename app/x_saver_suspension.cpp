#include "app/x_saver_suspension.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace pelora {
namespace {

// Suspending came with version 1.1 of the extension.
constexpr std::uint32_t suspendMajor = 1;
constexpr std::uint32_t suspendMinor = 1;

bool offersSuspension(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (extension == nullptr || extension->present == 0) {
        return false;
    }
    const std::unique_ptr<xcb_screensaver_query_version_reply_t, decltype(&std::free)> version(
        xcb_screensaver_query_version_reply(
            connection, xcb_screensaver_query_version(connection, suspendMajor, suspendMinor),
            nullptr),
        &std::free);
    return version != nullptr && (version->server_major_version > suspendMajor ||
                                  (version->server_major_version == suspendMajor &&
                                   version->server_minor_version >= suspendMinor));
}

}  // namespace

XSaverSuspension::XSaverSuspension(xcb_connection_t* connection) {
    if (connection != nullptr && offersSuspension(connection)) {
        connection_ = connection;
    }
}

// Closing the connection would end the suspension too, but the window's connection may outlive
// this object.
XSaverSuspension::~XSaverSuspension() {
    suspend(false);
}

void XSaverSuspension::suspend(bool on) {
    if (connection_ == nullptr || on == suspended_) {
        return;
    }
    suspended_ = on;
    xcb_screensaver_suspend(connection_, on ? 1 : 0);
    // A suspension keeps a saver that is already on where it is: the show coming on the screen
    // (started again after a failure, restored) lights it, as a touch of the mouse would.
    if (on) {
        xcb_force_screen_saver(connection_, XCB_SCREEN_SAVER_RESET);
    }
    xcb_flush(connection_);
}

xcb_connection_t* XSaverSuspension::applicationConnection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace pelora
