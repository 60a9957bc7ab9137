// The draw's picks from the system's generator: the mapping of words to picks, scripted word by
// word, and the reading of the generator with its interruptions and failures.
#include "app/system_picks.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <set>
#include <vector>

#include "motion/error.h"

namespace pelora {
namespace {

// Hands out the scripted words in order and counts them.
class ScriptedWords {
public:
    explicit ScriptedWords(std::initializer_list<std::uint32_t> words) : words_(words) {}
    std::uint32_t next() {
        ++taken;
        const std::uint32_t word = words_.front();
        words_.pop_front();
        return word;
    }
    int taken = 0;

private:
    std::deque<std::uint32_t> words_;
};

TEST(SystemPicks, WordsBelowTheRemainderOfTwoToThe32AreRefused) {
    struct Case {
        std::uint32_t bound;
        std::initializer_list<std::uint32_t> words;
        std::uint32_t pick;
        int taken;
    };
    // 2^32 mod 28 = 4, mod 27 = 22; powers of two and 1 refuse nothing.
    const Case cases[] = {
        {28, {0U, 3U, 4U}, 4U, 3},
        {28, {0xFFFFFFFFU}, 0xFFFFFFFFU % 28U, 1},
        {27, {21U, 22U}, 22U % 27U, 2},
        {27, {0U, 0U, 0U, 50U}, 50U % 27U, 4},
        {16, {0U}, 0U, 1},
        {1, {0U}, 0U, 1},
        {1, {0xFFFFFFFFU}, 0U, 1},
    };
    for (const Case& c : cases) {
        ScriptedWords words(c.words);
        EXPECT_EQ(SystemPicks::uniformBelow(c.bound, [&] { return words.next(); }), c.pick)
            << c.bound;
        EXPECT_EQ(words.taken, c.taken) << c.bound;
    }
}

std::array<std::uint32_t, 28> bounds28() {
    std::array<std::uint32_t, 28> bounds{};
    for (std::uint32_t i = 0; i < 28; ++i) {
        bounds[i] = 28 - i;
    }
    return bounds;
}

// The byte at `position` of the stream the scripted generator hands out: every byte differs from
// its neighbours, so a chunk written anywhere but right after the previous one changes the words.
unsigned char streamByte(std::size_t position) {
    return static_cast<unsigned char>(position * 7U + 3U);
}

// A generator read through a script of results: a positive count writes that many bytes of the
// stream, continuing where the last read stopped; a negative one fails with that errno.
SystemPicks::ReadRandom scriptedRead(std::vector<long> results, int* calls) {
    return [results = std::move(results), calls, position = std::size_t{0}](
               void* buffer, std::size_t size) mutable -> long {
        const auto at = static_cast<std::size_t>((*calls)++);
        const long result = at < results.size() ? results[at] : static_cast<long>(size);
        if (result < 0) {
            errno = static_cast<int>(-result);
            return -1;
        }
        const auto count = std::min(static_cast<std::size_t>(result), size);
        auto* bytes = static_cast<unsigned char*>(buffer);
        for (std::size_t i = 0; i < count; ++i) {
            bytes[i] = streamByte(position++);
        }
        return static_cast<long>(count);
    };
}

TEST(SystemPicks, AnInterruptedOrShortReadIsReadOn) {
    int calls = 0;
    SystemPicks picks(scriptedRead({-EINTR, 3, -EINTR, 1, 6}, &calls));
    const auto bounds = bounds28();
    std::array<std::uint32_t, 28> got{};
    picks.pick(bounds, got);
    EXPECT_EQ(calls, 6);
    // The words are the stream's bytes in order, four at a time, as the machine reads them.
    std::array<unsigned char, 4 * 32> stream{};
    for (std::size_t i = 0; i < stream.size(); ++i) {
        stream[i] = streamByte(i);
    }
    std::size_t word = 0;
    const auto nextWord = [&] {
        std::uint32_t value = 0;
        std::memcpy(&value, stream.data() + 4 * word++, sizeof value);
        return value;
    };
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i], SystemPicks::uniformBelow(bounds[i], nextWord)) << i;
    }
    EXPECT_EQ(word, got.size()) << "no word of this stream is refused";
}

TEST(SystemPicks, AFailingGeneratorRefusesTheDrawInFrench) {
    struct Case {
        long result;
        const char* message;
    };
    const Case cases[] = {
        {-ENOSYS,
         "Tirage impossible : le générateur aléatoire du système ne peut pas être lu "
         "(erreur 38)"},
        {-EPERM,
         "Tirage impossible : le générateur aléatoire du système ne peut pas être lu "
         "(erreur 1)"},
        {-EAGAIN, "Tirage impossible : le générateur aléatoire du système n'est pas encore prêt"},
        // A read that gives nothing would otherwise be tried for ever.
        {0,
         "Tirage impossible : le générateur aléatoire du système ne peut pas être lu "
         "(erreur 5)"},
    };
    for (const Case& c : cases) {
        int calls = 0;
        SystemPicks picks(scriptedRead({c.result}, &calls));
        const auto bounds = bounds28();
        std::array<std::uint32_t, 28> got{};
        try {
            picks.pick(bounds, got);
            ADD_FAILURE() << "no error for " << c.result;
        } catch (const ShowError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(calls, 1) << "the generator is not tried again within one draw";
    }
}

TEST(SystemPicks, TheSystemsGeneratorGivesPicksWithinTheirBoundsThatDiffer) {
    SystemPicks picks;
    const auto bounds = bounds28();
    std::set<std::array<std::uint32_t, 28>> draws;
    for (int draw = 0; draw < 100; ++draw) {
        std::array<std::uint32_t, 28> got{};
        picks.pick(bounds, got);
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_LT(got[i], bounds[i]);
        }
        draws.insert(got);
    }
    EXPECT_EQ(draws.size(), 100U);
}

}  // namespace
}  // namespace pelora
