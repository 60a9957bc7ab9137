// Which Qt platform the show asks for. On a Wayland desktop Qt picks its native Wayland platform
// whenever it is installed, and there a program cannot place its own window: the show could not
// be centred. Where the desktop also runs Xwayland (an X display is set), the show asks for X11
// through it, with Wayland as the fallback, so that its window is centred, fixed and
// unmaximisable as on every other desktop. A platform the user chose is kept.
#pragma once

#include <optional>
#include <string>

namespace pelora {

struct PlatformSetting {
    bool chosenByUser = false;    // QT_QPA_PLATFORM set, or -platform on the command line
    bool x11Display = false;      // DISPLAY set
    bool waylandDisplay = false;  // WAYLAND_DISPLAY set
};

// The platform list to ask Qt for, or nothing to leave Qt's own choice.
std::optional<std::string> platformToAskFor(const PlatformSetting& setting);

// Whether the command line names a platform, as Qt reads it (-platform or --platform).
bool platformOnCommandLine(int argc, const char* const* argv);

// Reads the environment and the command line, and asks Qt for the platform to use through
// QT_QPA_PLATFORM. Call before the application object is made.
void choosePlatform(int argc, const char* const* argv);

}  // namespace pelora
