#include "draw_order.h"

#include <algorithm>

#include "motion/error.h"

namespace pelora {

LandingOrder drawOrderFromPicks(const DrawPicks& picks) {
    for (std::size_t i = 0; i < picks.size(); ++i) {
        if (picks[i] >= drawPickBounds[i]) {
            throw ShowError("Tirage impossible : numéro tiré hors des candidats restants");
        }
    }
    LandingOrder candidates{};
    for (std::int32_t number = 1; number <= tileCount; ++number) {
        candidates[static_cast<std::size_t>(number - 1)] = number;
    }
    LandingOrder order{};
    auto left = candidates.end();
    for (std::size_t i = 0; i < picks.size(); ++i) {
        const auto taken = candidates.begin() + static_cast<std::ptrdiff_t>(picks[i]);
        order[i] = *taken;
        left = std::move(taken + 1, left, taken);
    }
    return order;
}

}  // namespace pelora
