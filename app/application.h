// The application object: registers the window class, then builds the window in the order the
// show relies on (creation handler, first layout pass, placement, showing) and runs the loop.
#pragma once

#include <QApplication>
#include <memory>

#include "app/error_display.h"
#include "app/font_config_warm_up.h"
#include "app/qt_platform.h"

namespace pelora {

class TForm1;

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Registers the window; it is built inside Run, which fills `reference`.
    void CreateForm(TForm1*& reference) { registered_ = &reference; }
    // Builds and shows the window, then runs the event loop until it is closed.
    int Run();

    ErrorDisplay& errors() { return errors_; }

private:
    // Declared before the application: fontconfig reads its configuration while Qt connects.
    FontConfigWarmUp fontConfig_;
    QApplication qt_;
    ErrorDisplay errors_;
    QtPlatform platform_;
    TForm1** registered_ = nullptr;
    std::unique_ptr<TForm1> mainForm_;
};

}  // namespace pelora
