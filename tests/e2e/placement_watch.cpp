#include "e2e/placement_watch.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <map>
#include <stdexcept>

namespace pelora::e2e {

struct PlacementWatch::Notice {
    enum class Kind { Placed, Reparented, Mapped } kind;
    std::uint32_t window;
    std::uint32_t parent;  // Reparented only
    QPoint place;          // Placed only
};

PlacementWatch::PlacementWatch(const XSession& session) {
    connection_ = xcb_connect(session.display().toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("the watch could not reach " + session.display().toStdString());
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked: the notifications only start once the server has taken the request.
    const xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_request_check(connection_, selected));
}

PlacementWatch::~PlacementWatch() {
    xcb_disconnect(connection_);
}

// Some managers (KWin) put the window in a wrapper inside their frame: the frame, the root
// window's child, is found by walking up.
std::uint32_t PlacementWatch::rootChildOf(std::uint32_t window) const {
    for (int depth = 0; depth < 8; ++depth) {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
        if (tree == nullptr) {
            return window;
        }
        const std::uint32_t parent = tree->parent;
        std::free(tree);
        if (parent == root_ || parent == 0) {
            return window;
        }
        window = parent;
    }
    return window;
}

std::vector<QPoint> PlacementWatch::placesSinceMapping(WindowId window) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        switch (event->response_type & 0x7FU) {
            case XCB_CREATE_NOTIFY: {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                notices_.push_back(
                    {Notice::Kind::Placed, created->window, 0, QPoint(created->x, created->y)});
                break;
            }
            case XCB_CONFIGURE_NOTIFY: {
                const auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                if (configured->event == root_) {
                    notices_.push_back({Notice::Kind::Placed, configured->window, 0,
                                        QPoint(configured->x, configured->y)});
                }
                break;
            }
            case XCB_REPARENT_NOTIFY: {
                const auto* reparented = reinterpret_cast<xcb_reparent_notify_event_t*>(event);
                notices_.push_back(
                    {Notice::Kind::Reparented, reparented->window, reparented->parent, QPoint()});
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (mapped->event == root_) {
                    notices_.push_back({Notice::Kind::Mapped, mapped->window, 0, QPoint()});
                }
                break;
            }
            default:
                break;
        }
        std::free(event);
    }
    std::map<std::uint32_t, QPoint> places;
    auto outermost = static_cast<std::uint32_t>(window);
    bool mapped = false;
    std::vector<QPoint> seen;
    for (const Notice& notice : notices_) {
        switch (notice.kind) {
            case Notice::Kind::Placed:
                places[notice.window] = notice.place;
                if (mapped && notice.window == outermost && seen.back() != notice.place) {
                    seen.push_back(notice.place);
                }
                break;
            case Notice::Kind::Reparented:
                if (notice.window == static_cast<std::uint32_t>(window)) {
                    outermost = notice.parent == root_ ? notice.window : rootChildOf(notice.parent);
                }
                break;
            case Notice::Kind::Mapped:
                if (notice.window == outermost && !mapped) {
                    mapped = true;
                    seen.push_back(places[outermost]);
                }
                break;
        }
    }
    return seen;
}

}  // namespace pelora::e2e
