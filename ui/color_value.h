// Colours as Windows holds them.
#pragma once

#include <cstdint>

// Windows colour value: red in the low byte.
using ColorValue = uint32_t;

inline constexpr ColorValue RgbColor(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) | (static_cast<ColorValue>(blue) << 16);
}
// #RRGGBB as written in the tables.
inline constexpr ColorValue ColorFromHex(uint32_t rrggbb) {
  return RgbColor(static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8), static_cast<uint8_t>(rrggbb));
}
inline constexpr uint8_t RedOf(ColorValue c) { return static_cast<uint8_t>(c); }
inline constexpr uint8_t GreenOf(ColorValue c) { return static_cast<uint8_t>(c >> 8); }
inline constexpr uint8_t BlueOf(ColorValue c) { return static_cast<uint8_t>(c >> 16); }
