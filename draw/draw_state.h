// The draw state: the handful of variables the cycle, the flight and the layout pass share.
// Together with the scene it is the show's whole state; nothing of it is saved.
#pragma once

#include <array>
#include <cstdint>

#include "assets/facts/show_facts.h"

namespace pelora {

// The order of the current draw, indexed 1..28 as the show counts balls; any other index is a
// fault, raised as a ShowError instead of reading past the array.
class DrawOrder {
public:
    std::int32_t& operator[](std::int32_t position);
    std::int32_t operator[](std::int32_t position) const;

private:
    static std::size_t slot(std::int32_t position);
    std::array<std::int32_t, tileCount> numbers_{};
};

struct DrawState {
    DrawOrder Tirage;
    std::int32_t coup = 0;     // ball now flying or next to fly, 1..12; 13 during the rest
    std::int32_t numtir = 0;   // number of the current draw, from 1
    std::int32_t cinqmn = 0;   // seconds left in the rest period, 300..0
    std::int32_t cinqsec = 0;  // pause ticks since the last landing, 0..5
    float saveX = 0.0F;        // the ball's home, beyond the left edge
    float saveY = 0.0F;
    float p1 = 0.0F;  // x of a panel in place
    float p2 = 0.0F;  // x of a panel beyond the right edge
};

}  // namespace pelora
