// The show's one window, TForm1: it owns the scene, the two timers, the draw cycle and the recap
// table with its content, binds the handlers, and keeps Width and Height as the outer size the
// platform reports. Wiring only: what the handlers do lives in draw/ and stage/.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/outer_rectangle.h"
#include "app/scene_stage.h"
#include "assets/facts/show_facts.h"
#include "draw/cycle_handlers.h"
#include "draw/draw_cycle.h"
#include "motion/error_boundary.h"
#include "motion/timer.h"
#include "stage/recap_model.h"
#include "stage/recap_table.h"
#include "stage/show_scene.h"

namespace pelora {

class ButtonNode;
class ShowView;
class X11Frame;

// The draw cycle's handlers (entredeuxTimer, repos5mnTimer, FloatAnimation1Finish,
// FloatAnimation31Finish ... FloatAnimation34Finish, Rectangle9Click) and their binding come from
// CycleHandlers, which the tests' window-less stand-in shares.
class TForm1 : public QWidget, public CycleHandlers<ButtonNode> {
public:
    static constexpr int ClientWidth = clientWidth;
    static constexpr int ClientHeight = clientHeight;

    // Errors escaping the window's handlers go to onError.
    explicit TForm1(ErrorHandler onError);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The window's outer rectangle, frame and caption bar included, in logical pixels.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    void FormCreate(TForm1& Sender);
    void FormResize(TForm1& Sender);
    void Rectangle9MouseEnter(ButtonNode& Sender);
    void Rectangle9MouseLeave(ButtonNode& Sender);

    // Waits, a short bounded time, for the frame the window manager was asked for while the
    // window was built, and records the outer rectangle with it. Nothing to wait for off X11 or
    // where no manager answers such requests.
    void awaitFrame();
    // Re-reads the outer rectangle; runs FormResize when Width or Height changed.
    void readOuterRectangle();
    // Moves the window to the centre of the work area (halves to the even side), its outer
    // rectangle with the frame it is centred with.
    void placeCentred(const QRect& workArea);
    // Before the first showing a change of size runs no resize handler.
    void setShownOnce() { shownOnce_ = true; }

    // Runs one of the show's handlers behind the error boundary: nothing unwinds through Qt.
    void guarded(const std::function<void()>& handler);

    ShowScene& scene() { return scene_; }
    RecapModel& recap() { return recap_; }
    RecapTable& recapTable() { return recapTable_; }
    DrawCycle& cycle() { return cycle_; }
    ShowView& view() { return *view_; }
    TTimer entredeux;
    TTimer repos5mn;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void bindHandlers();
    // readOuterRectangle behind the error boundary, from the window's events, except while
    // minimised.
    void rereadOuterRectangleUnlessMinimised();
    // The outer rectangle from the X server's own figures, in device pixels.
    QRect outerRectangleOnX11();
    void placeCentredOnX11(const QRect& workArea);

    ErrorHandler onError_;
    ShowScene scene_;
    RecapModel recap_;
    RecapTable recapTable_{scene_, recap_, onError_};
    SceneStage stage_;
    DrawCycle cycle_;
    ShowView* view_ = nullptr;  // child widget, owned by this window
    bool shownOnce_ = false;
    // A frame known only once the window is shown (a manager that did not answer in time, or a
    // platform that cannot be asked) may differ from the one the window was centred with: the
    // window is then centred again, once, when that frame arrives.
    QRect workArea_;
    bool centredAgain_ = false;
    // Offscreen rendering has no screen and no frame to assume.
    bool onAScreen_ = platformShowsWindows();
    // On X11 only: the server and the window manager, the frames in use, the frame the window
    // was centred with and the client area in device pixels as last known.
    std::unique_ptr<X11Frame> x11_;
    WindowFrames frames_;
    QMargins centredWith_;
    QRect deviceClient_;
};

// The window, reachable from every handler; set as soon as its construction begins.
extern TForm1* Form1;

}  // namespace pelora
