#include "app/application.h"

#include <QScreen>
#include <cmath>
#include <exception>

#include "app/Unit1.h"
#include "assets/assets.h"

namespace pelora {

int centredOrigin(int start, int length, int size) {
    return start + static_cast<int>(std::nearbyint((length - size) / 2.0));
}

TApplication::TApplication(int& argc, char** argv)
    : qt_(argc, argv), platform_([this](const std::string& message) { errors_.show(message); }) {
    QApplication::setApplicationName(QStringLiteral("Pelora"));
    initAssets();
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
    const auto guarded = [this](auto&& step) {
        try {
            step();
        } catch (const std::exception& error) {
            errors_.show(error.what());
        }
    };
    mainForm_ = std::make_unique<TForm1>([this](const std::string& m) { errors_.show(m); });
    TForm1& form = *mainForm_;
    *registered_ = &form;
    guarded([&] { form.FormCreate(form); });
    guarded([&] { form.FormResize(form); });
    placeCentred(form);
    // The first showing lays the scene out again, with the same outer size.
    guarded([&] { form.FormResize(form); });
    form.setShownOnce();
    form.show();
    form.activateWindow();
    return QApplication::exec();
}

void TApplication::placeCentred(TForm1& form) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    form.move(centredOrigin(area.x(), area.width(), form.Width),
              centredOrigin(area.y(), area.height(), form.Height));
    form.Left = form.frameGeometry().left();
    form.Top = form.frameGeometry().top();
}

}  // namespace pelora
