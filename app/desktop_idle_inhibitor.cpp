#include "app/desktop_idle_inhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <array>

namespace pelora {
namespace {

// One way to ask a service, tried in this order until one answers.
struct Route {
    const char* service;
    const char* path;
    const char* interface;
    const char* inhibit;
    const char* uninhibit;
    bool gnomeSession;  // Inhibit(app id, toplevel X id, reason, flags)
};

constexpr std::array routes{
    // The path freedesktop.org's idle inhibition names, then the shorter one that KDE started
    // with and that some services still offer alone.
    Route{"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
          "org.freedesktop.ScreenSaver", "Inhibit", "UnInhibit", false},
    Route{"org.freedesktop.ScreenSaver", "/ScreenSaver", "org.freedesktop.ScreenSaver", "Inhibit",
          "UnInhibit", false},
    Route{"org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager",
          "Inhibit", "Uninhibit", true},
};

// GNOME's flag for "do not mark the session idle", which keeps the screen on and unlocked.
constexpr std::uint32_t gnomeInhibitIdle = 8;

QDBusMessage callOn(const Route& route, const char* method) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(route.service), QString::fromLatin1(route.path),
        QString::fromLatin1(route.interface), QString::fromLatin1(method));
    // A service that is not running is not started for this.
    message.setAutoStartService(false);
    return message;
}

}  // namespace

DesktopIdleInhibitor::DesktopIdleInhibitor(const QDBusConnection& bus,
                                           std::function<std::uint32_t()> toplevelWindow)
    : bus_(bus), toplevelWindow_(std::move(toplevelWindow)) {}

// The bus connection closes with the program, which would end the inhibition anyway; the
// UnInhibit is sent for a program that goes on without the window.
DesktopIdleInhibitor::~DesktopIdleInhibitor() {
    if (held_) {
        letGo(*held_);
    }
}

void DesktopIdleInhibitor::hold() {
    wanted_ = true;
    if (!asking_ && !held_ && bus_.isConnected()) {
        ask(0);
    }
}

void DesktopIdleInhibitor::release() {
    wanted_ = false;
    if (held_) {
        letGo(*held_);
        held_.reset();
    }
}

void DesktopIdleInhibitor::ask(std::size_t route) {
    const Route& way = routes.at(route);
    QDBusMessage message = callOn(way, way.inhibit);
    const QString application = QString::fromLatin1(inhibitingApplication);
    const QString reason = QString::fromUtf8(inhibitionReason);
    if (way.gnomeSession) {
        message << application << toplevelWindow_() << reason << gnomeInhibitIdle;
    } else {
        message << application << reason;
    }
    asking_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, route](QDBusPendingCallWatcher* call) { answered(call, route); });
}

void DesktopIdleInhibitor::answered(QDBusPendingCallWatcher* watcher, std::size_t route) {
    watcher->deleteLater();
    asking_ = false;
    const QDBusPendingReply<std::uint32_t> reply = *watcher;
    if (reply.isError()) {
        // Not there, or not at that path: the next way, while the window still wants it.
        if (wanted_ && route + 1 < routes.size()) {
            ask(route + 1);
        }
        return;
    }
    const Held held{route, reply.value()};
    if (wanted_) {
        held_ = held;
    } else {
        letGo(held);
    }
}

void DesktopIdleInhibitor::letGo(const Held& held) {
    QDBusMessage message = callOn(routes.at(held.route), routes.at(held.route).uninhibit);
    message << held.cookie;
    // No reply is waited for: there is nothing to do if the service is gone.
    bus_.send(message);
}

}  // namespace pelora
