// Where the main window opens, and the conversion of logical units to pixels.
#pragma once

#include <cstdint>

struct WindowPosition {
  int64_t x;
  int64_t y;
};

struct ScreenFacts {
  float ScaleX;
  float ScaleY;
  int32_t DisplayWidth;
  int32_t DisplayHeight;
};

// Width of the main window's client area in logical units.
inline constexpr int32_t MainClientWidth = 730;

// taskbarAlignment is what ReadTaskbarAlignment gives: -1 (none), 0 left, 1 centre.
WindowPosition MainWindowPosition(const ScreenFacts& screen, int64_t menuMode, int64_t taskbarAlignment);
int64_t MainWindowY(float scaleY, int32_t displayHeight);
int64_t CenteredX(float scaleX, int32_t displayWidth);

// dpi / 96; a DPI that is not positive counts as 96.
float ScaleFromDpi(int32_t dpi);

// value * dpi / 96 with a 64-bit product, rounded to nearest with halves away
// from zero, as MulDiv does; clamped to the 32-bit range.
int32_t LogicalToPixels(int32_t value, int32_t dpi);

// Win32 side. The facts BuildMainWindow starts from.
ScreenFacts ReadScreenFacts();
// -1 before Windows 11 or without a value; else the stored number (0 left, 1 centre).
int64_t ReadTaskbarAlignment();
