#include "checked_arithmetic.h"

#include "error.h"

namespace pelora {

std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw ShowError("Dépassement de capacité d'un compteur entier");
    }
    return sum;
}

}  // namespace pelora
