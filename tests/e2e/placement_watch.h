// Where a top-level window stands on the screen from the moment it is mapped, read from the X
// server's own notifications: the watch listens to the root window's children from before the
// program starts, follows the window into the frame a window manager puts it in, and lists every
// place that frame (or the window itself, on a bare X server) takes once mapped.
#pragma once

#include <QPoint>
#include <memory>
#include <vector>

#include "e2e/x_session.h"
#include "e2e/x_window.h"

struct xcb_connection_t;

namespace pelora::e2e {

class PlacementWatch {
public:
    // Starts listening; throws std::runtime_error when the display cannot be reached.
    explicit PlacementWatch(const XSession& session);
    ~PlacementWatch();
    PlacementWatch(const PlacementWatch&) = delete;
    PlacementWatch& operator=(const PlacementWatch&) = delete;

    // The places of the window's outermost window, its own or its frame, from its mapping to now:
    // the first is where it was mapped, each further one a move. Empty when it was never mapped.
    std::vector<QPoint> placesSinceMapping(WindowId window);

private:
    struct Notice;
    // The root window's child that holds `window`, itself where it is one.
    std::uint32_t rootChildOf(std::uint32_t window) const;
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::vector<Notice> notices_;
};

}  // namespace pelora::e2e
