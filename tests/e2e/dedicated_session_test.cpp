// The screen of its own: the X session's command (packaging/pelora-session.in, written for the
// program built here) run on a bare X server, as a display manager runs it. The window is centred
// on the screen, the root window is a plain dark colour, the pointer over the show is hidden after
// its idle delay and shows again as soon as it moves, a killed show is back within 6 seconds, and
// a normal close of the window (a close request, or Alt+F4, which the show takes itself with no
// window manager) ends the session with status 0 within 2 seconds, leaving no process behind. The
// pointer is read where it is drawn: Xvfb keeps its screen, the software pointer included, in a
// file, while the X server's own picture of a window leaves the pointer out; the two differ where
// the pointer shows.
#include <xcb/xcb.h>

#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/show_layout.h"

namespace pelora::e2e {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr auto firstWindowTimeout = seconds(10);
constexpr auto backAfterKill = seconds(6);
constexpr int sessionEndsWithinMs = 2000;
constexpr auto pollPeriod = milliseconds(50);
// The session hides the pointer after 3 s without movement; its timer and the X server's add
// a little.
constexpr auto hiddenWithin = seconds(6);
constexpr auto shownWithin = seconds(1);
constexpr QRgb rootColour = 0xFF202020;
// Where the pointer is looked for: over the header, where nothing moves.
constexpr QPoint pointerSpot{40, 40};
constexpr int pointerArea = 32;

const QString captionPattern = QStringLiteral("^Pelora - V1\\.0");

// The show's viewable window other than `except`, whichever process shows it.
std::optional<WindowId> showWindow(const XSession& session, WindowId except = 0) {
    const ToolResult found = session.run(QStringLiteral("xdotool"),
                                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--name"), captionPattern});
    for (const QString& line : QString::fromLatin1(found.output).split(u'\n', Qt::SkipEmptyParts)) {
        bool ok = false;
        const WindowId window = line.toULongLong(&ok);
        if (ok && window != except) {
            return window;
        }
    }
    return std::nullopt;
}

std::optional<WindowId> waitForShowWindow(const XSession& session, Clock::duration timeout,
                                          WindowId except = 0) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        if (const auto window = showWindow(session, except)) {
            return window;
        }
        std::this_thread::sleep_for(pollPeriod);
    }
    return std::nullopt;
}

qint64 windowProcess(const XSession& session, WindowId window) {
    const ToolResult found =
        session.run(QStringLiteral("xdotool"), {QStringLiteral("getwindowpid"), hexId(window)});
    return QString::fromLatin1(found.output).trimmed().toLongLong();
}

// The processes whose parent is `parent`, from /proc.
std::vector<qint64> childrenOf(qint64 parent) {
    std::vector<qint64> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isProcess = false;
        const qint64 pid = entry.toLongLong(&isProcess);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!isProcess || !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // pid (name) state ppid ...: the name may hold spaces, its closing bracket ends it.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toLongLong() == parent) {
            children.push_back(pid);
        }
    }
    return children;
}

bool processExists(qint64 pid) {
    return QFile::exists(QStringLiteral("/proc/%1").arg(pid));
}

// A window manager's close: WM_DELETE_WINDOW sent to the window, which the show takes as a close
// request. With no manager on the display, this is how the test closes it.
bool askToClose(const XSession& session, WindowId window) {
    xcb_connection_t* connection = xcb_connect(session.display().toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    const auto atom = [connection](const char* name) -> xcb_atom_t {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t value = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return value;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window);
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    return true;
}

QImage readPicture(const XSession& session, const QString& tool, const QStringList& arguments) {
    const ToolResult result = session.run(tool, arguments);
    return QImage::fromData(result.output, "PNG").convertToFormat(QImage::Format_RGB32);
}

// A square of the screen as Xvfb shows it, pointer included, and as the X server gives it to
// clients, without the pointer.
// ImageMagick's WIDTHxHEIGHT+X+Y.
QString cropGeometry(const QRect& area) {
    return QStringLiteral("%1x%2+%3+%4")
        .arg(area.width())
        .arg(area.height())
        .arg(area.x())
        .arg(area.y());
}

QImage screenWithPointer(const XSession& session, const QRect& area) {
    return readPicture(session, QStringLiteral("convert"),
                       {QStringLiteral("xwd:") + session.framebufferFile(), QStringLiteral("-crop"),
                        cropGeometry(area), QStringLiteral("+repage"), QStringLiteral("png:-")});
}

QImage screenWithoutPointer(const XSession& session, const QRect& area) {
    return readPicture(session, QStringLiteral("import"),
                       {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"),
                        cropGeometry(area), QStringLiteral("+repage"), QStringLiteral("png:-")});
}

// Whether the pointer is drawn in the square around `at`; nothing when the screen could not be
// read.
std::optional<bool> pointerShows(const XSession& session, QPoint at) {
    const QRect area(at - QPoint(4, 4), QSize(pointerArea, pointerArea));
    const QImage drawn = screenWithPointer(session, area);
    const QImage plain = screenWithoutPointer(session, area);
    if (drawn.size() != area.size() || plain.size() != area.size()) {
        return std::nullopt;
    }
    int differing = 0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            differing += drawn.pixel(x, y) != plain.pixel(x, y) ? 1 : 0;
        }
    }
    return differing >= 10;
}

