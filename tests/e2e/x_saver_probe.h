// The X server's own screen saver on a test display, as the screen saver extension reports it:
// set to a short timeout, and watched to see whether it is on.
#pragma once

#include <chrono>
#include <optional>

#include "e2e/x_session.h"

struct xcb_connection_t;

namespace pelora::e2e {

class XSaverProbe {
public:
    // Connects to the display; connected() says whether it could.
    explicit XSaverProbe(const XSession& session);
    ~XSaverProbe();
    XSaverProbe(const XSaverProbe&) = delete;
    XSaverProbe& operator=(const XSaverProbe&) = delete;

    bool connected() const { return connection_ != nullptr; }
    // Sets the saver to come on after `seconds` without input (`xset s <seconds> 0`).
    bool setTimeout(std::chrono::seconds seconds) const;
    // Whether the saver is on now; nothing when the server cannot say.
    std::optional<bool> on() const;
    // Watches the saver until it is `wanted` (true: on) or the time is up.
    bool becomesWithin(bool wanted, std::chrono::milliseconds timeout) const;
    // Whether the saver stays off for the whole of `period`.
    bool staysOffFor(std::chrono::milliseconds period) const;

private:
    const XSession& session_;
    xcb_connection_t* connection_ = nullptr;
};

}  // namespace pelora::e2e
