#include "draw_state.h"

#include <string>

#include "motion/error.h"

namespace pelora {

std::size_t DrawOrder::slot(std::int32_t position) {
    if (position < 1 || position > tileCount) {
        throw ShowError("Indice hors limites dans le tirage : " + std::to_string(position));
    }
    return static_cast<std::size_t>(position - 1);
}

std::int32_t& DrawOrder::operator[](std::int32_t position) {
    return numbers_[slot(position)];
}

std::int32_t DrawOrder::operator[](std::int32_t position) const {
    return numbers_[slot(position)];
}

}  // namespace pelora
