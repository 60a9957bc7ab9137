// The program's icon (256 x 256 with alpha), given to the window once its first frame is painted.
//
// Turned into a pixmap, sent to the X server as a window property and read by the window manager,
// the icon cost the start about 3 ms before the first frame under X (1 ms of it converting the
// pixels); the show itself does not need it to appear. And the window system keeps its own copy:
// the icon's pixmap is made from the picture compiled into the program whenever Qt asks for it,
// instead of 256 kB of it being kept for the program's whole life.
#pragma once

#include <QIcon>

class QWidget;

namespace pelora {

// The icon, its pixmaps made on demand from the compiled-in picture.
QIcon programIcon();

// Sets `window`'s icon right after the first paint of `firstPainted` (a widget of that window).
void setWindowIconAfterFirstFrame(QWidget& window, QWidget& firstPainted);

}  // namespace pelora
