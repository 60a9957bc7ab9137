// The arm64 program, run here through qemu's user mode (the cross build's emulated/pelora), in a
// real window: its first frame against this machine's program's, pixel by pixel, and a whole
// first draw followed tile by tile. Emulation is slow: start-up and landing times are reported,
// never asserted. Skipped when the build has no arm64 build to compare.
#include <QColor>
#include <QFileInfo>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "assets/facts/show_facts.h"
#include "e2e/display_fixture.h"
#include "e2e/landing_watch.h"

namespace pelora::e2e {
namespace {

const QString emulatedProgram = QStringLiteral(PELORA_ARM64_EMULATED_PROGRAM);
// Under emulation the window takes seconds to come, and a draw runs behind its real-time pace.
constexpr auto emulatedShowTimeout = std::chrono::seconds(120);
constexpr auto firstPaintTimeout = std::chrono::seconds(60);
constexpr auto emulatedDrawTimeout = std::chrono::seconds(300);
constexpr auto backToBack = std::chrono::milliseconds(0);

// Where the two first frames may differ because the two programs were caught at different
// moments of the first flight: the white margin left of the board, where the ball comes in (its
// first sliver shows no blue of its own), the flying ball in either frame with a quarter of its
// side around its blue (its outline and shadow), and a tile that either shows landed (and
// spinning).
std::vector<QRect> movingParts(const QImage& one, const QImage& other, QPointF origin) {
    const int margin = static_cast<int>(ballSpriteBox.width) / 4;
    std::vector<QRect> parts{QRect(0, box::header.bottom() + 1, static_cast<int>(origin.x()),
                                   box::footer.top() - box::header.bottom() - 1)};
    for (const QImage* frame : {&one, &other}) {
        const QRect ball = flyingBall(*frame);
        if (!ball.isNull()) {
            parts.push_back(ball.adjusted(-margin, -margin, margin, margin));
        }
    }
    for (int number = 1; number <= tileCount; ++number) {
        if (tileLook(one, origin, number) != TileLook::White ||
            tileLook(other, origin, number) != TileLook::White) {
            parts.push_back(tileBox(origin, number).toAlignedRect().adjusted(-4, -4, 4, 4));
        }
    }
    return parts;
}

struct FrameDifference {
    int pixels = 0;
    int largestStep = 0;  // the largest difference of one colour channel
    QRect where;
};

// The pixels of `area` that differ between the frames, outside the parts left out.
FrameDifference compareFrames(const QImage& one, const QImage& other, const QRect& area,
                              const std::vector<QRect>& leftOut) {
    FrameDifference difference;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            if ((a | 0xFF000000U) == (b | 0xFF000000U) ||
                std::any_of(leftOut.begin(), leftOut.end(),
                            [x, y](const QRect& part) { return part.contains(x, y); })) {
                continue;
            }
            ++difference.pixels;
            difference.where |= QRect(x, y, 1, 1);
            difference.largestStep =
                std::max({difference.largestStep, std::abs(qRed(a) - qRed(b)),
                          std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return difference;
}

class Arm64E2E : public DisplayTest {
protected:
    void SetUp() override {
        if (emulatedProgram.isEmpty()) {
            GTEST_SKIP() << "no arm64 build configured (PELORA_ARM64_BUILD_DIR)";
        }
        if (!QFileInfo(emulatedProgram).isExecutable()) {
            GTEST_SKIP() << "no arm64 build in " << emulatedProgram.toStdString()
                         << ": scripts/setup.sh tests (or cmake --preset arm64 && cmake --build "
                            "--preset arm64) makes it";
        }
    }

    // The arm64 program through its emulator, once its window is shown; the time it took is
    // reported.
    std::unique_ptr<ShowProgram> startEmulatedShow() {
        auto show = std::make_unique<ShowProgram>(session(), emulatedProgram);
        const auto started = Clock::now();
        if (!show->process().started()) {
            ADD_FAILURE() << emulatedProgram.toStdString() << " did not start";
            return nullptr;
        }
        if (!show->waitUntilShown(emulatedShowTimeout)) {
            ADD_FAILURE() << "the arm64 window was not shown within " << emulatedShowTimeout.count()
                          << " s";
            return nullptr;
        }
        const double seconds = secondsBetween(started, show->shownAt());
        std::cout << "arm64 window shown " << seconds << " s after start under emulation\n";
        RecordProperty("arm64_window_shown_ms", std::to_string(static_cast<int>(seconds * 1000)));
        return show;
    }
};

TEST_F(Arm64E2E, FirstFrameIsTheSameAsThisMachinesProgramsOutsideTheFlight) {
    QImage host;
    QPointF origin;
    {
        const auto show = startShow();
        ASSERT_NE(show, nullptr);
        const auto painted = show->watchFor(firstPaintTimeout, isPainted, backToBack);
        ASSERT_TRUE(painted.has_value()) << "no first frame from this machine's program";
        host = painted->snapshot.client;
        origin = show->boardOrigin();
    }
    const auto show = startEmulatedShow();
    ASSERT_NE(show, nullptr);
    const auto painted = show->watchFor(firstPaintTimeout, isPainted, backToBack);
    ASSERT_TRUE(painted.has_value()) << "no first frame from the arm64 program";
    const QImage arm64 = painted->snapshot.client;
    keepForLooking(host, "arm64-compared-host-first-frame");
    keepForLooking(arm64, "arm64-first-frame");
    EXPECT_EQ(show->boardOrigin(), origin) << "the window's frame differs";

    const std::vector<QRect> leftOut = movingParts(host, arm64, origin);
    int leftOutPixels = 0;
    for (const QRect& part : leftOut) {
        leftOutPixels += part.width() * part.height();
    }
    std::vector<QRect> leftOutOfTheRest = leftOut;
    leftOutOfTheRest.push_back(box::footerPictures);
    const FrameDifference rest = compareFrames(host, arm64, host.rect(), leftOutOfTheRest);
    const FrameDifference pictures = compareFrames(host, arm64, box::footerPictures, leftOut);
    std::cout << "first frames compared outside the flight (" << leftOut.size()
              << " parts left out, at most " << leftOutPixels << " pixels): " << rest.pixels
              << " pixels differ; in the footer's two ball pictures " << pictures.pixels
              << " pixels differ";
    if (pictures.pixels > 0) {
        const QRect& where = pictures.where;
        std::cout << " (x " << where.left() << ".." << where.right() << ", y " << where.top()
                  << ".." << where.bottom() << ", by up to " << pictures.largestStep
                  << " per channel)";
    }
    std::cout << "\n";
    RecordProperty("differing_pixels", std::to_string(rest.pixels));
    RecordProperty("differing_picture_pixels", std::to_string(pictures.pixels));
    EXPECT_EQ(rest.pixels, 0) << "x " << rest.where.left() << ".." << rest.where.right() << ", y "
                              << rest.where.top() << ".." << rest.where.bottom() << ", by up to "
                              << rest.largestStep << " per channel";
    // Qt blends the balls' unpremultiplied pixels onto the window with SSE code on amd64 and NEON
    // code on arm64, which round a few of their anti-aliased edge pixels one step apart. A first
    // ball flying low may be passing over them in either frame, where its edges and the repaint
    // under it are not the pictures': they are then left unjudged.
    const int sprite = static_cast<int>(ballSpriteBox.width);
    bool ballOverPictures = false;
    for (const QImage* frame : {static_cast<const QImage*>(&host), &arm64}) {
        const QRect ball = flyingBall(*frame);
        ballOverPictures =
            ballOverPictures ||
            (!ball.isNull() &&
             ball.adjusted(-sprite, -sprite, sprite, sprite).intersects(box::footerPictures));
    }
    if (ballOverPictures) {
        std::cout << "the first ball flies over the footer's pictures: they are not judged\n";
        return;
    }
    EXPECT_LE(pictures.largestStep, 1);
}

TEST_F(Arm64E2E, WholeFirstDrawLandsTwelveBallsEachOnItsTileInItsColour) {
    const auto show = startEmulatedShow();
    ASSERT_NE(show, nullptr);
    const QPointF origin = show->boardOrigin();
    const std::vector<Landing> landings =
        watchLandings(*show, origin, ballsPerDraw, emulatedDrawTimeout);
    auto previous = show->shownAt();
    for (std::size_t i = 0; i < landings.size(); ++i) {
        const double nominal = flightSeconds(landings[i].number) + (i == 0 ? 0.0 : 5.0);
        std::cout << "arm64 ball " << i + 1 << " on " << landings[i].number << ": "
                  << secondsBetween(previous, landings[i].estimate) << " s (nominal " << nominal
                  << " s)\n";
        previous = landings[i].estimate;
    }
    ASSERT_EQ(landings.size(), static_cast<std::size_t>(ballsPerDraw));
    for (std::size_t i = 0; i < landings.size(); ++i) {
        const TileLook colour = i < blueBalls ? TileLook::Blue : TileLook::Yellow;
        EXPECT_EQ(landings[i].look, colour) << "ball " << i + 1;
        // Seen one at a time: the snapshot that shows a landing shows every earlier one and no
        // later one, each tile in the colour its ball gave it.
        const BoardLook board = readBoard(landings[i].client, origin);
        for (std::size_t j = 0; j <= i; ++j) {
            const TileLook expected = j < blueBalls ? TileLook::Blue : TileLook::Yellow;
            EXPECT_EQ(board.tiles[static_cast<std::size_t>(landings[j].number - 1)], expected)
                << "tile " << landings[j].number << " when ball " << i + 1 << " landed";
        }
        EXPECT_EQ(board.count(TileLook::Blue) + board.count(TileLook::Yellow),
                  static_cast<int>(i + 1))
            << "ball " << i + 1;
    }
    const BoardLook full = readBoard(show->snap().client, origin);
    keepForLooking(show->snap().client, "arm64-full-board");
    EXPECT_EQ(full.count(TileLook::Blue), blueBalls);
    EXPECT_EQ(full.count(TileLook::Yellow), ballsPerDraw - blueBalls);
}

}  // namespace
}  // namespace pelora::e2e
