// The attack the old clock-seeded generator was open to, for anyone to run: given the first balls
// of a draw, it tries every seed the old generator could start a draw's picks from (RandSeed after
// Randomize: all 2^32, whatever the clock read) and prints those that give these balls, each with
// the twelve balls it predicts. A draw of the old generator is pinned down by its first eight
// balls; a draw of today's show matches no seed.
//
//   seed_search <ball> <ball> ...   the balls in landing order, numbers 1..28
//   seed_search --old <seed> [n]    a draw of the old generator from <seed>, RandSeed after
//                                   Randomize (decimal or 0x hex), its first n balls searched (7)
//   seed_search --today [n]         a draw made as today's show makes it (the system's generator,
//                                   the show's selection), its first n balls searched (12)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "app/system_picks.h"
#include "draw/draw_order.h"
#include "support/old_seed_search.h"

namespace pelora::bench {
namespace {

constexpr std::size_t shownCandidates = 20;

void usage() {
    std::fprintf(stderr,
                 "usage: seed_search <ball> <ball> ...   (balls 1..28 in landing order)\n"
                 "       seed_search --old <seed> [balls searched, 7]\n"
                 "       seed_search --today [balls searched, 12]\n");
}

long number(const char* text, int base) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, base);
    if (end == text || *end != '\0') {
        throw std::invalid_argument(std::string("not a number: ") + text);
    }
    return value;
}

std::vector<std::int32_t> firstBalls(const LandingOrder& order, long count) {
    if (count < 1 || count > tileCount) {
        throw std::invalid_argument("the number of balls searched must be 1 to 28");
    }
    return {order.begin(), order.begin() + count};
}

LandingOrder todaysDraw() {
    DrawPicks picks{};
    SystemPicks().pick(drawPickBounds, picks);
    return drawOrderFromPicks(picks);
}

void printBalls(const char* heading, const std::vector<std::int32_t>& balls) {
    std::printf("%s", heading);
    for (std::int32_t ball : balls) {
        std::printf(" %d", ball);
    }
    std::printf("\n");
}

// The balls to search, from the command line.
std::vector<std::int32_t> ballsToSearch(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        throw std::invalid_argument("no balls given");
    }
    if (arguments[0] == "--old" && (arguments.size() == 2 || arguments.size() == 3)) {
        const auto seed = static_cast<std::uint32_t>(number(arguments[1].c_str(), 0));
        const long count = arguments.size() == 3 ? number(arguments[2].c_str(), 10) : 7;
        const LandingOrder draw = testing::oldGeneratorDraw(seed);
        const std::vector<std::int32_t> searched = firstBalls(draw, count);
        std::printf("a draw of the old generator from seed 0x%08X\n", seed);
        printBalls("its twelve balls:", firstBalls(draw, ballsPerDraw));
        return searched;
    }
    if (arguments[0] == "--today" && arguments.size() <= 2) {
        const long count = arguments.size() == 2 ? number(arguments[1].c_str(), 10) : ballsPerDraw;
        const LandingOrder draw = todaysDraw();
        const std::vector<std::int32_t> searched = firstBalls(draw, count);
        std::printf("a draw made as today's show makes it\n");
        printBalls("its twelve balls:", firstBalls(draw, ballsPerDraw));
        return searched;
    }
    std::vector<std::int32_t> balls;
    for (const std::string& argument : arguments) {
        balls.push_back(static_cast<std::int32_t>(number(argument.c_str(), 10)));
    }
    return balls;
}

// The twelve balls a seed predicts, those given first, then " |" and the ones foretold.
void printPrediction(std::uint32_t seed, std::size_t given) {
    const LandingOrder order = testing::oldGeneratorDraw(seed);
    std::printf("  seed 0x%08X:", seed);
    for (std::size_t i = 0; i < static_cast<std::size_t>(ballsPerDraw); ++i) {
        std::printf("%s %d", i == given ? " |" : "", order[i]);
    }
    std::printf("\n");
}

int run(const std::vector<std::string>& arguments) {
    const std::vector<std::int32_t> balls = ballsToSearch(arguments);
    const std::vector<std::uint32_t> picks = testing::picksOfBalls(balls);
    printBalls("balls searched:", balls);

    const unsigned threads = std::max(std::thread::hardware_concurrency(), 1U);
    const auto start = std::chrono::steady_clock::now();
    const testing::OldSeedMatches matches =
        testing::searchOldGeneratorSeeds(picks, threads, shownCandidates);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("searched all 2^32 seeds of the old generator in %.3f s on %u threads\n", seconds,
                threads);
    if (matches.count == 0) {
        std::printf("no seed of the old generator gives these balls\n");
        return 0;
    }
    std::printf(
        "%llu seed%s of the old generator give%s these balls; the twelve balls each "
        "predicts (RandSeed after Randomize):\n",
        static_cast<unsigned long long>(matches.count), matches.count == 1 ? "" : "s",
        matches.count == 1 ? "s" : "");
    for (std::uint32_t seed : matches.seeds) {
        printPrediction(seed, balls.size());
    }
    if (matches.count > matches.seeds.size()) {
        std::printf("  ... and %llu more\n",
                    static_cast<unsigned long long>(matches.count - matches.seeds.size()));
    }
    return 0;
}

}  // namespace
}  // namespace pelora::bench

int main(int argc, char** argv) {
    try {
        return pelora::bench::run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "seed_search: %s\n", error.what());
        pelora::bench::usage();
        return 2;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "seed_search: %s\n", error.what());
        return 1;
    }
}
