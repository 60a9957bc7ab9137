// The error display: an error that escapes a handler is shown in a modal box with one OK button,
// then the show goes on with the next event. While a box is open, further errors wait their turn
// (one box at a time, the same message not queued twice) instead of piling boxes up.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <string>

namespace pelora {

// The message as shown: a full stop is added unless the text already ends in a character whose
// code is not above that of ".".
QString withFinalStop(const QString& message);

class ErrorDisplay {
public:
    // Shows one text and returns when the operator has closed it.
    using Presenter = std::function<void(const QString& text)>;

    ErrorDisplay();  // modal message boxes
    explicit ErrorDisplay(Presenter present);

    void show(const std::string& message);

private:
    Presenter present_;
    std::deque<QString> waiting_;
    QString shown_;
    bool showing_ = false;
};

}  // namespace pelora
