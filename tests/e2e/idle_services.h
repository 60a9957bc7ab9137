// The session-bus side of keeping the screen lit, for the end-to-end tests: a private session bus
// (dbus-daemon) and, on it, the stand-in for the desktop's idle-inhibition service, whose calls
// the test reads back one by one.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "e2e/guarded_process.h"

namespace pelora::e2e {

class PrivateBus {
public:
    // Starts the bus; address() is empty when it did not come up.
    PrivateBus();
    const QString& address() const { return address_; }
    // DBUS_SESSION_BUS_ADDRESS set to this bus.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir folder_;
    std::unique_ptr<GuardedProcess> daemon_;
    QString address_;
};

// One line of the stand-in's log.
struct ServiceCall {
    enum class Kind { Inhibit, Uninhibit, Dropped };
    Kind kind = Kind::Inhibit;
    std::uint32_t cookie = 0;
    QString caller;      // the caller's unique bus name
    QStringList fields;  // Inhibit: its arguments; UnInhibit: "known" or "unknown"
};

class IdleServiceStandIn {
public:
    // Starts the stand-in on the bus with its options (see idle_service_standin.cpp) and waits
    // until it owns its name; ready() says whether it does.
    IdleServiceStandIn(const PrivateBus& bus, const QStringList& options);
    bool ready() const { return ready_; }
    // Kills the service at once, as a crash would; the bus then drops its name.
    void kill() { process_.kill(); }

    // The next call, waiting at most timeoutMs for it.
    std::optional<ServiceCall> next(int timeoutMs);
    // Every call that comes within quietMs of the last one.
    std::vector<ServiceCall> rest(int quietMs);

private:
    GuardedProcess process_;
    bool ready_ = false;
};

}  // namespace pelora::e2e
