#include "assets/packed_picture.h"

#include <cstring>

namespace pelora {

QImage packedPicture(const unsigned char* bytes, std::size_t size) {
    constexpr std::size_t headerSize = sizeof(PackedPictureHeader);
    // QImage paints 32-bit pixels in place only from 32-bit aligned rows.
    if (bytes == nullptr || size < headerSize ||
        reinterpret_cast<std::uintptr_t>(bytes) % alignof(std::uint32_t) != 0) {
        return {};
    }
    PackedPictureHeader header{};
    std::memcpy(&header, bytes, headerSize);
    constexpr std::uint32_t largest = 1U << 15;
    if (header.magic != packedPictureMagic || header.width == 0 || header.height == 0 ||
        header.width > largest || header.height > largest ||
        header.bytesPerLine < header.width * 4U || header.bytesPerLine % 4U != 0) {
        return {};
    }
    const std::size_t pixelBytes = std::size_t{header.bytesPerLine} * header.height;
    if (size - headerSize != pixelBytes) {
        return {};
    }
    return QImage(bytes + headerSize, static_cast<int>(header.width),
                  static_cast<int>(header.height), static_cast<qsizetype>(header.bytesPerLine),
                  QImage::Format_ARGB32);
}

}  // namespace pelora
