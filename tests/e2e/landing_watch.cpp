#include "e2e/landing_watch.h"

#include <algorithm>

namespace pelora::e2e {
namespace {

int colouredTiles(const BoardLook& board) {
    return board.count(TileLook::Blue) + board.count(TileLook::Yellow);
}

bool wasColoured(const std::vector<Landing>& seen, int number) {
    return std::any_of(seen.begin(), seen.end(),
                       [number](const Landing& landing) { return landing.number == number; });
}

}  // namespace

std::vector<Landing> watchLandings(const ShowProgram& show, QPointF boardOrigin, int landings,
                                   std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    std::vector<Landing> seen;
    while (static_cast<int>(seen.size()) < landings && Clock::now() < deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const int known = static_cast<int>(seen.size());
        const auto sighting = show.watchFor(left, [&](const QImage& client) {
            return colouredTiles(readBoard(client, boardOrigin)) > known;
        });
        if (!sighting) {
            break;
        }
        const BoardLook board = readBoard(sighting->snapshot.client, boardOrigin);
        for (const TileLook look : {TileLook::Blue, TileLook::Yellow}) {
            for (const int number : board.numbers(look)) {
                if (!wasColoured(seen, number)) {
                    seen.push_back({number, look, sighting->estimate, sighting->snapshot.client});
                }
            }
        }
    }
    return seen;
}

}  // namespace pelora::e2e
