// The X server's own screen saver and monitor power saving, suspended while held (the screen saver
// extension's suspend, which also stops the server's power saving); taking the hold also ends a
// saver that is already on. This is what keeps a bare X
// session lit, a kiosk without a desktop, where no service listens on D-Bus. The server counts a
// suspension per client and ends it when the client disconnects, so a program that dies lets go
// by itself.
#pragma once

#include "app/screen_hold.h"

struct xcb_connection_t;

namespace pelora {

class XSaverSuspension final : public ScreenHold {
public:
    // `connection` is the application's X connection, or null where there is no X (Wayland,
    // offscreen): the object then does nothing. So does a server without the extension.
    explicit XSaverSuspension(xcb_connection_t* connection);
    ~XSaverSuspension() override;
    XSaverSuspension(const XSaverSuspension&) = delete;
    XSaverSuspension& operator=(const XSaverSuspension&) = delete;

    void hold() override { suspend(true); }
    void release() override { suspend(false); }

    // Whether the server offers the suspension.
    bool available() const { return connection_ != nullptr; }

    // The running Qt application's X connection; null when it is not on X.
    static xcb_connection_t* applicationConnection();

private:
    void suspend(bool on);

    xcb_connection_t* connection_ = nullptr;
    bool suspended_ = false;
};

}  // namespace pelora
