#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "assets/facts/show_facts.h"
#include "motion/error.h"
#include "stage/hover_feedback.h"
#include "stage/scene_render.h"
#include "stage/show_scene.h"
#include "stage/show_view.h"
#include "support/pixel_probe.h"

namespace pelora {
namespace {

using colour::black;
using colour::blue;
using colour::white;
using colour::yellow;

// Points of the client area around the ">>" button at (1025, 642, 50, 34).
const QPointF footerLeftOfButton(1000.0, 659.0);
const QPointF footerRightOfButton(1088.0, 659.0);
const QPointF buttonCorner(1026.0, 643.0);
const QPointF onTheText(1050.0, 659.0);
const QPointF buttonLowerRight(1073.0, 674.0);

// A shown view on the offscreen platform, fed with the mouse events the window would get.
class ButtonTest : public ::testing::Test {
protected:
    ButtonTest() {
        ButtonNode& button = scene.Rectangle9();
        button.setFillColor(scene.Rectangle5().fillColor());
        button.setEnterHandler([this] {
            ++enters;
            Rectangle9MouseEnter(scene);
        });
        button.setLeaveHandler([this] {
            ++leaves;
            Rectangle9MouseLeave(scene);
        });
        button.setClickHandler([this] { ++clicks; });
        scene.setErrorHandler([this](const std::string& message) { errors.push_back(message); });
        view.show();
    }

    void send(QEvent::Type type, const QPointF& at, Qt::MouseButton button) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void moveTo(const QPointF& at) { send(QEvent::MouseMove, at, Qt::NoButton); }
    void click(const QPointF& at) {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }
    Qt::CursorShape viewCursor() { return view.viewport()->cursor().shape(); }

    ShowScene scene;
    ShowView view{scene};
    int enters = 0;
    int leaves = 0;
    int clicks = 0;
    std::vector<std::string> errors;
};

TEST_F(ButtonTest, ViewShowsTheClientAreaOneToOne) {
    EXPECT_EQ(view.size(), QSize(1095, 684));
    EXPECT_EQ(view.viewport()->size(), QSize(1095, 684));
    EXPECT_EQ(view.mapToScene(1050, 659), QPointF(1050.0, 659.0));
}

// Wandering over the button and across the ">>" text is one stay: one enter, one leave.
TEST_F(ButtonTest, OneEnterAndOneLeavePerCrossing) {
    moveTo(footerLeftOfButton);
    EXPECT_EQ(enters, 0);
    for (const QPointF& at : {buttonCorner, onTheText, buttonLowerRight, onTheText}) {
        moveTo(at);
        EXPECT_EQ(enters, 1);
        EXPECT_EQ(leaves, 0);
    }
    moveTo(footerRightOfButton);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);