bool pointerBecomes(const XSession& session, QPoint at, bool shown, Clock::duration timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        if (pointerShows(session, at) == shown) {
            return true;
        }
        std::this_thread::sleep_for(pollPeriod);
    }
    return false;
}

void moveMouseBy(const XSession& session, QPoint by) {
    session.run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove_relative"), QStringLiteral("--"),
                 QString::number(by.x()), QString::number(by.y())});
}

class DedicatedSessionE2E : public ::testing::Test, public DisplaySuite {
public:
    static void SetUpTestSuite() {}
    static void TearDownTestSuite() {}

protected:
    void SetUp() override {
        try {
            display_ = std::make_unique<XSession>(XSession::Desktop::BareXvfbWithPointer);
        } catch (const std::runtime_error& error) {
            FAIL() << "no test display: " << error.what();
        }
        startedAt_ = Clock::now();
        command_ = std::make_unique<GuardedProcess>(
            QStringLiteral("sh"), QStringList{QStringLiteral(PELORA_SESSION_COMMAND)},
            display_->environment(), GuardedProcess::Output::Forwarded);
        ASSERT_TRUE(command_->started());
        const auto window = waitForShowWindow(*display_, firstWindowTimeout);
        ASSERT_TRUE(window) << "the session shows no window";
        window_ = *window;
    }

    // The session's command ends the show and the pointer hider when it is stopped.
    void TearDown() override { command_.reset(); }

    const XSession& display() const { return *display_; }
    GuardedProcess& command() { return *command_; }
    WindowId window() const { return window_; }
    Clock::time_point startedAt() const { return startedAt_; }

private:
    std::unique_ptr<XSession> display_;
    std::unique_ptr<GuardedProcess> command_;
    WindowId window_ = 0;
    Clock::time_point startedAt_;
};

TEST_F(DedicatedSessionE2E, TheShowAloneCentredOnADarkScreenWithThePointerHiddenWhenIdle) {
    const std::optional<QRect> client = clientRectangle(display(), window());
    ASSERT_TRUE(client);
    EXPECT_EQ(client->size(), box::client);
    const QSize screen = XSession::screenSize;
    EXPECT_NEAR(client->left(), (screen.width() - client->width()) / 2.0, 0.5);
    EXPECT_NEAR(client->top(), (screen.height() - client->height()) / 2.0, 0.5);

    // Time from the session's start to the first painted frame, for docs/PERFORMANCE.md.
    const auto painted = [&] {
        const auto deadline = Clock::now() + firstWindowTimeout;
        while (Clock::now() < deadline) {
            const QImage picture = grabClient(display(), window());
            if (!picture.isNull() && isPainted(picture)) {
                return std::optional<Clock::time_point>(Clock::now());
            }
        }
        return std::optional<Clock::time_point>();
    }();
    ASSERT_TRUE(painted) << "no painted frame";
    std::cout << "session start to first painted frame: " << secondsBetween(startedAt(), *painted)
              << " s\n";

    const QImage corner = screenWithoutPointer(display(), QRect(0, 0, 16, 16));
    ASSERT_FALSE(corner.isNull());
    EXPECT_EQ(corner.pixel(8, 8), rootColour) << "the root window is not the session's colour";

    // The pointer is put over the header by a warp, which is no movement of the mouse; the
    // moves after it are relative, as a mouse's are, and reach the hider as the device's motion.
    const QPoint over = client->topLeft() + pointerSpot;
    display().run(
        QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(over.x()), QString::number(over.y())});
    const QPoint nudge(2, 1);
    moveMouseBy(display(), nudge);
    EXPECT_TRUE(pointerBecomes(display(), over + nudge, true, shownWithin))
        << "the pointer does not show after a move";
    EXPECT_TRUE(pointerBecomes(display(), over + nudge, false, hiddenWithin))
        << "the idle pointer stays on the screen";
    const QPoint step(20, 10);
    moveMouseBy(display(), step);
    EXPECT_TRUE(pointerBecomes(display(), over + nudge + step, true, shownWithin))
        << "the pointer does not come back when the mouse moves";
}

