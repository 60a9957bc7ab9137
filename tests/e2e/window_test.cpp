// The window as the window manager sees it: a fixed client size, centred with its frame, size
// hints that forbid resizing, no maximise action, the caption; and requests to resize, maximise
// or go full screen that leave the client size as it is.
#include <QRegularExpression>
#include <functional>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/show_layout.h"

namespace pelora::e2e {
namespace {

constexpr auto settlePeriod = std::chrono::milliseconds(150);
constexpr int settleReadings = 20;
// Time for the window manager and the program to act on a request before the size is read.
constexpr auto requestSettle = std::chrono::milliseconds(800);

// The client rectangle once two readings in a row agree: the program centres the window again
// when the window manager has put its frame around it.
std::optional<QRect> settledClient(const XSession& session, WindowId window) {
    std::optional<QRect> last = clientRectangle(session, window);
    for (int i = 0; i < settleReadings; ++i) {
        std::this_thread::sleep_for(settlePeriod);
        const std::optional<QRect> now = clientRectangle(session, window);
        if (now && now == last) {
            return now;
        }
        last = now;
    }
    return std::nullopt;
}

class WindowE2E : public DisplayTest {};

TEST_F(WindowE2E, ClientAreaIsFixedAndTheFramedWindowIsCentredOnTheScreen) {
    const auto show = startShow();
    ASSERT_NE(show, nullptr);
    const std::optional<QRect> client = settledClient(session(), show->window());
    ASSERT_TRUE(client.has_value());
    EXPECT_EQ(client->size(), box::client);
    const FrameExtents& frame = show->frame();
    const QRect outer = client->adjusted(-frame.left, -frame.top, frame.right, frame.bottom);
    EXPECT_NEAR(outer.left(), (XSession::screenSize.width() - outer.width()) / 2.0, 1.0)
        << "outer rectangle " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
        << outer.height();
    EXPECT_NEAR(outer.top(), (XSession::screenSize.height() - outer.height()) / 2.0, 1.0)
        << "outer rectangle " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
        << outer.height();
}

TEST_F(WindowE2E, SizeHintsFixTheSizeAndNoMaximiseIsOffered) {
    const auto show = startShow();
    ASSERT_NE(show, nullptr);
    const QString hints = property(session(), show->window(), QStringLiteral("WM_NORMAL_HINTS"));
    EXPECT_TRUE(hints.contains(QStringLiteral("minimum size: 1095 by 684"))) << hints.toStdString();
    EXPECT_TRUE(hints.contains(QStringLiteral("maximum size: 1095 by 684"))) << hints.toStdString();
    const QString actions =
        property(session(), show->window(), QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE"))) << actions.toStdString();
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_MINIMIZE")))
        << actions.toStdString();
    EXPECT_FALSE(actions.contains(QStringLiteral("MAXIMIZE"))) << actions.toStdString();
    EXPECT_FALSE(actions.contains(QStringLiteral("_NET_WM_ACTION_RESIZE")))
        << actions.toStdString();
}

TEST_F(WindowE2E, CaptionNamesTheProgramItsVersionAndWebAddress) {
    const auto show = startShow();
    ASSERT_NE(show, nullptr);
    const QString caption = QStringLiteral("\"Pelora - V1.0 - www.pelora.fr\"");
    for (const QString& name : {QStringLiteral("WM_NAME"), QStringLiteral("_NET_WM_NAME")}) {
        const QString printed = property(session(), show->window(), name);
        EXPECT_TRUE(printed.endsWith(QStringLiteral("= ") + caption)) << printed.toStdString();
    }
}

// A way a user or another program may try to change the window's size.
struct SizeRequest {
    std::string name;
    std::function<ToolResult(const XSession&, WindowId, const QRect& client)> send;
};

void PrintTo(const SizeRequest& request, std::ostream* out) {
    *out << request.name;
}

const SizeRequest sizeRequests[] = {
    {"SmallerByXdotool",
     [](const XSession& s, WindowId w, const QRect&) {
         return s.run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), hexId(w),
                                                  QStringLiteral("800"), QStringLiteral("600")});
     }},
    {"ScreenSizeByXdotool",
     [](const XSession& s, WindowId w, const QRect&) {
         return s.run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), hexId(w),
                                                  QStringLiteral("1280"), QStringLiteral("800")});
     }},
    {"MaximiseByWmctrl",
     [](const XSession& s, WindowId w, const QRect&) {
         return s.run(QStringLiteral("wmctrl"),
                      {QStringLiteral("-i"), QStringLiteral("-r"), hexId(w), QStringLiteral("-b"),
                       QStringLiteral("add,maximized_vert,maximized_horz")});
     }},
    {"FullScreenByWmctrl",
     [](const XSession& s, WindowId w, const QRect&) {
         return s.run(QStringLiteral("wmctrl"),
                      {QStringLiteral("-i"), QStringLiteral("-r"), hexId(w), QStringLiteral("-b"),
                       QStringLiteral("add,fullscreen")});
     }},
    // openbox maximises a window whose title bar is double-clicked.
    {"DoubleClickOnTheTitleBar",
     [](const XSession& s, WindowId, const QRect& client) {
         return s.run(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(client.center().x()),
                       QString::number(client.top() - 8), QStringLiteral("click"),
                       QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
                       QStringLiteral("100"), QStringLiteral("1")});
     }},
    // openbox resizes a window dragged with Alt and the right button; it needs the pointer to
    // move in steps while the button is down.
    {"AltRightDrag",
     [](const XSession& s, WindowId, const QRect& client) {
         const QPoint from = client.bottomRight() - QPoint(20, 20);
         QStringList steps{QStringLiteral("mousemove"), QString::number(from.x()),
                           QString::number(from.y()),   QStringLiteral("keydown"),
                           QStringLiteral("alt"),       QStringLiteral("mousedown"),
                           QStringLiteral("3")};
         for (const int step : {10, 100, 200, 300}) {
             steps << QStringLiteral("sleep") << QStringLiteral("0.1")
                   << QStringLiteral("mousemove") << QString::number(from.x() - step)
                   << QString::number(from.y() - step);
         }
         steps << QStringLiteral("mouseup") << QStringLiteral("3") << QStringLiteral("keyup")
               << QStringLiteral("alt");
         return s.run(QStringLiteral("xdotool"), steps);
     }},
};

class SizeRequestE2E : public DisplayTestWithParam<SizeRequest> {};

TEST_P(SizeRequestE2E, LeavesTheClientAreaAt1095By684) {
    const auto show = startShow();
    ASSERT_NE(show, nullptr);
    const std::optional<QRect> before = settledClient(session(), show->window());
    ASSERT_TRUE(before.has_value());
    const ToolResult sent = GetParam().send(session(), show->window(), *before);
    ASSERT_EQ(sent.exitCode, 0) << sent.errors.toStdString();
    std::this_thread::sleep_for(requestSettle);
    const std::optional<QRect> after = settledClient(session(), show->window());
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->size(), box::client);
    const QString state = property(session(), show->window(), QStringLiteral("_NET_WM_STATE"));
    EXPECT_FALSE(state.contains(QStringLiteral("MAXIMIZED"))) << state.toStdString();
    EXPECT_FALSE(state.contains(QStringLiteral("FULLSCREEN"))) << state.toStdString();
    EXPECT_TRUE(show->process().running());
}

INSTANTIATE_TEST_SUITE_P(Requests, SizeRequestE2E, ::testing::ValuesIn(sizeRequests),
                         [](const auto& instance) { return instance.param.name; });

}  // namespace
}  // namespace pelora::e2e
