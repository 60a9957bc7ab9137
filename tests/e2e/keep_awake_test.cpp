// The screen stays lit while the show is on it, and only then: the X server's own saver is held
// off while the window is shown and comes on once it is minimised; the desktop's idle-inhibition
// service on the session bus is asked to inhibit while the window is shown, with the program's
// name and reason, and let go of when it is minimised, closed or killed. A session without such a
// service is a normal one: the show runs as ever and says nothing about it.
#include <QRegularExpression>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/idle_services.h"
#include "e2e/x_saver_probe.h"

namespace pelora::e2e {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr seconds saverTimeout(3);
// The saver's timer ticks in whole seconds and the probe looks ten times a second.
constexpr milliseconds saverMargin(2500);
constexpr int callTimeoutMs = 5000;
// After the last expected call, a call that comes within this is one too many.
constexpr int quietMs = 1500;

const QString applicationName = QStringLiteral("Pelora");
const QString reason = QStringLiteral("Tirage en cours d'affichage");

// The program's windows that are viewable: one, unless a message box came up.
int viewableWindows(const XSession& session, ShowProgram& show) {
    const ToolResult found = session.run(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
         QStringLiteral("--pid"), QString::number(show.process().processId()),
         QStringLiteral("--name"), QStringLiteral(".*")});
    return static_cast<int>(
        QString::fromLatin1(found.output).split(u'\n', Qt::SkipEmptyParts).size());
}

class ScreenSaverE2E : public DisplayTest {};

// Run on a session bus with no idle service on it: the X server's saver is the one way left.
TEST_F(ScreenSaverE2E, StaysOffWhileShownComesOnWhenMinimisedAndGoesOffWhenRestored) {
    XSaverProbe saver(session());
    ASSERT_TRUE(saver.connected());
    ASSERT_TRUE(saver.setTimeout(saverTimeout));
    ASSERT_TRUE(saver.becomesWithin(true, saverTimeout + saverMargin))
        << "the test display's saver does not come on by itself";
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";

    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::AllKept);
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(saver.becomesWithin(false, saverMargin)) << "the show does not light the screen";
    EXPECT_TRUE(saver.staysOffFor(4 * saverTimeout)) << "the saver came on over the show";

    show->minimise();
    EXPECT_TRUE(saver.becomesWithin(true, saverTimeout + saverMargin))
        << "the saver stays off although the show is minimised";

    show->restore();
    EXPECT_TRUE(saver.becomesWithin(false, saverMargin)) << "the restored show does not light "
                                                            "the screen";
    EXPECT_TRUE(saver.staysOffFor(3 * saverTimeout)) << "the saver came on over the restored show";

    EXPECT_TRUE(show->process().running());
    EXPECT_EQ(viewableWindows(session(), *show), 1) << "a box came up beside the show";
    show->askWindowManagerToClose();
    ASSERT_TRUE(show->process().waitForExit(callTimeoutMs));
    EXPECT_EQ(show->process().exitCode(), 0);
    EXPECT_EQ(show->process().readAllOutput().toStdString(), "")
        << "the show said something about the missing service";
    EXPECT_TRUE(saver.becomesWithin(true, saverTimeout + saverMargin))
        << "the saver stays off after the show ended";
}

void expectInhibit(const std::optional<ServiceCall>& call, const QStringList& fields,
                   const char* when) {
    ASSERT_TRUE(call.has_value()) << "no Inhibit " << when;
    EXPECT_EQ(call->kind, ServiceCall::Kind::Inhibit) << when;
    EXPECT_EQ(call->fields, fields) << when << ": " << call->fields.join(u'|').toStdString();
}

// The release of an inhibition: UnInhibit of that cookie from its caller, or the service dropping
// it when the caller's connection went away.
void expectReleased(const std::optional<ServiceCall>& call, const ServiceCall& inhibit,
                    const char* when, bool byCallOnly = false) {
    ASSERT_TRUE(call.has_value()) << "nothing released " << when;
    EXPECT_EQ(call->cookie, inhibit.cookie) << when;
    EXPECT_EQ(call->caller, inhibit.caller) << when;
    if (byCallOnly || call->kind == ServiceCall::Kind::Uninhibit) {
        EXPECT_EQ(call->kind, ServiceCall::Kind::Uninhibit) << when;
        EXPECT_EQ(call->fields, QStringList{QStringLiteral("known")}) << when;
    } else {
        EXPECT_EQ(call->kind, ServiceCall::Kind::Dropped) << when;
    }
}

// A desktop's idle service as the stand-in plays it, and what the show's Inhibit must carry.
struct IdleService {
    std::string name;
    QStringList options;
    bool gnome = false;
};

void PrintTo(const IdleService& service, std::ostream* out) {
    *out << service.name;
}

