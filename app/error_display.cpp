#include "error_display.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "motion/platform.h"

namespace pelora {
namespace {
void showMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pelora"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
}  // namespace

QString withFinalStop(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

ErrorDisplay::ErrorDisplay() : present_(showMessageBox) {}

ErrorDisplay::ErrorDisplay(Presenter present) : present_(std::move(present)) {}

void ErrorDisplay::show(const std::string& message) {
    const QString text = withFinalStop(QString::fromStdString(message));
    if ((showing_ && text == shown_) ||
        std::find(waiting_.begin(), waiting_.end(), text) != waiting_.end()) {
        return;
    }
    waiting_.push_back(text);
    if (!showing_ && !posted_) {
        currentPlatform().post([this, alive = std::weak_ptr<const bool>(alive_)] {
            if (!alive.expired()) {
                presentWaiting();
            }
        });
        posted_ = true;
    }
}

// Runs from the event loop, never inside a handler of the show. Messages that arrive while a box
// is open are shown by this same call, one box after another.
void ErrorDisplay::presentWaiting() {
    posted_ = false;
    showing_ = true;
    while (!waiting_.empty()) {
        shown_ = waiting_.front();
        waiting_.pop_front();
        try {
            present_(shown_);
        } catch (...) {
            // The box itself failed: nobody is left to tell, and reporting it would only ask for
            // another box.
        }
    }
    shown_.clear();
    showing_ = false;
}

}  // namespace pelora