TEST_F(DedicatedSessionE2E, AKilledShowIsBackWithinSixSeconds) {
    const qint64 show = windowProcess(display(), window());
    ASSERT_GT(show, 0);
    ASSERT_EQ(::kill(static_cast<pid_t>(show), SIGKILL), 0);
    const auto killedAt = Clock::now();
    // The new show's window may get the id the killed one had: it is told by its process.
    std::optional<WindowId> again;
    while (!again && Clock::now() < killedAt + backAfterKill) {
        again = showWindow(display());
        if (again && windowProcess(display(), *again) == show) {
            again.reset();
        }
        if (!again) {
            std::this_thread::sleep_for(pollPeriod);
        }
    }
    ASSERT_TRUE(again) << "no show within 6 s of the kill";
    std::cout << "back " << secondsBetween(killedAt, Clock::now()) << " s after the kill\n";
    EXPECT_TRUE(command().running());
}

// A show that cannot start at all (here, no display) is tried again after longer and longer
// pauses (1, 2, 4 ... seconds), not in a busy loop: a handful of starts in 6 seconds, each said in
// the session's log.
TEST(DedicatedSessionWithoutDisplayE2E, AShowThatFailsAtOnceIsNotStartedInABusyLoop) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":1999"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    GuardedProcess command(QStringLiteral("sh"), {QStringLiteral(PELORA_SESSION_COMMAND)},
                           environment, GuardedProcess::Output::AllKept);
    ASSERT_TRUE(command.started());
    QString log;
    const auto deadline = Clock::now() + seconds(6);
    while (Clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        log += QString::fromUtf8(command.readLine(static_cast<int>(left.count()) + 1)) + u'\n';
    }
    EXPECT_TRUE(command.running()) << "the session gave up";
    const auto restarts = log.count(QStringLiteral("nouveau départ"));
    EXPECT_GE(restarts, 2) << log.toStdString();
    EXPECT_LE(restarts, 4) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("nouveau départ dans 4 s"))) << log.toStdString();
}

// A normal close: a window manager's WM_DELETE_WINDOW, as a tool sends it, or Alt+F4 at the
// keyboard, which the show takes itself where no manager runs.
struct CloseWay {
    const char* name;
    bool closeKey;
};

void PrintTo(const CloseWay& way, std::ostream* out) {
    *out << way.name;
}

class DedicatedSessionCloseE2E : public DedicatedSessionE2E,
                                 public ::testing::WithParamInterface<CloseWay> {};

TEST_P(DedicatedSessionCloseE2E, ANormalCloseEndsTheSessionAndLeavesNoProcessBehind) {
    const std::vector<qint64> children = childrenOf(command().processId());
    EXPECT_EQ(children.size(), 2U) << "the session runs the show and the pointer hider";
    if (GetParam().closeKey) {
        const std::optional<QRect> client = clientRectangle(display(), window());
        ASSERT_TRUE(client);
        display().run(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(client->center().x()),
                       QString::number(client->center().y())});
        display().run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+F4")});
    } else {
        ASSERT_TRUE(askToClose(display(), window()));
    }
    ASSERT_TRUE(command().waitForExit(sessionEndsWithinMs)) << "the session goes on after a close";
    EXPECT_TRUE(command().exitedNormally());
    EXPECT_EQ(command().exitCode(), 0);
    for (const qint64 child : children) {
        EXPECT_FALSE(processExists(child)) << "process " << child << " outlived the session";
    }
}

const CloseWay closeWays[] = {{"DeleteWindow", false}, {"AltF4", true}};

INSTANTIATE_TEST_SUITE_P(Ways, DedicatedSessionCloseE2E, ::testing::ValuesIn(closeWays),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
}  // namespace pelora::e2e
