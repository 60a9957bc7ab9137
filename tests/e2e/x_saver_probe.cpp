#include "e2e/x_saver_probe.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <thread>

namespace pelora::e2e {
namespace {

// Often enough to see a saver that comes on for a moment only.
constexpr auto watchPeriod = std::chrono::milliseconds(100);

}  // namespace

XSaverProbe::XSaverProbe(const XSession& session) : session_(session) {
    xcb_connection_t* connection = xcb_connect(session.display().toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
}

XSaverProbe::~XSaverProbe() {
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

bool XSaverProbe::setTimeout(std::chrono::seconds seconds) const {
    return session_
               .run(QStringLiteral("xset"),
                    {QStringLiteral("s"), QString::number(seconds.count()), QStringLiteral("0")})
               .exitCode == 0;
}

std::optional<bool> XSaverProbe::on() const {
    if (connection_ == nullptr) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::unique_ptr<xcb_screensaver_query_info_reply_t, decltype(&std::free)> info(
        xcb_screensaver_query_info_reply(connection_, xcb_screensaver_query_info(connection_, root),
                                         nullptr),
        &std::free);
    if (info == nullptr) {
        return std::nullopt;
    }
    return info->state == XCB_SCREENSAVER_STATE_ON;
}

bool XSaverProbe::becomesWithin(bool wanted, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (on() == wanted) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(watchPeriod);
    }
}

bool XSaverProbe::staysOffFor(std::chrono::milliseconds period) const {
    const auto end = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < end) {
        if (on() != false) {
            return false;
        }
        std::this_thread::sleep_for(watchPeriod);
    }
    return true;
}

}  // namespace pelora::e2e
