// Bringing the window up: the order of its first handlers and its placement on the screen.
#pragma once

#include <QRect>

namespace pelora {

class TForm1;

// The origin that centres `size` in an area starting at `start` of length `length`; a half is
// taken to the even neighbour.
int centredOrigin(int start, int length, int size);

// After the window's construction, still hidden: the creation handler, the frame the window
// manager was asked for, the first layout pass, the placement centred on the work area, and the
// layout pass of the first showing. Errors are
// shown through the window's error display; the start goes on. Showing is the caller's.
void startWindow(TForm1& form, const QRect& workArea);

// Shows the started window and activates it, then lays out the first frame's text while the
// window manager maps the window, instead of in the first paint.
void showStartedWindow(TForm1& form);

}  // namespace pelora
