#include "app/system_picks.h"

#include <sys/random.h>

#include <array>
#include <cerrno>
#include <string>

#include "motion/error.h"

namespace pelora {
namespace {

// The words of one draw are read in one call when none is refused: 28 picks, a few spare.
constexpr std::size_t wordsPerRead = 32;

[[noreturn]] void refuse(int errorNumber) {
    if (errorNumber == EAGAIN) {
        throw ShowError(
            "Tirage impossible : le générateur aléatoire du système n'est pas encore prêt");
    }
    throw ShowError(
        "Tirage impossible : le générateur aléatoire du système ne peut pas être lu (erreur " +
        std::to_string(errorNumber) + ")");
}

// The words read ahead for one draw, refilled from the generator when used up.
class WordReader {
public:
    explicit WordReader(const SystemPicks::ReadRandom& read) : read_(read) {}

    std::uint32_t next() {
        if (used_ == words_.size()) {
            fill();
        }
        return words_[used_++];
    }

private:
    void fill() {
        auto* bytes = reinterpret_cast<unsigned char*>(words_.data());
        std::size_t filled = 0;
        const std::size_t wanted = sizeof words_;
        while (filled < wanted) {
            errno = 0;
            const long got = read_(bytes + filled, wanted - filled);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                // A read that gives nothing and reports no error would be tried for ever.
                refuse(got < 0 && errno != 0 ? errno : EIO);
            }
            filled += static_cast<std::size_t>(got);
        }
        used_ = 0;
    }

    const SystemPicks::ReadRandom& read_;
    std::array<std::uint32_t, wordsPerRead> words_{};
    std::size_t used_ = wordsPerRead;
};

}  // namespace

SystemPicks::SystemPicks()
    : SystemPicks([](void* buffer, std::size_t size) -> long {
          // Non-blocking: before the kernel's pool is first seeded the event thread is not held
          // up; the draw is refused and tried again later.
          return getrandom(buffer, size, GRND_NONBLOCK);
      }) {}

SystemPicks::SystemPicks(ReadRandom read) : read_(std::move(read)) {}

std::uint32_t SystemPicks::uniformBelow(std::uint32_t bound,
                                        const std::function<std::uint32_t()>& nextWord) {
    // 2^32 mod bound, in 32-bit arithmetic: the words from it up to 2^32 - 1 are a whole number
    // of runs of `bound`.
    const std::uint32_t refusedBelow = (0U - bound) % bound;
    std::uint32_t word = nextWord();
    while (word < refusedBelow) {
        word = nextWord();
    }
    return word % bound;
}

void SystemPicks::pick(std::span<const std::uint32_t> bounds, std::span<std::uint32_t> picks) {
    if (bounds.size() != picks.size()) {
        throw ShowError("Tirage impossible : nombre de tirages incohérent");
    }
    for (std::uint32_t bound : bounds) {
        if (bound < 1) {
            throw ShowError("Tirage impossible : borne invalide");
        }
    }
    WordReader reader(read_);
    const std::function<std::uint32_t()> nextWord = [&reader] { return reader.next(); };
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        picks[i] = uniformBelow(bounds[i], nextWord);
    }
}

}  // namespace pelora
