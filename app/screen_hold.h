// One way of keeping the screen lit while the show is on it: a desktop service asked over D-Bus,
// or the X server's own saver suspended. Each is held while the window is shown and let go when it
// is minimised or closed; a way the session does not offer does nothing, silently.
#pragma once

namespace pelora {

class ScreenHold {
public:
    virtual ~ScreenHold() = default;
    // Both are cheap and may be called any number of times in a row: only a change is acted on.
    virtual void hold() = 0;
    virtual void release() = 0;

protected:
    ScreenHold() = default;
    ScreenHold(const ScreenHold&) = default;
    ScreenHold& operator=(const ScreenHold&) = default;
};

}  // namespace pelora
