#include "app/application.h"

#include <QScreen>

#include "app/Unit1.h"
#include "app/bare_server_close_key.h"
#include "app/placement.h"
#include "app/screen_keep_awake.h"
#include "stage/show_view.h"

namespace pelora {

TApplication::TApplication(int& argc, char** argv)
    : qt_(argc, argv), platform_([this](const std::string& message) { errors_.show(message); }) {
    QApplication::setApplicationName(QStringLiteral("Pelora"));
    // Ties the window to the menu entry and its icon where the desktop matches them by id.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELORA_APP_ID));
    fontConfig_.finish();
    installPlatform(&platform_);
}

TApplication::~TApplication() {
    mainForm_.reset();
    installPlatform(nullptr);
}

int TApplication::Run() {
    if (registered_ == nullptr) {
        return 0;
    }
    mainForm_ = std::make_unique<TForm1>([this](const std::string& m) { errors_.show(m); });
    *registered_ = mainForm_.get();
    const QScreen* screen = QGuiApplication::primaryScreen();
    startWindow(*mainForm_, screen != nullptr ? screen->availableGeometry() : QRect());
    ScreenKeepAwake::installAfterFirstFrame(*mainForm_, *mainForm_->view().viewport());
    installBareServerCloseKey(*mainForm_);
    showStartedWindow(*mainForm_);
    return QApplication::exec();
}

}  // namespace pelora
