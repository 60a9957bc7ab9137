// The program's entry: the application, its one window, the loop.
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/Unit1.h"
#include "app/application.h"

namespace {

// Without a display Qt would stop with a trace of its own; the operator gets one clear line.
void refuseWithoutDisplay(QtMsgType type, const QMessageLogContext& /*context*/,
                          const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "Pelora : aucun écran n'est disponible pour afficher le spectacle (%s)\n",
                     qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const QtMessageHandler previous = qInstallMessageHandler(refuseWithoutDisplay);
    pelora::TApplication Application(argc, argv);
    qInstallMessageHandler(previous);
    Application.CreateForm(pelora::Form1);
    return Application.Run();
}
