#include "e2e/idle_services.h"

namespace pelora::e2e {
namespace {

constexpr int startMs = 10000;

std::optional<ServiceCall> parse(const QByteArray& line) {
    const QString text = QString::fromUtf8(line);
    const QStringList words = text.split(u' ');
    if (words.size() < 3) {
        return std::nullopt;
    }
    ServiceCall call;
    if (words[0] == QStringLiteral("inhibit")) {
        call.kind = ServiceCall::Kind::Inhibit;
        call.fields = text.section(u' ', 3).split(u'|');
    } else if (words[0] == QStringLiteral("uninhibit")) {
        call.kind = ServiceCall::Kind::Uninhibit;
        call.fields = words.mid(3);
    } else if (words[0] == QStringLiteral("dropped")) {
        call.kind = ServiceCall::Kind::Dropped;
    } else {
        return std::nullopt;
    }
    call.cookie = words[1].toUInt();
    call.caller = words[2];
    return call;
}

}  // namespace

PrivateBus::PrivateBus() {
    if (!folder_.isValid()) {
        return;
    }
    daemon_ = std::make_unique<GuardedProcess>(
        QStringLiteral("dbus-daemon"),
        QStringList{QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1"),
                    QStringLiteral("--address=unix:dir=") + folder_.path()},
        QProcessEnvironment::systemEnvironment(), GuardedProcess::Output::StandardOutputKept);
    if (daemon_->started()) {
        address_ = QString::fromUtf8(daemon_->readLine(startMs));
    }
}

QProcessEnvironment PrivateBus::environment() const {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    return environment;
}

IdleServiceStandIn::IdleServiceStandIn(const PrivateBus& bus, const QStringList& options)
    : process_(
          QStringLiteral(PELORA_IDLE_SERVICE_STANDIN), options,
          [&bus] {
              QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
              environment.insert(bus.environment());
              return environment;
          }(),
          GuardedProcess::Output::StandardOutputKept) {
    ready_ = process_.started() && process_.readLine(startMs) == "ready";
}

std::optional<ServiceCall> IdleServiceStandIn::next(int timeoutMs) {
    const QByteArray line = process_.readLine(timeoutMs);
    if (line.isEmpty()) {
        return std::nullopt;
    }
    return parse(line);
}

std::vector<ServiceCall> IdleServiceStandIn::rest(int quietMs) {
    std::vector<ServiceCall> calls;
    while (const std::optional<ServiceCall> call = next(quietMs)) {
        calls.push_back(*call);
    }
    return calls;
}

}  // namespace pelora::e2e
