#include "e2e/x_session.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace pelora::e2e {
namespace {

constexpr int serverStartMs = 15000;
// Displays numbered by hand are mostly small; the tests keep to a range of their own.
constexpr int firstDisplayNumber = 300;
constexpr int displayNumberSpread = 400;
constexpr int displayNumberTries = 50;
constexpr auto windowManagerStart = std::chrono::seconds(15);
constexpr auto pollPeriod = std::chrono::milliseconds(50);

// The display alone sets the scale, as on a desktop.
void leaveTheScaleToTheDisplay(QProcessEnvironment& environment) {
    for (const char* scaling :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI",
          "QT_FONT_DPI"}) {
        environment.remove(QString::fromLatin1(scaling));
    }
}

// The desktop the tests run from keeps its session bus to itself: a show under test must not hold
// off the developer's screen saver. A test that wants a bus starts one of its own.
void keepOffTheSessionBus(QProcessEnvironment& environment, const QTemporaryDir& scratch) {
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + scratch.filePath(QStringLiteral("no-bus")));
}

}  // namespace

XSession::XSession(Desktop desktop) : desktop_(desktop) {
    if (desktop_ == Desktop::WestonWithXwayland) {
        startWeston();
        return;
    }
    startServer();
    if (desktop_ == Desktop::Xfwm4OnXvfb) {
        startXfwm4();
    } else if (desktop_ == Desktop::OpenboxOnXvfb) {
        startWindowManager();
    } else if (desktop_ == Desktop::UndecoratedOpenboxOnXvfb) {
        startWindowManager(false);
    } else if (desktop_ == Desktop::KwinOnXvfb) {
        startKwin();
    }
}

XSession::XSession(QSize screen) : screen_(screen) {
    startServer();
    startWindowManager();
}

XSession::~XSession() = default;

void XSession::startServer() {
    const int first = firstDisplayNumber + static_cast<int>(::getpid() % displayNumberSpread);
    for (int number = first; number < first + displayNumberTries; ++number) {
        if (startServerOn(number)) {
            display_ = QStringLiteral(":%1").arg(number);
            environment_ = QProcessEnvironment::systemEnvironment();
            environment_.insert(QStringLiteral("DISPLAY"), display_);
            environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));
            environment_.remove(QStringLiteral("XAUTHORITY"));
            leaveTheScaleToTheDisplay(environment_);
            keepOffTheSessionBus(environment_, scratch_);
            return;
        }
    }
    throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
}

// Another server may take the number between the check and the start: Xvfb then stops, and the
// next number is tried.
bool XSession::startServerOn(int number) {
    const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    if (QFileInfo::exists(lock) || QFileInfo::exists(socket)) {
        return false;
    }
    const QString screen = QStringLiteral("%1x%2x24").arg(screen_.width()).arg(screen_.height());
    // -displayfd writes the number once the server accepts connections.
    QStringList arguments{QStringLiteral(":%1").arg(number),
                          QStringLiteral("-displayfd"),
                          QStringLiteral("1"),
                          QStringLiteral("-screen"),
                          QStringLiteral("0"),
                          screen,
                          QStringLiteral("-nolisten"),
                          QStringLiteral("tcp"),
                          QStringLiteral("-noreset")};
    if (desktop_ == Desktop::BareXvfbWithPointer) {
        // The screen in a file, where the software pointer Xvfb draws can be seen or missed.
        arguments << QStringLiteral("-fbdir") << scratch_.path();
    } else {
        arguments << QStringLiteral("-nocursor");
    }
    server_ = std::make_unique<GuardedProcess>(QStringLiteral("Xvfb"), arguments,
                                               QProcessEnvironment::systemEnvironment(),
                                               GuardedProcess::Output::StandardOutputKept);
    return server_->started() && server_->readLine(serverStartMs) == QByteArray::number(number);
}

