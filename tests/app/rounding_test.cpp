#include "app/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double value;
    int64_t expected;
  } cases[] = {
      {0.5, 0},      {1.5, 2},      {2.5, 2},       {112.5, 112}, {325.5, 326},  {-0.5, 0},
      {-1.5, -2},    {-34.5, -34},  {-35.5, -36},   {0.49999999999999994, 0},    {1.25, 1},
      {1.75, 2},     {-1.25, -1},   {-1.75, -2},    {488.333, 488}, {0.0, 0},    {-0.0, 0},
      {4503599627370497.0, 4503599627370497}, {9007199254740993.0, 9007199254740992},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

TEST(RoundingTest, FloatOverloadRoundsTheFloatItself) {
  // The float just above a half is not a half.
  EXPECT_EQ(RoundHalfEven(std::nextafter(0.5f, 1.0f)), 1);
  EXPECT_EQ(RoundHalfEven(std::nextafter(2.5f, 0.0f)), 2);
  EXPECT_EQ(RoundHalfEven(std::nextafter(2.5f, 3.0f)), 3);
  EXPECT_EQ(RoundHalfEven(2.5f), 2);
  EXPECT_EQ(RoundHalfEven(3.5f), 4);
  EXPECT_EQ(RoundHalfEven(-66.25f), -66);
}

TEST(RoundingTest, OutOfRangeInputHasAClearResult) {
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()), INT64_MAX);
  EXPECT_EQ(RoundHalfEven(-std::numeric_limits<double>::infinity()), INT64_MIN);
  EXPECT_EQ(RoundHalfEven(1e300), INT64_MAX);
  EXPECT_EQ(RoundHalfEven(-1e300), INT64_MIN);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<float>::infinity()), INT64_MAX);
}
