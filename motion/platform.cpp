#include "platform.h"

#include "error.h"

namespace pelora {
namespace {
Platform* installed = nullptr;
}

Platform& currentPlatform() {
    if (installed == nullptr) {
        throw ShowError("Aucune plate-forme n'est installée pour l'horloge et les timers");
    }
    return *installed;
}

void installPlatform(Platform* platform) {
    installed = platform;
}

}  // namespace pelora
