// The start-up helper that has fontconfig read its configuration: once finished, fontconfig is
// ready and holds the machine's fonts; the helper always ends before its owner does.
#include "app/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

// Leaving a running thread unjoined, or joining it twice, ends the process abnormally; the owner
// may go at any moment, also before or after asking for the end itself. Each case runs in a child
// process, which must exit normally once the helper's owner is gone.
class FontConfigWarmUpEnd : public ::testing::TestWithParam<int> {};

// The child process starts the test program afresh, with no thread of the test's yet. A cross
// build's tests run under qemu's user mode, where a program cannot start itself again (the kernel
// takes no arm64 program without a binfmt registration): there the child is forked only, from a
// test program that has no other thread at this point either.
#if PELORA_TESTS_RUN_EMULATED
constexpr const char* deathTestStyle = "fast";
#else
constexpr const char* deathTestStyle = "threadsafe";
#endif

TEST_P(FontConfigWarmUpEnd, LeavesTheProcessExitingNormally) {
    GTEST_FLAG_SET(death_test_style, deathTestStyle);
    const int finishes = GetParam();
    EXPECT_EXIT(
        {
            {
                FontConfigWarmUp warmUp;
                for (int i = 0; i < finishes; ++i) {
                    warmUp.finish();
                }
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

std::string finishesName(const ::testing::TestParamInfo<int>& finishInfo) {
    switch (finishInfo.param) {
        case 0:
            return "Never";
        case 1:
            return "Once";
        default:
            return "Twice";
    }
}

INSTANTIATE_TEST_SUITE_P(Finishes, FontConfigWarmUpEnd, ::testing::Values(0, 1, 2), finishesName);

}  // namespace
}  // namespace pelora
