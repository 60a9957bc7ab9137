#include "app/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace pelora {

FontConfigWarmUp::FontConfigWarmUp() {
    try {
        // A configuration that cannot be read is not this helper's to report: Qt meets the same
        // failure at its first use of a font and falls back as it always does.
        helper_ = std::thread([] { static_cast<void>(FcInit()); });
    } catch (const std::system_error&) {
        // No helper: fontconfig starts at the first use of a font instead.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (helper_.joinable()) {
        helper_.join();
    }
}

}  // namespace pelora
