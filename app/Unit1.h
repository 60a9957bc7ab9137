// The show's one window, TForm1: it owns the scene, the two timers, the draw cycle and the recap
// table with its content, binds the handlers, and keeps Width and Height as the outer size the
// platform reports. Wiring only: what the handlers do lives in draw/ and stage/.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
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

    // Re-reads the outer rectangle; runs FormResize when Width or Height changed.
    void readOuterRectangle();
    // Moves the outer rectangle to the centre of the work area (halves to the even side).
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

    ErrorHandler onError_;
    ShowScene scene_;
    RecapModel recap_;
    RecapTable recapTable_{scene_, recap_, onError_};
    SceneStage stage_;
    DrawCycle cycle_;
    ShowView* view_ = nullptr;  // child widget, owned by this window
    bool shownOnce_ = false;
    // Under a window manager the frame is only known once the window is shown: the window is
    // centred again, once, when its real outer size first arrives.
    QRect workArea_;
    bool frameKnown_ = false;
    // Offscreen rendering has no screen and no frame to assume.
    bool onAScreen_ = platformShowsWindows();
};

// The window, reachable from every handler; set as soon as its construction begins.
extern TForm1* Form1;

}  // namespace pelora
