#include "ui/banner.h"

#include "app/rounding.h"

namespace {

// Limits the rows computed for a height that no picture could have.
constexpr int64_t MaxGradientRows = 1 << 20;

float ChannelStep(uint8_t top, uint8_t bottom, int64_t height) {
  float rows = static_cast<float>(height);
  if (top < bottom) return static_cast<float>(bottom - top) / rows;
  return -(static_cast<float>(top - bottom) / rows);
}

uint8_t ChannelValue(float running) {
  int64_t value = RoundHalfEven(running);
  if (value < 0) return 0;
  if (value > 255) return 255;
  return static_cast<uint8_t>(value);
}

}  // namespace

PictureSize BannerSize(float scaleX, float scaleY) {
  return {RoundHalfEven(scaleX * 32.0f), RoundHalfEven(scaleY * 656.0f)};
}

std::vector<ColorValue> GradientRowColors(int64_t height, ColorValue top, ColorValue bottom) {
  std::vector<ColorValue> rows;
  if (height <= 0 || height > MaxGradientRows) return rows;
  float stepRed = ChannelStep(RedOf(top), RedOf(bottom), height);
  float stepGreen = ChannelStep(GreenOf(top), GreenOf(bottom), height);
  float stepBlue = ChannelStep(BlueOf(top), BlueOf(bottom), height);
  float red = RedOf(top);
  float green = GreenOf(top);
  float blue = BlueOf(top);
  rows.reserve(static_cast<size_t>(height));
  for (int64_t i = 0; i < height; ++i) {
    rows.push_back(RgbColor(ChannelValue(red), ChannelValue(green), ChannelValue(blue)));
    red += stepRed;
    green += stepGreen;
    blue += stepBlue;
  }
  return rows;
}

Text BannerText(const Text& osProductName) { return u"Microsoft " + osProductName; }

int64_t BannerShadowY(float scaleY) { return RoundHalfEven(scaleY * 520.0f); }

int64_t BannerTextY(float scaleY) { return RoundHalfEven(scaleY * 523.0f); }