void XSession::startWindowManager(bool decorated) {
    // openbox runs its start-up command once it has taken the screen over and grabbed its keys
    // (alt+F4 among them); the root window's check property comes earlier than that.
    const QString ready = scratch_.filePath(QStringLiteral("window-manager-ready"));
    QStringList arguments{QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                          QStringLiteral("touch ") + ready};
    if (!decorated) {
        arguments << QStringLiteral("--config-file") << undecoratedConfiguration();
    }
    windowManager_ = std::make_unique<GuardedProcess>(
        QStringLiteral("openbox"), arguments, environment_, GuardedProcess::Output::Discarded);
    const auto deadline = std::chrono::steady_clock::now() + windowManagerStart;
    while (windowManager_->running() && std::chrono::steady_clock::now() < deadline) {
        if (QFileInfo::exists(ready)) {
            return;
        }
        std::this_thread::sleep_for(pollPeriod);
    }
    throw std::runtime_error("openbox did not come up on " + display_.toStdString());
}

// The system's openbox configuration with one application rule more: no decoration for any
// window, which openbox publishes as empty frame extents once the window is managed.
QString XSession::undecoratedConfiguration() {
    QFile system(QStringLiteral("/etc/xdg/openbox/rc.xml"));
    if (!system.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("openbox's configuration /etc/xdg/openbox/rc.xml cannot be read");
    }
    QByteArray configuration = system.readAll();
    const QByteArray end("</applications>");
    const qsizetype at = configuration.lastIndexOf(end);
    if (at < 0) {
        throw std::runtime_error("openbox's configuration has no applications section");
    }
    configuration.insert(at, "<application class=\"*\"><decor>no</decor></application>\n");
    // Without it openbox keeps a 1-pixel border round an undecorated window.
    const QByteArray keepBorder("<keepBorder>yes</keepBorder>");
    if (!configuration.contains(keepBorder)) {
        throw std::runtime_error("openbox's configuration has no keepBorder setting");
    }
    configuration.replace(keepBorder, "<keepBorder>no</keepBorder>");
    const QString path = scratch_.filePath(QStringLiteral("openbox-undecorated.xml"));
    QFile written(path);
    if (!written.open(QIODevice::WriteOnly) ||
        written.write(configuration) != configuration.size()) {
        throw std::runtime_error("openbox's configuration cannot be written to the scratch folder");
    }
    return path;
}

QProcessEnvironment XSession::startSessionBusFor(const char* manager) {
    sessionBus_ = std::make_unique<GuardedProcess>(
        QStringLiteral("dbus-daemon"),
        QStringList{QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")},
        QProcessEnvironment::systemEnvironment(), GuardedProcess::Output::StandardOutputKept);
    const QByteArray bus = sessionBus_->started() ? sessionBus_->readLine(serverStartMs) : "";
    if (bus.isEmpty()) {
        throw std::runtime_error(std::string("no session bus for ") + manager +
                                 " (is the dbus-daemon package installed?)");
    }
    QProcessEnvironment environment = environment_;
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus));
    environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    return environment;
}

