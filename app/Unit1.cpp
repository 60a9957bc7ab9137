#include "app/Unit1.h"

#include <QEvent>
#include <QPalette>
#include <QResizeEvent>
#include <cmath>

#include "app/outer_rectangle.h"
#include "app/placement.h"
#include "app/window_icon.h"
#include "app/x11_frame.h"
#include "draw/publisher.h"
#include "stage/button_node.h"
#include "stage/hover_feedback.h"
#include "stage/layout_pass.h"
#include "stage/show_view.h"

namespace pelora {

TForm1* Form1 = nullptr;

namespace {
TForm1* announce(TForm1* form) {
    Form1 = form;
    return form;
}
}  // namespace

TForm1::TForm1(ErrorHandler onError)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      onError_((announce(this), std::move(onError))),
      stage_(scene_, recap_, recapTable_,
             [this](Colour colour) {
                 QPalette palette = this->palette();
                 palette.setColor(QPalette::Window, QColor::fromRgba(colour));
                 setPalette(palette);
             }),
      cycle_(stage_, cycleMotionOf(scene_, entredeux, repos5mn)) {
    buildWindow();
    bindHandlers();
}

TForm1::~TForm1() {
    if (Form1 == this) {
        Form1 = nullptr;
    }
}

// The window's own properties, as the scene description gives them: a fixed client area on a
// frame that cannot be resized or maximised, the caption, the icon, and the view of the scene.
void TForm1::buildWindow() {
    setWindowTitle(QStringLiteral("Pelora - V1.0 - ") +
                   QString::fromUtf8(publisherAddress.data(),
                                     static_cast<qsizetype>(publisherAddress.size())));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setAutoFillBackground(true);
    setFixedSize(ClientWidth, ClientHeight);
    view_ = new ShowView(scene_, this);
    view_->setGeometry(0, 0, ClientWidth, ClientHeight);
    setWindowIconAfterFirstFrame(*this, *view_->viewport());
    // The frame is asked for now, with the window built and hidden, and read after FormCreate,
    // which runs while the window manager answers.
    if (onAScreen_) {
        x11_ = X11Frame::of(*this);
    }
    if (x11_) {
        x11_->requestFrame();
        x11_->watchFrame(*this, [this] { rereadOuterRectangleUnlessMinimised(); });
    }
    readOuterRectangle();
}

void TForm1::bindHandlers() {
    ButtonNode& button = scene_.Rectangle9();
    bindCycleHandlers(cycle_, button);
    button.setEnterHandler([this, &button] { Rectangle9MouseEnter(button); });
    button.setLeaveHandler([this, &button] { Rectangle9MouseLeave(button); });
    scene_.setErrorHandler(onError_);
}

void TForm1::FormCreate(TForm1& /*Sender*/) {
    cycle_.FormCreate();
}

void TForm1::FormResize(TForm1& /*Sender*/) {
    runLayoutPass(scene_, Width, Height, cycle_.state.p1, cycle_.state.p2);
}

void TForm1::Rectangle9MouseEnter(ButtonNode& /*Sender*/) {
    pelora::Rectangle9MouseEnter(scene_);
}
void TForm1::Rectangle9MouseLeave(ButtonNode& /*Sender*/) {
    pelora::Rectangle9MouseLeave(scene_);
}

void TForm1::awaitFrame() {
    if (x11_ && x11_->awaitFrame()) {
        readOuterRectangle();
    }
}

void TForm1::readOuterRectangle() {
    const QRect reported = frameGeometry();
    const bool frameReported = reported != geometry();
    const QRect outer =
        x11_ ? outerRectangleOnX11() : outerRectangle(reported, geometry(), onAScreen_);
    const bool sizeChanged = outer.width() != Width || outer.height() != Height;
    Left = outer.left();
    Top = outer.top();
    Width = outer.width();
    Height = outer.height();
    if (!shownOnce_) {
        return;
    }
    if (sizeChanged) {
        FormResize(*this);
    }
    const bool centredWithAnotherFrame = x11_ ? frames_.centring != centredWith_ : frameReported;
    if (centredWithAnotherFrame && !centredAgain_) {
        centredAgain_ = true;
        // At display scales the outer rectangle's rounded edges can make it a pixel wider or
        // higher at its new place: the layout reads the size it ends with.
        const QSize before(Width, Height);
        placeCentred(workArea_);
        if (QSize(Width, Height) != before) {
            FormResize(*this);
        }
    }
}

// The platform's rectangle in device pixels, each edge divided by the scale and rounded up: Qt's
// own logical geometry rounds to the nearest pixel, and its frame comes from the manager only
// once the window is mapped.
QRect TForm1::outerRectangleOnX11() {
    const double scale = devicePixelRatioF();
    if (!x11_->attached() && testAttribute(Qt::WA_WState_Created)) {
        x11_->attach(static_cast<std::uint32_t>(winId()));
    }
    const QRect client = geometry();
    deviceClient_ = deviceClientArea(x11_->clientArea(), deviceClient_, client, scale);
    // Where the manager publishes no frame, Qt finds the one it draws from the window's parent
    // once the window is mapped.
    const QRect framed = frameGeometry();
    const QMargins found(client.left() - framed.left(), client.top() - framed.top(),
                         framed.right() - client.right(), framed.bottom() - client.bottom());
    frames_ = chooseFrames(x11_->frame(), x11_->managerRunning(), found * scale);
    return logicalRectangle(deviceClient_.marginsAdded(frames_.layout), scale);
}

void TForm1::placeCentred(const QRect& workArea) {
    workArea_ = workArea;
    if (workArea.isEmpty()) {
        return;
    }
    if (x11_) {
        placeCentredOnX11(workArea);
        return;
    }
    move(centredOrigin(workArea.x(), workArea.width(), Width),
         centredOrigin(workArea.y(), workArea.height(), Height));
    const QRect outer = outerRectangle(frameGeometry(), geometry(), onAScreen_);
    Left = outer.left();
    Top = outer.top();
}

// The client area is placed, not the frame: the window knows its frame (or that it has none),
// and Qt's own idea of it is only right once the window is mapped. The outer rectangle is then
// recorded where the client area will be; at display scales its rounded edges may give Width or
// Height one pixel more or less there, which the layout pass that follows reads.
void TForm1::placeCentredOnX11(const QRect& workArea) {
    const double scale = devicePixelRatioF();
    const QRect centred = logicalRectangle(deviceClient_.marginsAdded(frames_.centring), scale);
    const QPoint outerOrigin(centredOrigin(workArea.x(), workArea.width(), centred.width()),
                             centredOrigin(workArea.y(), workArea.height(), centred.height()));
    const QPoint client = clientOrigin(outerOrigin, frames_.centring, scale);
    if (testAttribute(Qt::WA_WState_Created)) {
        setGeometry(QRect(client, size()));
    } else {
        // Created at its first showing with the frame's corner there, as the manager places it.
        move(outerOrigin);
    }
    centredWith_ = frames_.centring;
    deviceClient_.moveTopLeft(QPoint(static_cast<int>(std::lround(client.x() * scale)),
                                     static_cast<int>(std::lround(client.y() * scale))));
    const QRect outer = logicalRectangle(deviceClient_.marginsAdded(frames_.layout), scale);
    Left = outer.left();
    Top = outer.top();
    Width = outer.width();
    Height = outer.height();
}

// A minimised window's rectangle says nothing of where it shows once restored.
void TForm1::rereadOuterRectangleUnlessMinimised() {
    if (!isMinimized()) {
        guarded([this] { readOuterRectangle(); });
    }
}

void TForm1::guarded(const std::function<void()>& handler) {
    runGuarded(handler, onError_);
}

void TForm1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    rereadOuterRectangleUnlessMinimised();
}

// The client area never changes size: whatever asked for another size (a window manager that
// ignores the fixed frame, an X client), the window asks for its own size back.
void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size() != QSize(ClientWidth, ClientHeight)) {
        resize(ClientWidth, ClientHeight);
    }
    rereadOuterRectangleUnlessMinimised();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const Qt::WindowStates refused = Qt::WindowMaximized | Qt::WindowFullScreen;
    if ((windowState() & refused) != 0) {
        setWindowState(windowState() & ~refused);
        return;
    }
    rereadOuterRectangleUnlessMinimised();
}

}  // namespace pelora
