// The colours of the show as they appear on rendered frames.
#pragma once

#include <cstdint>

namespace pelora::testing::colours {

inline constexpr std::uint32_t white = 0xFFFFFFFF;
inline constexpr std::uint32_t black = 0xFF000000;
inline constexpr std::uint32_t headerRed = 0xFF9F3131;
inline constexpr std::uint32_t footerBrown = 0xFFA52A2A;
inline constexpr std::uint32_t boardGrey = 0xFFDDDDDD;
inline constexpr std::uint32_t blue = 0xFF0666FF;
inline constexpr std::uint32_t yellow = 0xFFFFC412;
inline constexpr std::uint32_t tileStroke = 0xFFB9C0D7;

}  // namespace pelora::testing::colours