void XSession::awaitManager(const char* manager, const char* supported) {
    const auto deadline = std::chrono::steady_clock::now() + windowManagerStart;
    while (windowManager_->running() && std::chrono::steady_clock::now() < deadline) {
        const QString listed =
            QString::fromUtf8(run(QStringLiteral("xprop"),
                                  {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTED")})
                                  .output);
        if (listed.contains(QString::fromLatin1(supported))) {
            return;
        }
        std::this_thread::sleep_for(pollPeriod);
    }
    throw std::runtime_error(std::string(manager) + " did not come up on " +
                             display_.toStdString() + " (is its package installed?)");
}

// xfwm4 reads its settings through xfconf, over a session bus of its own; without one it stops.
// It is ready once it has claimed the screen and published what it supports.
void XSession::startXfwm4() {
    windowManager_ = std::make_unique<GuardedProcess>(
        QStringLiteral("xfwm4"), QStringList{QStringLiteral("--compositor=off")},
        startSessionBusFor("xfwm4"), GuardedProcess::Output::Discarded);
    awaitManager("xfwm4", "_NET_REQUEST_FRAME_EXTENTS");
}

// KWin wants a session bus too, and keeps its settings and caches in folders of the display's
// own, away from the user's; without compositing, as on a machine without a graphics card. It
// does not list _NET_REQUEST_FRAME_EXTENTS: a window learns its frame only once it is managed.
void XSession::startKwin() {
    QProcessEnvironment environment = startSessionBusFor("kwin_x11");
    for (const char* folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString path = scratch_.filePath(QString::fromLatin1(folder).toLower());
        QDir().mkpath(path);
        environment.insert(QString::fromLatin1(folder), path);
    }
    environment.insert(QStringLiteral("KWIN_COMPOSE"), QStringLiteral("N"));
    windowManager_ = std::make_unique<GuardedProcess>(
        QStringLiteral("kwin_x11"), QStringList{}, environment, GuardedProcess::Output::Discarded);
    awaitManager("kwin_x11", "_NET_FRAME_EXTENTS");
}

// Weston on its headless back end with Xwayland, in a runtime folder of its own. It starts
// Xwayland when the first X client connects, and logs the X display it listens on.
void XSession::startWeston() {
    const QString runtime = scratch_.filePath(QStringLiteral("runtime"));
    const QString log = scratch_.filePath(QStringLiteral("weston.log"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString socket = QStringLiteral("pelora-e2e-%1").arg(::getpid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    server_ = std::make_unique<GuardedProcess>(
        QStringLiteral("weston"),
        QStringList{QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--xwayland"),
                    QStringLiteral("--socket=") + socket,
                    QStringLiteral("--width=%1").arg(screenSize.width()),
                    QStringLiteral("--height=%1").arg(screenSize.height()),
                    QStringLiteral("--idle-time=0"), QStringLiteral("--log=") + log},
        environment, GuardedProcess::Output::Discarded);
    const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
    const auto deadline = std::chrono::steady_clock::now() + windowManagerStart;
    while (server_->running() && std::chrono::steady_clock::now() < deadline) {
        QFile file(log);
        if (file.open(QIODevice::ReadOnly)) {
            const QRegularExpressionMatch match =
                listening.match(QString::fromUtf8(file.readAll()));
            if (match.hasMatch()) {
                display_ = match.captured(1);
                environment_ = environment;
                environment_.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
                environment_.insert(QStringLiteral("DISPLAY"), display_);
                environment_.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
                environment_.remove(QStringLiteral("QT_QPA_PLATFORM"));
                environment_.remove(QStringLiteral("XAUTHORITY"));
                leaveTheScaleToTheDisplay(environment_);
                keepOffTheSessionBus(environment_, scratch_);
                return;
            }
        }
        std::this_thread::sleep_for(pollPeriod);
    }
    throw std::runtime_error(
        "weston did not start with Xwayland (are the weston and xwayland "
        "packages installed?)");
}

QString XSession::framebufferFile() const {
    return desktop_ == Desktop::BareXvfbWithPointer
               ? scratch_.filePath(QStringLiteral("Xvfb_screen0"))
               : QString();
}

bool XSession::setXftDpi(int dpi) const {
    const QString resources = QStringLiteral("Xft.dpi:\t%1\n").arg(dpi);
    return run(QStringLiteral("xprop"),
               {QStringLiteral("-root"), QStringLiteral("-format"),
                QStringLiteral("RESOURCE_MANAGER"), QStringLiteral("8s"), QStringLiteral("-set"),
                QStringLiteral("RESOURCE_MANAGER"), resources})
               .exitCode == 0;
}

ToolResult XSession::run(const QString& tool, const QStringList& arguments,
                         const QByteArray& input) const {
    return runTool(tool, arguments, environment_, input);
}

}  // namespace pelora::e2e
