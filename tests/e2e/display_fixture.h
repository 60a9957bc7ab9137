// The fixtures of the end-to-end tests: one private X display for each suite, started before its
// first test and stopped after its last, and a fresh run of the program for each test.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <string>

#include "e2e/show_program.h"
#include "e2e/x_session.h"

namespace pelora::e2e {

class DisplaySuite {
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    // Starts the program and waits until its window is shown; fails the test when it is not.
    static std::unique_ptr<ShowProgram> startShow();
    // The same on another display, for a test that runs two shows side by side.
    static std::unique_ptr<ShowProgram> startShowOn(const XSession& session);
    // The same with changes to the environment and the output kept or forwarded.
    static std::unique_ptr<ShowProgram> startShowWith(const QProcessEnvironment& environment,
                                                      GuardedProcess::Output output);
    static const XSession& session() { return *session_; }
    // Keeps a screenshot as /tmp/pelora-look/e2e-<name>.png when PELORA_LOOK is set.
    static void keepForLooking(const QImage& client, const std::string& name);

private:
    static std::unique_ptr<ShowProgram> waitForWindow(std::unique_ptr<ShowProgram> show);

    static std::unique_ptr<XSession> session_;
    static std::string sessionError_;
};

class DisplayTest : public ::testing::Test, public DisplaySuite {
public:
    using DisplaySuite::SetUpTestSuite;
    using DisplaySuite::TearDownTestSuite;
};

template <typename Param>
class DisplayTestWithParam : public ::testing::TestWithParam<Param>, public DisplaySuite {
public:
    using DisplaySuite::SetUpTestSuite;
    using DisplaySuite::TearDownTestSuite;
};

}  // namespace pelora::e2e
