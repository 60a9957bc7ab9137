// Packed pictures: a whole, aligned packing shows as an image over its own bytes; anything else,
// a damaged or truncated packing, gives a null image instead of reading past the bytes.
#include "assets/packed_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace pelora {
namespace {

// A 3 x 2 picture with rows of 16 bytes (4 of padding), built in 32-bit words so that it is
// aligned as the assembler aligns the program's own.
struct Packing {
    std::vector<std::uint32_t> words;

    Packing() {
        const PackedPictureHeader header{packedPictureMagic, 3, 2, 16};
        words.resize(4 + 2 * 4);
        std::memcpy(words.data(), &header, sizeof header);
        const std::uint32_t pixels[2][4] = {{0xFF0000FFU, 0x8000FF00U, 0x00000000U, 0U},
                                            {0xFFFFFFFFU, 0x40102030U, 0xFF123456U, 0U}};
        std::memcpy(words.data() + 4, pixels, sizeof pixels);
    }
    const unsigned char* bytes() const {
        return reinterpret_cast<const unsigned char*>(words.data());
    }
    std::size_t size() const { return words.size() * sizeof(std::uint32_t); }
    void setHeaderWord(int index, std::uint32_t value) {
        words[static_cast<std::size_t>(index)] = value;
    }
};

TEST(PackedPicture, ShowsTheRowsInPlaceWithoutCopying) {
    const Packing packing;
    const QImage image = packedPicture(packing.bytes(), packing.size());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.bytesPerLine(), 16);
    EXPECT_EQ(image.constBits(), packing.bytes() + 16);
    EXPECT_EQ(image.pixel(0, 0), 0xFF0000FFU);
    EXPECT_EQ(image.pixel(1, 0), 0x8000FF00U);
    EXPECT_EQ(image.pixel(2, 1), 0xFF123456U);
}

struct Damage {
    const char* what;
    std::function<void(Packing&)> apply;
    std::size_t sizeChange;  // bytes taken off the end
    std::size_t offset;      // bytes the start is moved by
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.what;
}

class DamagedPacking : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPacking, GivesANullImage) {
    Packing packing;
    if (GetParam().apply) {
        GetParam().apply(packing);
    }
    const unsigned char* start = packing.bytes() + GetParam().offset;
    const std::size_t size = packing.size() - GetParam().sizeChange - GetParam().offset;
    EXPECT_TRUE(packedPicture(start, size).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedPacking,
    ::testing::Values(
        Damage{"WrongMagic", [](Packing& p) { p.setHeaderWord(0, 0x474E5089U); }, 0, 0},
        Damage{"NoWidth", [](Packing& p) { p.setHeaderWord(1, 0); }, 0, 0},
        Damage{"NoHeight", [](Packing& p) { p.setHeaderWord(2, 0); }, 0, 0},
        Damage{"RowsShorterThanTheWidth", [](Packing& p) { p.setHeaderWord(3, 8); }, 0, 0},
        Damage{"RowsNotInWholePixels", [](Packing& p) { p.setHeaderWord(3, 14); }, 0, 0},
        Damage{"HeightBeyondTheBytes", [](Packing& p) { p.setHeaderWord(2, 3); }, 0, 0},
        Damage{"HugeHeight", [](Packing& p) { p.setHeaderWord(2, 0xFFFFFFF0U); }, 0, 0},
        Damage{"LastRowCutShort", {}, 4, 0}, Damage{"OnlyPartOfTheHeader", {}, 16 + 32 - 8, 0},
        Damage{"MisalignedStart", {}, 2, 2}),
    [](const ::testing::TestParamInfo<Damage>& damage) { return std::string(damage.param.what); });

TEST(PackedPicture, NoBytesGivesANullImage) {
    EXPECT_TRUE(packedPicture(nullptr, 0).isNull());
}

}  // namespace
}  // namespace pelora
