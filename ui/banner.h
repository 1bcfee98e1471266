// The side banner: its size, its gradient and the product text drawn on it.
#pragma once

#include <cstdint>
#include <vector>

#include "app/text.h"
#include "ui/color_value.h"

inline constexpr ColorValue BannerTopColor = ColorFromHex(0x00E600);
inline constexpr ColorValue BannerBottomColor = ColorFromHex(0x0000FF);
inline constexpr ColorValue BannerShadowColor = ColorFromHex(0x000000);
inline constexpr ColorValue BannerTextColor = ColorFromHex(0xFFFFFF);

struct PictureSize {
  int64_t width;
  int64_t height;
};

// round(ScaleX * 32) x round(ScaleY * 656).
PictureSize BannerSize(float scaleX, float scaleY);

// One colour per row, top to bottom, as MakeGradientImage fills them. Empty when
// height is not positive (no picture is made then).
std::vector<ColorValue> GradientRowColors(int64_t height, ColorValue top, ColorValue bottom);

// "Microsoft " + OsProductName.
Text BannerText(const Text& osProductName);
// Starting points (picture pixels, x = 0) of the black text and of the white copy.
int64_t BannerShadowY(float scaleY);
int64_t BannerTextY(float scaleY);
