// The decisions of the desktop idle inhibitor, kept apart from the bus so that every order of
// events can be followed step by step: which way to ask and when, which cookie to give back, which
// to forget.
//
// The desktop's idle service may come on the session bus after the show (the show starts with the
// graphical session, before parts of the desktop are up), go away, or be restarted with a new
// owner. The inhibitor therefore hears of every change of owner of the services' names, and:
//   - while the window wants a hold and none is held, a service that appears is asked at once;
//   - when the owner of the held service goes or changes, the cookie is forgotten (it meant
//     something to the old owner only) and whichever service is there now is asked;
//   - a name that appears while a question is on its way is asked again once that question has
//     failed on every way, and a cookie from an owner that has since been replaced is forgotten;
//   - nothing is asked while the window does not want a hold (minimised, hidden): a service that
//     appears then is asked at the next hold.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pelora {

// One way to ask a service, tried in this order until one answers.
struct IdleRoute {
    const char* service;
    const char* path;
    const char* interface;
    const char* inhibit;
    const char* uninhibit;
    bool gnomeSession;  // Inhibit(app id, toplevel X id, reason, flags)
};

inline constexpr std::array idleRoutes{
    // The path freedesktop.org's idle inhibition names, then the shorter one that KDE started
    // with and that some services still offer alone.
    IdleRoute{"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
              "org.freedesktop.ScreenSaver", "Inhibit", "UnInhibit", false},
    IdleRoute{"org.freedesktop.ScreenSaver", "/ScreenSaver", "org.freedesktop.ScreenSaver",
              "Inhibit", "UnInhibit", false},
    IdleRoute{"org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager",
              "Inhibit", "Uninhibit", true},
};

// The bus names whose owners the inhibitor follows: those of the routes, each once.
inline constexpr std::array<const char*, 2> idleServiceNames{"org.freedesktop.ScreenSaver",
                                                             "org.gnome.SessionManager"};

class IdleHoldCourse {
public:
    // An inhibition granted: the way it was asked, its cookie, and the unique bus name of the
    // owner that granted it.
    struct Held {
        std::size_t route = 0;
        std::uint32_t cookie = 0;
        std::string owner;
        bool operator==(const Held&) const = default;
    };
    // What to do next: give a cookie back, then ask a way (index into idleRoutes).
    struct Steps {
        std::optional<Held> giveBack;
        std::optional<std::size_t> ask;
        bool operator==(const Steps&) const = default;
    };
    struct Granted {
        std::uint32_t cookie = 0;
        std::string owner;
    };

    Steps hold();
    Steps release();
    // The answer to the question asked on `route`: granted, or nothing when the call failed.
    Steps answered(std::size_t route, const std::optional<Granted>& granted);
    // `service` has a new owner (its unique name), or none when `newOwner` is empty.
    Steps ownerChanged(std::string_view service, const std::string& newOwner);

    const std::optional<Held>& held() const { return held_; }
    bool asking() const { return asking_; }

private:
    Steps startAsking();

    bool wanted_ = false;
    bool asking_ = false;
    // A service appeared while the question was on its way.
    bool askAgain_ = false;
    // The last owner seen of each name that changed while the question was on its way.
    std::map<std::string, std::string, std::less<>> ownersSeenWhileAsking_;
    std::optional<Held> held_;
};

}  // namespace pelora
