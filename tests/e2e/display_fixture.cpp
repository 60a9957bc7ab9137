#include "e2e/display_fixture.h"

#include <stdexcept>

#include "support/pixel_probe.h"

namespace pelora::e2e {
namespace {

// Start-up is well under a second; the margin covers a machine busy with other work.
constexpr auto showTimeout = std::chrono::seconds(20);

}  // namespace

std::unique_ptr<XSession> DisplaySuite::session_;
std::string DisplaySuite::sessionError_;

void DisplaySuite::SetUpTestSuite() {
    try {
        session_ = std::make_unique<XSession>();
        sessionError_.clear();
    } catch (const std::runtime_error& error) {
        sessionError_ = error.what();
    }
}

void DisplaySuite::TearDownTestSuite() {
    session_.reset();
}

std::unique_ptr<ShowProgram> DisplaySuite::startShow() {
    if (!session_) {
        ADD_FAILURE() << "no test display: " << sessionError_;
        return nullptr;
    }
    return startShowOn(*session_);
}

std::unique_ptr<ShowProgram> DisplaySuite::startShowOn(const XSession& session) {
    return waitForWindow(std::make_unique<ShowProgram>(session));
}

std::unique_ptr<ShowProgram> DisplaySuite::startShowWith(const QProcessEnvironment& environment,
                                                         GuardedProcess::Output output) {
    if (!session_) {
        ADD_FAILURE() << "no test display: " << sessionError_;
        return nullptr;
    }
    return waitForWindow(std::make_unique<ShowProgram>(*session_, environment, output));
}

std::unique_ptr<ShowProgram> DisplaySuite::waitForWindow(std::unique_ptr<ShowProgram> show) {
    if (!show->process().started()) {
        ADD_FAILURE() << "the program " << PELORA_PROGRAM << " did not start";
        return nullptr;
    }
    if (!show->waitUntilShown(showTimeout)) {
        ADD_FAILURE() << "the window was not shown with a frame within "
                      << std::chrono::seconds(showTimeout).count() << " s";
        return nullptr;
    }
    return show;
}

void DisplaySuite::keepForLooking(const QImage& client, const std::string& name) {
    pelora::testing::saveForLooking(client, "e2e-" + name);
}

}  // namespace pelora::e2e
