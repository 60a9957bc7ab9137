// The desktop's own idle handling, held off over the session bus as video players do: the
// freedesktop idle-inhibition service (org.freedesktop.ScreenSaver, Inhibit/UnInhibit), or, where
// the session has only that, GNOME's session manager (Inhibit with the idle flag, Uninhibit).
//
// The freedesktop service comes first: KDE, Xfce, LXQt and GNOME itself (through its proxy to the
// session manager) all offer it, and it asks for nothing but a name and a reason. GNOME's session
// manager is the way in on a GNOME session without that proxy.
//
// The show often starts before the desktop's service (both start with the graphical session), and
// a service may be restarted: the owners of both names are followed with the bus's own
// name-owner signals, and the hold follows whichever service is there (IdleHoldCourse decides
// when to ask and what to forget). Nothing is polled.
//
// Calls never wait on the event thread: each is sent and its reply handled when it arrives. A
// release that comes before the reply to its Inhibit lets go of the cookie as soon as it arrives.
// Every service drops the inhibitions of a caller whose bus connection goes away, so a program
// that is killed lets go too. No service on the bus, or no bus at all, is a normal case: nothing
// is shown, and nothing is asked until a service appears or the window is shown again.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "app/idle_hold_course.h"
#include "app/screen_hold.h"

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

namespace pelora {

// The name and the reason the desktop lists the inhibition under.
inline constexpr const char* inhibitingApplication = "Pelora";
inline constexpr const char* inhibitionReason = "Tirage en cours d'affichage";

class DesktopIdleInhibitor final : public QObject, public ScreenHold {
public:
    // `bus` is the session bus (not connected: the object does nothing). `toplevelWindow` gives
    // the X id of the window, for GNOME's session manager; 0 where there is none.
    DesktopIdleInhibitor(const QDBusConnection& bus, std::function<std::uint32_t()> toplevelWindow);
    ~DesktopIdleInhibitor() override;
    DesktopIdleInhibitor(const DesktopIdleInhibitor&) = delete;
    DesktopIdleInhibitor& operator=(const DesktopIdleInhibitor&) = delete;

    void hold() override;
    void release() override;

private:
    void take(const IdleHoldCourse::Steps& steps);
    void ask(std::size_t route);
    void answered(QDBusPendingCallWatcher* watcher, std::size_t route);
    void letGo(const IdleHoldCourse::Held& held);

    QDBusConnection bus_;
    std::function<std::uint32_t()> toplevelWindow_;
    IdleHoldCourse course_;
    QDBusServiceWatcher* owners_ = nullptr;
};

}  // namespace pelora
