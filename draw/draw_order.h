// The order of a draw from its picks: each pick takes one of the candidates left, by index, out of
// the list 1..28, so the picks' bounds run 28, 27, ..., 1. Kept apart from the cycle so that the
// tests that weigh the draws, and the tools that search the old generator's seeds, make the very
// order the show makes.
#pragma once

#include <array>
#include <cstdint>

#include "assets/facts/show_facts.h"

namespace pelora {

using DrawPicks = std::array<std::uint32_t, tileCount>;
// The numbers 1..28 in landing order: the first seven blue, the next five yellow.
using LandingOrder = std::array<std::int32_t, tileCount>;

// One pick per candidate: 28 to choose from, then one fewer at each pick.
inline constexpr DrawPicks drawPickBounds = [] {
    DrawPicks bounds{};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        bounds[i] = static_cast<std::uint32_t>(tileCount) - static_cast<std::uint32_t>(i);
    }
    return bounds;
}();

// Throws a ShowError, before anything is taken, when a pick is not below its bound.
LandingOrder drawOrderFromPicks(const DrawPicks& picks);

}  // namespace pelora
