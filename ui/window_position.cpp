#include "ui/window_position.h"

#include <cmath>

#include "app/rounding.h"

namespace {

// y = DisplayHeight - first * ScaleY - second * ScaleY, chosen by the exact scale.
struct HeightRule {
  float scale;
  float first;
  float second;
};

constexpr HeightRule HeightRules[] = {
    {1.0f, 676.0f, 75.0f},
    {1.25f, 656.0f, 118.0f},
    {1.5f, 646.0f, 97.0f},
    {1.75f, 595.0f, 60.0f},
};

}  // namespace

int64_t MainWindowY(float scaleY, int32_t displayHeight) {
  for (const HeightRule& rule : HeightRules) {
    if (scaleY != rule.scale) continue;
    // The first difference is stored as a float before the second product goes.
    float difference = static_cast<float>(displayHeight) - rule.first * scaleY;
    float y = difference - rule.second * scaleY;
    return RoundHalfEven(y);
  }
  return 0;
}

int64_t CenteredX(float scaleX, int32_t displayWidth) {
  if (!(scaleX > 0.0f) || !std::isfinite(scaleX)) return 0;
  float x = static_cast<float>(displayWidth) / (scaleX * 2.0f) - static_cast<float>(MainClientWidth / 2);
  return RoundHalfEven(x);
}

WindowPosition MainWindowPosition(const ScreenFacts& screen, int64_t menuMode, int64_t taskbarAlignment) {
  bool centred = menuMode == 2 || (menuMode == 0 && taskbarAlignment == 1);
  return {centred ? CenteredX(screen.ScaleX, screen.DisplayWidth) : 0,
          MainWindowY(screen.ScaleY, screen.DisplayHeight)};
}

float ScaleFromDpi(int32_t dpi) {
  if (dpi <= 0) return 1.0f;
  return static_cast<float>(dpi) / 96.0f;
}

int32_t LogicalToPixels(int32_t value, int32_t dpi) {
  int64_t product = static_cast<int64_t>(value) * dpi;
  int64_t result = product >= 0 ? (product + 48) / 96 : (product - 48) / 96;
  if (result > INT32_MAX) return INT32_MAX;
  if (result < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(result);
}
