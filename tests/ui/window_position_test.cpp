#include "ui/window_position.h"

#include <gtest/gtest.h>

#include <limits>

TEST(WindowPositionTest, PositionTable) {
  struct Case {
    int32_t dpi;
    int32_t width;
    int32_t height;
    int64_t menuMode;
    int64_t taskbarAlignment;
    int64_t x;
    int64_t y;
  } cases[] = {
      {96, 1920, 1080, 1, -1, 0, 329},
      {96, 1920, 1080, 2, -1, 595, 329},
      {96, 1920, 1080, 0, 1, 595, 329},
      {96, 1920, 1080, 0, 0, 0, 329},
      {96, 1920, 1080, 0, -1, 0, 329},
      {96, 1920, 1080, 1, 1, 0, 329},    // only MenuMode 0 follows the taskbar
      {96, 1920, 1080, 7, 1, 0, 329},    // unknown modes sit left
      {96, 1920, 1080, -1, 1, 0, 329},
      {120, 1920, 1080, 2, -1, 403, 112},  // 112.5 to even
      {120, 1920, 1080, 1, -1, 0, 112},
      {144, 1920, 1080, 1, -1, 0, -34},  // -34.5 to even, stays above the top edge
      {144, 2560, 1440, 2, -1, 488, 326},  // 325.5 to even; x 488.33
      {96, 1366, 768, 1, -1, 0, 17},
      {96, 1366, 768, 2, -1, 318, 17},   // 683 - 365
      {168, 1920, 1080, 1, -1, 0, -66},  // 1080 - 1041.25 - 105 = -66.25
      {168, 1920, 1080, 2, -1, 184, -66},  // 548.57 - 365
      {192, 3840, 2160, 1, -1, 0, 0},    // 2.0 is not in the table
      {192, 3840, 2160, 2, -1, 595, 0},
      {100, 1920, 1080, 1, -1, 0, 0},    // 1.0416...: no exact match
      {72, 1920, 1080, 2, -1, 915, 0},   // 1280 - 365
  };
  for (const Case& c : cases) {
    ScreenFacts screen{ScaleFromDpi(c.dpi), ScaleFromDpi(c.dpi), c.width, c.height};
    WindowPosition p = MainWindowPosition(screen, c.menuMode, c.taskbarAlignment);
    EXPECT_EQ(p.x, c.x) << c.dpi << " " << c.width << "x" << c.height << " mode " << c.menuMode;
    EXPECT_EQ(p.y, c.y) << c.dpi << " " << c.width << "x" << c.height << " mode " << c.menuMode;
  }
}

TEST(WindowPositionTest, HorizontalAndVerticalScalesAreSeparate) {
  // y follows ScaleY only, x follows ScaleX only.
  ScreenFacts screen{1.0f, 1.25f, 1920, 1080};
  WindowPosition p = MainWindowPosition(screen, 2, -1);
  EXPECT_EQ(p.x, 595);
  EXPECT_EQ(p.y, 112);
}

TEST(WindowPositionTest, FirstDifferenceIsHeldInSinglePrecision) {
  // 16777217 is not a float: single precision gives 16777216 - 676 - 75; in
  // double precision the result would be 16776466.
  EXPECT_EQ(MainWindowY(1.0f, 16777217), 16776465);
}

TEST(WindowPositionTest, BadScaleGivesAClearPosition) {
  EXPECT_EQ(CenteredX(0.0f, 1920), 0);
  EXPECT_EQ(CenteredX(-1.0f, 1920), 0);
  EXPECT_EQ(CenteredX(std::numeric_limits<float>::quiet_NaN(), 1920), 0);
  EXPECT_EQ(CenteredX(std::numeric_limits<float>::infinity(), 1920), 0);
  EXPECT_EQ(MainWindowY(std::numeric_limits<float>::quiet_NaN(), 1080), 0);
  EXPECT_EQ(CenteredX(1.0f, 0), -365);
}

TEST(WindowPositionTest, ScaleFromDpi) {
  struct Case {
    int32_t dpi;
    float scale;
  } cases[] = {{96, 1.0f}, {120, 1.25f}, {144, 1.5f}, {168, 1.75f}, {192, 2.0f}, {0, 1.0f}, {-96, 1.0f}};
  for (const Case& c : cases) EXPECT_EQ(ScaleFromDpi(c.dpi), c.scale) << c.dpi;
  EXPECT_EQ(ScaleFromDpi(100), 100.0f / 96.0f);
}

TEST(WindowPositionTest, LogicalToPixelsRoundsLikeMulDiv) {
  struct Case {
    int32_t value;
    int32_t dpi;
    int32_t pixels;
  } cases[] = {
      {730, 96, 730},    {730, 120, 913},   // 912.5 away from zero
      {676, 120, 845},   {676, 144, 1014},  {329, 120, 411},  // 411.25
      {3, 120, 4},       {1, 120, 1},       {-66, 120, -83},  // -82.5 away from zero
      {-34, 144, -51},   {-1, 120, -1},     {0, 144, 0},      {35, 168, 61},  // 61.25
      {INT32_MAX, 192, INT32_MAX},          {INT32_MIN, 192, INT32_MIN},
      {INT32_MAX, 96, INT32_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(LogicalToPixels(c.value, c.dpi), c.pixels) << c.value << " @ " << c.dpi;
}
