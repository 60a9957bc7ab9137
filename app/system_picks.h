// The draw's picks taken from the operating system's cryptographic generator (getrandom). Each
// pick is uniform over its bound: a 32-bit word below 2^32 mod bound is refused and another one
// read, so that the words kept are a whole multiple of the bound and the remainder carries no
// bias. Nothing is kept between two draws: the words read for one draw are dropped with it, and
// no state exists from which a later draw could be computed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace pelora {

class SystemPicks {
public:
    // Fills `buffer` with up to `size` random bytes: returns the count written, or -1 with errno
    // set, as getrandom does.
    using ReadRandom = std::function<long(void* buffer, std::size_t size)>;

    SystemPicks();  // getrandom(2), never blocking
    explicit SystemPicks(ReadRandom read);

    // picks[i] uniform over 0..bounds[i]-1. Throws a ShowError, in French, when the generator
    // cannot be read; an interrupted read is tried again.
    void pick(std::span<const std::uint32_t> bounds, std::span<std::uint32_t> picks);

    // The uniform pick below `bound` (at least 1) that `nextWord` gives, refusing the words below
    // 2^32 mod bound.
    static std::uint32_t uniformBelow(std::uint32_t bound,
                                      const std::function<std::uint32_t()>& nextWord);

private:
    ReadRandom read_;
};

}  // namespace pelora