QStringList inhibitFields(const IdleService& service, const ShowProgram& show) {
    if (service.gnome) {
        // The X window the inhibition is for, and the flag that keeps the session from idling.
        return {applicationName, QString::number(show.window()), reason, QStringLiteral("8")};
    }
    return {applicationName, reason};
}

class IdleServiceE2E : public DisplayTestWithParam<IdleService> {};

TEST_P(IdleServiceE2E, InhibitsWhileShownAndLetsGoWhenMinimisedAndClosed) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    IdleServiceStandIn service(bus, GetParam().options);
    ASSERT_TRUE(service.ready());
    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::Forwarded);
    ASSERT_NE(show, nullptr);
    const QStringList fields = inhibitFields(GetParam(), *show);

    const std::optional<ServiceCall> first = service.next(callTimeoutMs);
    expectInhibit(first, fields, "at start");
    ASSERT_TRUE(first.has_value());
    show->minimise();
    expectReleased(service.next(callTimeoutMs), *first, "on minimise", true);
    show->restore();
    const std::optional<ServiceCall> again = service.next(callTimeoutMs);
    expectInhibit(again, fields, "on restore");
    ASSERT_TRUE(again.has_value());
    EXPECT_NE(again->cookie, first->cookie);

    show->askWindowManagerToClose();
    ASSERT_TRUE(show->process().waitForExit(callTimeoutMs));
    EXPECT_EQ(show->process().exitCode(), 0);
    expectReleased(service.next(callTimeoutMs), *again, "on closing");
    EXPECT_TRUE(service.rest(quietMs).empty()) << "more calls than one a change";
}

const IdleService idleServices[] = {
    {"Freedesktop", {}, false},
    // The object path some services still offer alone.
    {"FreedesktopAtTheShortPath",
     {QStringLiteral("--path"), QStringLiteral("/ScreenSaver")},
     false},
    {"GnomeSessionManager", {QStringLiteral("--gnome")}, true},
};

INSTANTIATE_TEST_SUITE_P(Services, IdleServiceE2E, ::testing::ValuesIn(idleServices),
                         [](const auto& instance) { return instance.param.name; });

class IdleInhibitionE2E : public DisplayTest {};

TEST_F(IdleInhibitionE2E, AKilledShowIsDroppedByTheService) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    IdleServiceStandIn service(bus, {});
    ASSERT_TRUE(service.ready());
    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::Forwarded);
    ASSERT_NE(show, nullptr);
    const std::optional<ServiceCall> inhibit = service.next(callTimeoutMs);
    expectInhibit(inhibit, {applicationName, reason}, "at start");
    ASSERT_TRUE(inhibit.has_value());

    show->process().kill();
    const std::optional<ServiceCall> dropped = service.next(callTimeoutMs);
    ASSERT_TRUE(dropped.has_value()) << "the killed show's inhibition is still held";
    EXPECT_EQ(dropped->kind, ServiceCall::Kind::Dropped);
    EXPECT_EQ(dropped->cookie, inhibit->cookie);
}

// The service answers late; the window is minimised between the question and the answer: the
// cookie is let go of as soon as it arrives, and the restored window asks again.
TEST_F(IdleInhibitionE2E, MinimisedBeforeTheServiceAnswersLetsGoOnceItDoes) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    IdleServiceStandIn service(bus, {QStringLiteral("--reply-delay-ms"), QStringLiteral("3000")});
    ASSERT_TRUE(service.ready());
    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::Forwarded);
    ASSERT_NE(show, nullptr);
    const std::optional<ServiceCall> inhibit = service.next(callTimeoutMs);
    show->minimise();
    expectInhibit(inhibit, {applicationName, reason}, "at start");
    ASSERT_TRUE(inhibit.has_value());
    expectReleased(service.next(callTimeoutMs), *inhibit, "once the answer came", true);

    show->restore();
    expectInhibit(service.next(callTimeoutMs), {applicationName, reason}, "on restore");
    EXPECT_TRUE(service.rest(quietMs + 3000).empty()) << "more calls than one a change";
    EXPECT_TRUE(show->process().running());
}

// Where the session offers both, the freedesktop service is the one asked, once.
TEST_F(IdleInhibitionE2E, TheFreedesktopServiceIsPreferredToGnomes) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    IdleServiceStandIn freedesktop(bus, {});
    IdleServiceStandIn gnome(bus, {QStringLiteral("--gnome")});
    ASSERT_TRUE(freedesktop.ready());
    ASSERT_TRUE(gnome.ready());
    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::Forwarded);
    ASSERT_NE(show, nullptr);
    expectInhibit(freedesktop.next(callTimeoutMs), {applicationName, reason}, "at start");
    EXPECT_TRUE(gnome.rest(quietMs).empty()) << "GNOME's session manager was asked too";
    EXPECT_TRUE(freedesktop.rest(0).empty());
}

}  // namespace
}  // namespace pelora::e2e