    moveTo(onTheText);
    moveTo(footerLeftOfButton);
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(leaves, 2);
}

TEST_F(ButtonTest, LeavingTheWindowIsALeave) {
    moveTo(onTheText);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view.viewport(), &leave);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(ButtonTest, HoverColoursFollowEnterAndLeave) {
    moveTo(onTheText);
    EXPECT_EQ(scene.Rectangle9().fillColor(), yellow);
    EXPECT_EQ(scene.Label3().textColor(), black);
    const QImage frame = renderScene(scene);
    testing::saveForLooking(frame.copy(900, 600, 195, 84), "stage-hovered-button");
    EXPECT_TRUE(testing::hasColourAt(frame, 1030, 647, yellow));
    EXPECT_GT(testing::countColour(frame, {1027, 644, 46, 30}, black, 60), 30);
    moveTo(footerLeftOfButton);
    EXPECT_EQ(scene.Rectangle9().fillColor(), blue);
    EXPECT_EQ(scene.Label3().textColor(), white);
}

// The swatch is read at the event, not when the handlers were bound.
TEST_F(ButtonTest, HoverReadsTheSwatchAtEachEvent) {
    scene.Rectangle6().setFillColor(0xFF123456U);
    moveTo(onTheText);
    EXPECT_EQ(scene.Rectangle9().fillColor(), 0xFF123456U);
}

TEST_F(ButtonTest, HandCursorOverTheWholeButtonTextIncluded) {
    moveTo(footerLeftOfButton);
    EXPECT_EQ(viewCursor(), Qt::ArrowCursor);
    moveTo(onTheText);
    EXPECT_EQ(viewCursor(), Qt::PointingHandCursor);
    moveTo(buttonCorner);
    EXPECT_EQ(viewCursor(), Qt::PointingHandCursor);
    moveTo(footerRightOfButton);
    EXPECT_EQ(viewCursor(), Qt::ArrowCursor);
}

TEST_F(ButtonTest, TooltipOverTheTextToo) {
    const QPoint at = onTheText.toPoint();
    QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Tirage suivant"));
    QToolTip::hideText();
}

TEST_F(ButtonTest, ClickCallsTheHandlerOnce) {
    moveTo(onTheText);
    click(onTheText);
    EXPECT_EQ(clicks, 1);
    click(buttonCorner);
    EXPECT_EQ(clicks, 2);
}

struct Gesture {
    const char* name;
    QPointF pressAt;
    QPointF releaseAt;
    Qt::MouseButton button;
};

void PrintTo(const Gesture& gesture, std::ostream* out) {
    *out << gesture.name;
}

class NotAClickTest : public ButtonTest, public ::testing::WithParamInterface<Gesture> {};

// A press and release that is not a left click on the button calls nothing, and leaves the
// button taking the next real click.
TEST_P(NotAClickTest, CallsNoHandlerAndTheNextClickCounts) {
    const Gesture& gesture = GetParam();
    send(QEvent::MouseButtonPress, gesture.pressAt, gesture.button);
    send(QEvent::MouseButtonRelease, gesture.releaseAt, gesture.button);
    EXPECT_EQ(clicks, 0);
    click(onTheText);
    EXPECT_EQ(clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, NotAClickTest,
    ::testing::Values(Gesture{"PressOnTheButtonReleasedElsewhere", onTheText, footerLeftOfButton,
                              Qt::LeftButton},
                      Gesture{"RightButton", onTheText, onTheText, Qt::RightButton}),
    [](const ::testing::TestParamInfo<Gesture>& gestureInfo) { return gestureInfo.param.name; });

// An error thrown by a handler reaches the scene's error handler, a library's in French, and Qt
// is left working: the next click and the next crossing arrive as usual.
TEST_F(ButtonTest, ErrorsOfHandlersReachTheErrorHandlerNotQt) {
    bool fail = true;
    scene.Rectangle9().setClickHandler([&] {
        ++clicks;
        if (fail) {
            throw ShowError("Échec du tirage");
        }
    });
    scene.Rectangle9().setEnterHandler([] { throw std::logic_error("entered"); });
    moveTo(onTheText);
    click(onTheText);
    ASSERT_EQ(errors, (std::vector<std::string>{"Erreur interne inattendue", "Échec du tirage"}));
    fail = false;
    click(onTheText);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(errors.size(), 2U);
    moveTo(footerLeftOfButton);
    EXPECT_EQ(leaves, 1);
}

TEST_F(ButtonTest, NonStandardExceptionsAreCaughtToo) {
    scene.Rectangle9().setClickHandler([] { throw 42; });
    click(onTheText);
    EXPECT_EQ(errors.size(), 1U);
}

TEST_F(ButtonTest, HiddenButtonGetsNoPointer) {
    scene.Rectangle9().setVisible(false);
    moveTo(onTheText);
    click(onTheText);
    EXPECT_EQ(enters, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(viewCursor(), Qt::ArrowCursor);
}

TEST_F(ButtonTest, ShowingOrHidingKeepsTheColours) {
    scene.Rectangle9().setVisible(false);
    scene.Rectangle9().setVisible(true);
    EXPECT_EQ(scene.Rectangle9().fillColor(), blue);
    EXPECT_EQ(scene.Label3().textColor(), white);

    moveTo(onTheText);
    scene.Rectangle9().setVisible(false);  // as the click handler does
    EXPECT_EQ(leaves, 0);
    EXPECT_EQ(scene.Rectangle9().fillColor(), yellow);
    EXPECT_EQ(scene.Label3().textColor(), black);
    moveTo(footerLeftOfButton);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(scene.Rectangle9().fillColor(), blue);
}

TEST_F(ButtonTest, HiddenAndShownAgainUnderAStillPointerLeavesOnce) {
    moveTo(onTheText);
    scene.Rectangle9().setVisible(false);
    scene.Rectangle9().setVisible(true);
    moveTo(buttonCorner);
    EXPECT_EQ(leaves, 0);
    moveTo(footerLeftOfButton);
    moveTo(footerRightOfButton);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(scene.Rectangle9().fillColor(), blue);
}

}  // namespace
}  // namespace pelora
