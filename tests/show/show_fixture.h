// The real window, scene included, built offscreen on the simulated platform: whole draws run in
// simulated time and frames are rendered as the window would paint them. Errors go, as in the
// program, from the window and from the platform's ticks to the real error display, whose box is
// a recording here: it closes at once unless a test gives it something to do while it is open.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/error_display.h"
#include "support/simulated_platform.h"

namespace pelora::testing {

class ShowFixture : public ::testing::Test {
protected:
    ShowFixture();
    ~ShowFixture() override;

    // The window's start as the program does it, on a 1280 x 800 work area; shown offscreen.
    void start();
    QImage frame();
    // Runs the show until `done` holds; fails the test if it does not within `within` seconds.
    double runUntil(const std::function<bool()>& done, double within = 400.0);
    void runFor(double seconds) { platform.advanceBy(seconds); }
    double now() { return platform.monotonicSeconds(); }

    const DrawState& state() { return form->cycle().state; }
    ShowScene& scene() { return form->scene(); }
    // Number k's tile in window coordinates.
    QPointF tileOrigin(int number);

    SimulatedPlatform platform;
    // The texts the error box showed, in order.
    std::vector<std::string> shownErrors;
    // Runs while a box is open, as the operator takes a while to press OK; it may run the event
    // loop on (platform.advanceBy), as the box's own loop does.
    std::function<void()> whileBoxOpen;
    ErrorDisplay errors;
    std::unique_ptr<TForm1> form;
};

}  // namespace pelora::testing
