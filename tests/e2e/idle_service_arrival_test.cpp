// The hold follows the session bus: an idle service that takes its name after the show started,
// as a desktop's often does, is asked at once; one that is killed and started again is asked
// again; one that appears while the window is minimised is asked only once it is restored; GNOME's
// session manager is followed the same way. The stand-in takes its name when it is started.
#include <memory>
#include <thread>

#include "e2e/display_fixture.h"
#include "e2e/idle_services.h"

namespace pelora::e2e {
namespace {

using std::chrono::seconds;

constexpr int askedWithinMs = 1000;
constexpr seconds lateBy(5);
// Long enough for a question that should not come to have come.
constexpr int quietMs = 2000;
constexpr int closeMs = 5000;

const QString applicationName = QStringLiteral("Pelora");
const QString reason = QStringLiteral("Tirage en cours d'affichage");

struct LateService {
    std::string name;
    QStringList options;
    bool gnome = false;
};

void PrintTo(const LateService& service, std::ostream* out) {
    *out << service.name;
}

QStringList inhibitFields(const LateService& service, const ShowProgram& show) {
    if (service.gnome) {
        return {applicationName, QString::number(show.window()), reason, QStringLiteral("8")};
    }
    return {applicationName, reason};
}

void expectInhibit(const std::optional<ServiceCall>& call, const QStringList& fields,
                   const char* when) {
    ASSERT_TRUE(call.has_value()) << "no Inhibit " << when;
    EXPECT_EQ(call->kind, ServiceCall::Kind::Inhibit) << when;
    EXPECT_EQ(call->fields, fields) << when << ": " << call->fields.join(u'|').toStdString();
}

class IdleServiceArrivalE2E : public DisplayTestWithParam<LateService> {};

TEST_P(IdleServiceArrivalE2E, AServiceStartedAfterTheShowIsHeldAsSoonAsItTakesItsName) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::Forwarded);
    ASSERT_NE(show, nullptr);
    std::this_thread::sleep_for(lateBy);

    IdleServiceStandIn service(bus, GetParam().options);
    ASSERT_TRUE(service.ready());
    const QStringList fields = inhibitFields(GetParam(), *show);
    const std::optional<ServiceCall> inhibit = service.next(askedWithinMs);
    expectInhibit(inhibit, fields, "within a second of the service taking its name");
    ASSERT_TRUE(inhibit.has_value());
    EXPECT_TRUE(service.rest(quietMs).empty()) << "more calls than one";

    // Killed and started again mid-show: the new instance is held.
    service.kill();
    IdleServiceStandIn restarted(bus, GetParam().options);
    ASSERT_TRUE(restarted.ready());
    expectInhibit(restarted.next(askedWithinMs), fields, "by the restarted service");
    EXPECT_TRUE(restarted.rest(quietMs).empty()) << "more calls than one";

    show->askWindowManagerToClose();
    ASSERT_TRUE(show->process().waitForExit(closeMs));
    EXPECT_EQ(show->process().exitCode(), 0);
}

TEST_P(IdleServiceArrivalE2E, AServiceThatAppearsWhileMinimisedIsAskedOnlyOnceRestored) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    const auto show = startShowWith(bus.environment(), GuardedProcess::Output::Forwarded);
    ASSERT_NE(show, nullptr);
    show->minimise();

    IdleServiceStandIn service(bus, GetParam().options);
    ASSERT_TRUE(service.ready());
    EXPECT_TRUE(service.rest(quietMs).empty()) << "the minimised show was held";

    show->restore();
    expectInhibit(service.next(askedWithinMs), inhibitFields(GetParam(), *show), "on restore");
    EXPECT_TRUE(service.rest(quietMs).empty()) << "more calls than one";
    EXPECT_TRUE(show->process().running());
}

const LateService lateServices[] = {
    {"Freedesktop", {}, false},
    {"GnomeSessionManager", {QStringLiteral("--gnome")}, true},
};

INSTANTIATE_TEST_SUITE_P(Services, IdleServiceArrivalE2E, ::testing::ValuesIn(lateServices),
                         [](const auto& instance) { return instance.param.name; });

}  // namespace
}  // namespace pelora::e2e
