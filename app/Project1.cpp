// The program's entry: the application, its one window, the loop.
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/Unit1.h"
#include "app/application.h"
#include "app/platform_choice.h"

namespace {

// Without a display Qt would stop with a trace of its own; the operator gets one clear line.
// Only the start of the application is watched: later messages go their usual way.
void refuseWithoutDisplay(QtMsgType type, const QMessageLogContext& /*context*/,
                          const QString& /*message*/) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "Pelora : aucun écran n'est disponible (DISPLAY=%s) ; le spectacle doit être "
                     "lancé dans une session graphique.\n",
                     display != nullptr ? display : "");
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    pelora::choosePlatform(argc, argv);
    const QtMessageHandler previous = qInstallMessageHandler(refuseWithoutDisplay);
    pelora::TApplication Application(argc, argv);
    qInstallMessageHandler(previous);
    Application.CreateForm(pelora::Form1);
    return Application.Run();
}
