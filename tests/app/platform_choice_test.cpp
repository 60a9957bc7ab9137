// The platform the show asks Qt for: X11 through Xwayland on a Wayland desktop that has it, and
// otherwise what the user chose or what Qt picks by itself.
#include "app/platform_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelora {
namespace {

struct Case {
    const char* name;
    PlatformSetting setting;
    std::optional<std::string> expected;
};

TEST(PlatformChoice, AsksForX11ThroughXwaylandOnlyWhereThatIsTheBetterChoice) {
    const std::vector<Case> cases{
        {"Wayland desktop with Xwayland", {false, true, true}, "xcb;wayland"},
        {"Wayland desktop without Xwayland", {false, false, true}, std::nullopt},
        {"X11 desktop", {false, true, false}, std::nullopt},
        {"no display at all", {false, false, false}, std::nullopt},
        {"the user chose, Wayland with Xwayland", {true, true, true}, std::nullopt},
        {"the user chose, X11 only", {true, true, false}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platformToAskFor(c.setting), c.expected);
    }
}

TEST(PlatformChoice, ReadsAPlatformOnTheCommandLineAsQtDoes) {
    struct Line {
        std::vector<const char*> arguments;
        bool names;
    };
    const std::vector<Line> lines{
        {{"pelora"}, false},
        {{"pelora", "-platform", "wayland"}, true},
        {{"pelora", "--platform", "xcb"}, true},
        {{"pelora", "-style", "fusion"}, false},
        // The program's own name is not an option.
        {{"-platform"}, false},
    };
    for (const Line& line : lines) {
        SCOPED_TRACE(line.arguments.back());
        EXPECT_EQ(
            platformOnCommandLine(static_cast<int>(line.arguments.size()), line.arguments.data()),
            line.names);
    }
}

}  // namespace
}  // namespace pelora
