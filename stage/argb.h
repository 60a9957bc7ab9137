// The show's colours are 32-bit ARGB values, 0xAARRGGBB, which is also Qt's QRgb layout.
#pragma once

#include <QColor>
#include <cstdint>

namespace pelora {

inline QColor argbColor(std::uint32_t argb) {
    return QColor::fromRgba(argb);
}

}  // namespace pelora
