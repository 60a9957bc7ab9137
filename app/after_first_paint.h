// Work that the first frame need not wait for, done right after it: the window's first paint
// and the flush that follows it come first.
#pragma once

#include <functional>

class QWidget;

namespace pelora {

// Runs `call` from the event loop once `watched` has been painted for the first time. Does
// nothing if `watched` goes before that.
void runAfterFirstPaint(QWidget& watched, std::function<void()> call);

}  // namespace pelora
