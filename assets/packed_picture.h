// A picture decoded when the program was built: a 16-byte header, then the rows of 32-bit ARGB
// pixels exactly as QImage::Format_ARGB32 holds them. The program shows such a picture from the
// bytes where they lie, without decoding or copying them at start-up.
#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

namespace pelora {

// The bytes "PLRP" read as a 32-bit number in the machine's order.
inline constexpr std::uint32_t packedPictureMagic = 0x50524C50U;

struct PackedPictureHeader {
    std::uint32_t magic;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t bytesPerLine;
};
static_assert(sizeof(PackedPictureHeader) == 16);

// The picture held by `size` bytes at `bytes`, as a read-only image over those bytes (they must
// outlive it); a null image when the bytes are not a whole packed picture aligned for QImage.
QImage packedPicture(const unsigned char* bytes, std::size_t size);

}  // namespace pelora
