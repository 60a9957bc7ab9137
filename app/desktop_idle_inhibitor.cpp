#include "app/desktop_idle_inhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace pelora {
namespace {

// GNOME's flag for "do not mark the session idle", which keeps the screen on and unlocked.
constexpr std::uint32_t gnomeInhibitIdle = 8;

QDBusMessage callOn(const QString& destination, const IdleRoute& route, const char* method) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        destination, QString::fromLatin1(route.path), QString::fromLatin1(route.interface),
        QString::fromLatin1(method));
    // A service that is not running is not started for this.
    message.setAutoStartService(false);
    return message;
}

}  // namespace

// The watch is in place before the first question is sent: a name taken after that question
// left is reported, whatever the order of the replies.
DesktopIdleInhibitor::DesktopIdleInhibitor(const QDBusConnection& bus,
                                           std::function<std::uint32_t()> toplevelWindow)
    : bus_(bus), toplevelWindow_(std::move(toplevelWindow)) {
    if (!bus_.isConnected()) {
        return;
    }
    owners_ = new QDBusServiceWatcher(this);
    owners_->setConnection(bus_);
    owners_->setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    for (const char* name : idleServiceNames) {
        owners_->addWatchedService(QString::fromLatin1(name));
    }
    connect(owners_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString& service, const QString& /*oldOwner*/, const QString& newOwner) {
                take(course_.ownerChanged(service.toStdString(), newOwner.toStdString()));
            });
}

// The bus connection closes with the program, which would end the inhibition anyway; the
// UnInhibit is sent for a program that goes on without the window.
DesktopIdleInhibitor::~DesktopIdleInhibitor() {
    if (course_.held()) {
        letGo(*course_.held());
    }
}

void DesktopIdleInhibitor::hold() {
    if (bus_.isConnected()) {
        take(course_.hold());
    }
}

void DesktopIdleInhibitor::release() {
    take(course_.release());
}

void DesktopIdleInhibitor::take(const IdleHoldCourse::Steps& steps) {
    if (steps.giveBack) {
        letGo(*steps.giveBack);
    }
    if (steps.ask) {
        ask(*steps.ask);
    }
}

void DesktopIdleInhibitor::ask(std::size_t route) {
    const IdleRoute& way = idleRoutes.at(route);
    QDBusMessage message = callOn(QString::fromLatin1(way.service), way, way.inhibit);
    const QString application = QString::fromLatin1(inhibitingApplication);
    const QString reason = QString::fromUtf8(inhibitionReason);
    if (way.gnomeSession) {
        message << application << toplevelWindow_() << reason << gnomeInhibitIdle;
    } else {
        message << application << reason;
    }
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, route](QDBusPendingCallWatcher* call) { answered(call, route); });
}

// An error is the normal answer of a session without the service, or without it at that path.
void DesktopIdleInhibitor::answered(QDBusPendingCallWatcher* watcher, std::size_t route) {
    watcher->deleteLater();
    const QDBusPendingReply<std::uint32_t> reply = *watcher;
    std::optional<IdleHoldCourse::Granted> granted;
    if (!reply.isError()) {
        granted = IdleHoldCourse::Granted{reply.value(), reply.reply().service().toStdString()};
    }
    take(course_.answered(route, granted));
}

// The cookie goes to the owner that granted it, by its unique name: should the service's name
// have passed to another owner, that one never hears of a cookie that is not its own.
void DesktopIdleInhibitor::letGo(const IdleHoldCourse::Held& held) {
    const IdleRoute& way = idleRoutes.at(held.route);
    const QString destination =
        held.owner.empty() ? QString::fromLatin1(way.service) : QString::fromStdString(held.owner);
    QDBusMessage message = callOn(destination, way, way.uninhibit);
    message << held.cookie;
    // No reply is waited for: there is nothing to do if the service is gone.
    bus_.send(message);
}

}  // namespace pelora
