// Alt+F4 where no window manager gives it: on an X server with no manager, as in the show's
// session of its own (packaging/pelora-session.in), nothing else closes the window from the
// keyboard, and an operator at the screen could not end the session to reach the desktop. Under a
// manager the key is the manager's (it grabs it and asks the window to close), and the show leaves
// it alone. Closing this way is a normal close: the program ends with status 0.
#pragma once

class QWidget;

namespace pelora {

// Gives `window` the close key on the xcb platform; does nothing elsewhere. Whether a manager
// runs is asked when the key is pressed, so that a manager started later keeps its key.
void installBareServerCloseKey(QWidget& window);

}  // namespace pelora
