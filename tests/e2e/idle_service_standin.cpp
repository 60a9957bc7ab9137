// A stand-in for the desktop's idle-inhibition service, for the end-to-end tests: it owns
// org.freedesktop.ScreenSaver (or, with --gnome, org.gnome.SessionManager) on the bus it is
// started on, answers Inhibit with a fresh cookie and UnInhibit/Uninhibit, and, as the real
// services do, drops the inhibitions of a caller whose bus connection goes away. Every call and
// drop is written as one line on the standard output:
//   ready
//   inhibit <cookie> <caller> <application>|<reason>[|<toplevel>|<flags>]
//   uninhibit <cookie> <caller> known|unknown
//   dropped <cookie> <caller>
// Options: --gnome; --path <object path> (freedesktop only; /org/freedesktop/ScreenSaver by
// default); --reply-delay-ms <n>, which holds each Inhibit reply back that long.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <map>

namespace {

struct Options {
    bool gnome = false;
    QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    int replyDelayMs = 0;
};

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class IdleService final : public QDBusVirtualObject {
public:
    IdleService(const QDBusConnection& bus, const Options& options)
        : bus_(bus), options_(options), watcher_(this) {
        watcher_.setConnection(bus_);
        watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this,
                [this](const QString& caller) { dropAllOf(caller); });
    }

    QString interface() const {
        return options_.gnome ? QStringLiteral("org.gnome.SessionManager")
                              : QStringLiteral("org.freedesktop.ScreenSaver");
    }

    QString introspect(const QString& /*path*/) const override {
        if (options_.gnome) {
            return QStringLiteral(
                "<interface name=\"org.gnome.SessionManager\">"
                "<method name=\"Inhibit\"><arg type=\"s\" direction=\"in\"/>"
                "<arg type=\"u\" direction=\"in\"/><arg type=\"s\" direction=\"in\"/>"
                "<arg type=\"u\" direction=\"in\"/><arg type=\"u\" direction=\"out\"/></method>"
                "<method name=\"Uninhibit\"><arg type=\"u\" direction=\"in\"/></method>"
                "</interface>");
        }
        return QStringLiteral(
            "<interface name=\"org.freedesktop.ScreenSaver\">"
            "<method name=\"Inhibit\"><arg type=\"s\" direction=\"in\"/>"
            "<arg type=\"s\" direction=\"in\"/><arg type=\"u\" direction=\"out\"/></method>"
            "<method name=\"UnInhibit\"><arg type=\"u\" direction=\"in\"/></method>"
            "</interface>");
    }

    bool handleMessage(const QDBusMessage& message,
                       const QDBusConnection& /*connection*/) override {
        if (message.interface() != interface()) {
            return false;
        }
        const QString uninhibit =
            options_.gnome ? QStringLiteral("Uninhibit") : QStringLiteral("UnInhibit");
        if (message.member() == QStringLiteral("Inhibit")) {
            inhibit(message);
            return true;
        }
        if (message.member() == uninhibit && message.arguments().size() == 1) {
            const std::uint32_t cookie = message.arguments().at(0).toUInt();
            const bool known = held_.erase(cookie) > 0;
            say(QStringLiteral("uninhibit %1 %2 %3")
                    .arg(cookie)
                    .arg(message.service(),
                         known ? QStringLiteral("known") : QStringLiteral("unknown")));
            bus_.send(message.createReply());
            return true;
        }
        return false;
    }

private:
    void inhibit(const QDBusMessage& message) {
        const QVariantList arguments = message.arguments();
        const std::uint32_t cookie = nextCookie_++;
        QStringList fields;
        for (const QVariant& argument : arguments) {
            fields << argument.toString();
        }
        held_[cookie] = message.service();
        watcher_.addWatchedService(message.service());
        say(QStringLiteral("inhibit %1 %2 %3")
                .arg(cookie)
                .arg(message.service(), fields.join(QLatin1Char('|'))));
        message.setDelayedReply(true);
        const QDBusMessage reply = message.createReply(QVariant::fromValue(cookie));
        QTimer::singleShot(options_.replyDelayMs, this, [this, reply] { bus_.send(reply); });
    }

    void dropAllOf(const QString& caller) {
        for (auto it = held_.begin(); it != held_.end();) {
            if (it->second == caller) {
                say(QStringLiteral("dropped %1 %2").arg(it->first).arg(caller));
                it = held_.erase(it);
            } else {
                ++it;
            }
        }
        watcher_.removeWatchedService(caller);
    }

    QDBusConnection bus_;
    Options options_;
    QDBusServiceWatcher watcher_;
    std::map<std::uint32_t, QString> held_;  // cookie -> caller's unique name
    // Cookies start high, as the real services' do, so that a cookie is never mistaken for 0.
    std::uint32_t nextCookie_ = 1001;
};

Options readOptions(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QStringLiteral("--gnome")) {
            options.gnome = true;
            options.path = QStringLiteral("/org/gnome/SessionManager");
        } else if (argument == QStringLiteral("--path") && hasValue) {
            options.path = arguments.at(++i);
        } else if (argument == QStringLiteral("--reply-delay-ms") && hasValue) {
            options.replyDelayMs = arguments.at(++i).toInt();
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const Options options = readOptions(QCoreApplication::arguments());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "no session bus\n");
        return 1;
    }
    IdleService service(bus, options);
    if (!bus.registerVirtualObject(options.path, &service) ||
        !bus.registerService(options.gnome ? QStringLiteral("org.gnome.SessionManager")
                                           : QStringLiteral("org.freedesktop.ScreenSaver"))) {
        std::fprintf(stderr, "could not take the service's name or path\n");
        return 1;
    }
    say(QStringLiteral("ready"));
    return QCoreApplication::exec();
}
