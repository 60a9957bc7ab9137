// The error display: an error that escapes a handler is shown in a modal box with one OK button.
// The box is never opened inside the failing handler: the message waits, and the box opens from
// the event loop once that handler has returned (a call posted through the platform). A timer
// whose handler failed is thus free to tick while the box is open, and the show keeps moving
// behind it; only input to the window waits for OK. One box at a time: messages raised meanwhile
// wait their turn, each distinct message once.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace pelora {

// The message as shown: a full stop is added unless the text already ends in a character whose
// code is not above that of ".".
QString withFinalStop(const QString& message);

class ErrorDisplay {
public:
    // Shows one text and returns when the operator has closed it (a modal box runs a nested
    // event loop meanwhile).
    using Presenter = std::function<void(const QString& text)>;

    ErrorDisplay();  // modal message boxes
    explicit ErrorDisplay(Presenter present);
    ErrorDisplay(const ErrorDisplay&) = delete;
    ErrorDisplay& operator=(const ErrorDisplay&) = delete;

    // Queues the message and has the box opened from the event loop; returns at once. Needs the
    // platform installed.
    void show(const std::string& message);

private:
    void presentWaiting();

    Presenter present_;
    std::deque<QString> waiting_;
    QString shown_;
    bool showing_ = false;
    bool posted_ = false;
    // Expires with the display, so that a call still posted then does nothing.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace pelora
