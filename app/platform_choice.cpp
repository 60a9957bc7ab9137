#include "app/platform_choice.h"

#include <QByteArray>
#include <QtGlobal>
#include <string_view>

namespace pelora {
namespace {

bool isSet(const char* variable) {
    return !qEnvironmentVariableIsEmpty(variable);
}

}  // namespace

std::optional<std::string> platformToAskFor(const PlatformSetting& setting) {
    if (setting.chosenByUser || !setting.waylandDisplay || !setting.x11Display) {
        return std::nullopt;
    }
    return "xcb;wayland";
}

bool platformOnCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

void choosePlatform(int argc, const char* const* argv) {
    const PlatformSetting setting{
        isSet("QT_QPA_PLATFORM") || platformOnCommandLine(argc, argv),
        isSet("DISPLAY"),
        isSet("WAYLAND_DISPLAY"),
    };
    if (const auto platform = platformToAskFor(setting)) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
}

}  // namespace pelora
