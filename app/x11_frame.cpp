#include "app/x11_frame.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

namespace pelora {
namespace {

// Replies are allocated by xcb and freed by the caller.
template <typename Reply>
struct Freed {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, Freed<Reply>>;

constexpr auto pollPeriod = std::chrono::microseconds(250);

xcb_intern_atom_cookie_t internAtom(xcb_connection_t* connection, std::string_view name) {
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
}

std::uint32_t atomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE};
}

xcb_get_property_cookie_t getProperty(xcb_connection_t* connection, std::uint32_t window,
                                      std::uint32_t property, std::uint32_t type,
                                      std::uint32_t length) {
    return xcb_get_property(connection, 0, window, property, type, 0, length);
}

// The 32-bit values of a property, empty when it is missing or of another type.
std::vector<std::uint32_t> values32(xcb_connection_t* connection,
                                    xcb_get_property_cookie_t cookie) {
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* first = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {first, first + xcb_get_property_value_length(reply.get()) / 4};
}

}  // namespace

std::unique_ptr<X11Frame> X11Frame::of(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    auto frame = std::make_unique<X11Frame>(x11->connection());
    if (frame->managerAnswersRequests()) {
        frame->attach(static_cast<std::uint32_t>(window.winId()));
    }
    return frame;
}

// Qt hands every X event to the application's native filters before it handles it itself; this
// one only looks and never takes an event away from Qt.
class X11Frame::PropertyWatch final : public QAbstractNativeEventFilter {
public:
    PropertyWatch(const X11Frame& frame, QObject& context, std::function<void()> changed)
        : frame_(frame), context_(&context), changed_(std::move(changed)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PropertyWatch() override {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }
    PropertyWatch(const PropertyWatch&) = delete;
    PropertyWatch& operator=(const PropertyWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (eventType != "xcb_generic_event_t" || context_.isNull()) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        constexpr std::uint8_t sentFlag = 0x80;
        if ((event->response_type & ~sentFlag) != XCB_PROPERTY_NOTIFY) {
            return false;
        }
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (frame_.attached() && notify->window == frame_.window_ &&
            notify->atom == frame_.atoms_.frameExtents) {
            // Queued: Qt updates its own idea of the frame from this event once the filters ran.
            QMetaObject::invokeMethod(context_.data(), changed_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    const X11Frame& frame_;
    QPointer<QObject> context_;
    std::function<void()> changed_;
};

X11Frame::X11Frame(xcb_connection_t* connection) : connection_(connection) {
    findManager();
}

X11Frame::~X11Frame() = default;

void X11Frame::watchFrame(QObject& context, std::function<void()> changed) {
    watch_ = std::make_unique<PropertyWatch>(*this, context, std::move(changed));
}

// A handful of requests sent together, then their replies: a bare X server costs one round trip
// and no wait.
void X11Frame::findManager() {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    if (screen == nullptr) {
        return;
    }
    root_ = screen->root;
    const std::array cookies{internAtom(connection_, "_NET_SUPPORTING_WM_CHECK"),
                             internAtom(connection_, "_NET_SUPPORTED"),
                             internAtom(connection_, "_NET_REQUEST_FRAME_EXTENTS"),
                             internAtom(connection_, "_NET_FRAME_EXTENTS")};
    atoms_ = {atomOf(connection_, cookies[0]), atomOf(connection_, cookies[1]),
              atomOf(connection_, cookies[2]), atomOf(connection_, cookies[3])};
    constexpr std::uint32_t mostSupported = 1024;
    const auto check = getProperty(connection_, root_, atoms_.supportingCheck, XCB_ATOM_WINDOW, 1);
    const auto supported =
        getProperty(connection_, root_, atoms_.supported, XCB_ATOM_ATOM, mostSupported);
    const std::vector<std::uint32_t> checkWindow = values32(connection_, check);
    const std::vector<std::uint32_t> supportedAtoms = values32(connection_, supported);
    if (checkWindow.size() != 1) {
        return;
    }
    const std::vector<std::uint32_t> itself = values32(
        connection_,
        getProperty(connection_, checkWindow[0], atoms_.supportingCheck, XCB_ATOM_WINDOW, 1));
    managerRunning_ = itself.size() == 1 && itself[0] == checkWindow[0];
    managerAnswersRequests_ =
        managerRunning_ && std::find(supportedAtoms.begin(), supportedAtoms.end(),
                                     atoms_.requestFrameExtents) != supportedAtoms.end();
}

void X11Frame::requestFrame() {
    if (!managerAnswersRequests_ || !attached() || requestedAt_) {
        return;
    }
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window_;
    request.type = atoms_.requestFrameExtents;
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection_);
    requestedAt_ = std::chrono::steady_clock::now();
}

// The answer is read from the property, not from the event queue, which belongs to Qt.
std::optional<QMargins> X11Frame::awaitFrame() const {
    if (!requestedAt_) {
        return std::nullopt;
    }
    const auto deadline = *requestedAt_ + answerTimeout;
    for (;;) {
        if (std::optional<QMargins> answered = frame()) {
            return answered;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(pollPeriod);
    }
}

std::optional<QMargins> X11Frame::frame() const {
    if (!attached() || atoms_.frameExtents == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    // left, right, top, bottom
    const std::vector<std::uint32_t> extents = values32(
        connection_, getProperty(connection_, window_, atoms_.frameExtents, XCB_ATOM_CARDINAL, 4));
    if (extents.size() != 4) {
        return std::nullopt;
    }
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                    static_cast<int>(extents[1]), static_cast<int>(extents[3]));
}

std::optional<QRect> X11Frame::clientArea() const {
    if (!attached() || root_ == 0) {
        return std::nullopt;
    }
    const auto geometry = xcb_get_geometry(connection_, window_);
    const auto origin = xcb_translate_coordinates(connection_, window_, root_, 0, 0);
    const ReplyPtr<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(connection_, geometry, nullptr));
    const ReplyPtr<xcb_translate_coordinates_reply_t> place(
        xcb_translate_coordinates_reply(connection_, origin, nullptr));
    if (!size || !place) {
        return std::nullopt;
    }
    return QRect(place->dst_x, place->dst_y, size->width, size->height);
}

}  // namespace pelora
