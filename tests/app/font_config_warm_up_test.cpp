// The start-up helper that has fontconfig read its configuration: once finished, fontconfig is
// ready and holds the machine's fonts; the helper always ends before its owner does.
#include "app/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace pelora {
namespace {

TEST(FontConfigWarmUp, LeavesFontconfigReadyWithTheMachinesFonts) {
    FontConfigWarmUp warmUp;
    warmUp.finish();
    FcConfig* config = FcConfigGetCurrent();
    ASSERT_NE(config, nullptr);
    const FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
    ASSERT_NE(fonts, nullptr);
    EXPECT_GT(fonts->nfont, 0);
}

// Leaving a running thread unjoined would end the process; the owner may go at any moment, also
// before or after asking for the end itself.
TEST(FontConfigWarmUp, EndsCleanlyWhetherFinishedOnceTwiceOrNever) {
    { FontConfigWarmUp never; }
    {
        FontConfigWarmUp twice;
        twice.finish();
        twice.finish();
    }
    SUCCEED();
}

}  // namespace
}  // namespace pelora
