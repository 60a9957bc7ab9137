#include "error_display.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>

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
    if (showing_) {
        if (text != shown_ && std::find(waiting_.begin(), waiting_.end(), text) == waiting_.end()) {
            waiting_.push_back(text);
        }
        return;
    }
    showing_ = true;
    waiting_.push_back(text);
    while (!waiting_.empty()) {
        shown_ = waiting_.front();
        waiting_.pop_front();
        present_(shown_);
    }
    shown_.clear();
    showing_ = false;
}

}  // namespace pelora
