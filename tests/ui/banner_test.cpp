#include "ui/banner.h"

#include <gtest/gtest.h>

TEST(BannerTest, SizeFollowsTheScale) {
  struct Case {
    float scale;
    int64_t width;
    int64_t height;
  } cases[] = {{1.0f, 32, 656}, {1.25f, 40, 820}, {1.5f, 48, 984}, {1.75f, 56, 1148}, {2.0f, 64, 1312}};
  for (const Case& c : cases) {
    PictureSize size = BannerSize(c.scale, c.scale);
    EXPECT_EQ(size.width, c.width) << c.scale;
    EXPECT_EQ(size.height, c.height) << c.scale;
  }
  PictureSize mixed = BannerSize(1.25f, 1.0f);
  EXPECT_EQ(mixed.width, 40);
  EXPECT_EQ(mixed.height, 656);
}

TEST(BannerTest, GradientAt96Dpi) {
  std::vector<ColorValue> rows = GradientRowColors(656, BannerTopColor, BannerBottomColor);
  ASSERT_EQ(rows.size(), 656u);
  EXPECT_EQ(rows[0], ColorFromHex(0x00E600));
  EXPECT_EQ(rows[327], RgbColor(0, 115, 127));
  EXPECT_EQ(rows[655], ColorFromHex(0x0000FF));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(RedOf(rows[i]), 0) << i;
    if (i > 0) {
      EXPECT_LE(GreenOf(rows[i]), GreenOf(rows[i - 1])) << i;
      EXPECT_GE(BlueOf(rows[i]), BlueOf(rows[i - 1])) << i;
    }
  }
}

TEST(BannerTest, GradientAt120DpiHasTheSameEnds) {
  PictureSize size = BannerSize(1.25f, 1.25f);
  std::vector<ColorValue> rows = GradientRowColors(size.height, BannerTopColor, BannerBottomColor);
  ASSERT_EQ(rows.size(), 820u);
  EXPECT_EQ(rows.front(), ColorFromHex(0x00E600));
  EXPECT_EQ(rows.back(), ColorFromHex(0x0000FF));
}

TEST(BannerTest, LastRowStopsOneStepShortBeforeRounding) {
  // Two rows from 0 to 255: the step is 127.5, so the last row is 127.5, rounded to 128.
  std::vector<ColorValue> rows = GradientRowColors(2, RgbColor(0, 255, 10), RgbColor(255, 0, 10));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], RgbColor(0, 255, 10));
  EXPECT_EQ(rows[1], RgbColor(128, 128, 10));  // 127.5 to even; 255 - 127.5 = 127.5 to even
  // One row is exactly the top colour.
  EXPECT_EQ(GradientRowColors(1, RgbColor(1, 2, 3), RgbColor(200, 100, 50)),
            std::vector<ColorValue>{RgbColor(1, 2, 3)});
}

TEST(BannerTest, NoRowsForAnImpossibleHeight) {
  EXPECT_TRUE(GradientRowColors(0, BannerTopColor, BannerBottomColor).empty());
  EXPECT_TRUE(GradientRowColors(-5, BannerTopColor, BannerBottomColor).empty());
  EXPECT_TRUE(GradientRowColors(int64_t{1} << 40, BannerTopColor, BannerBottomColor).empty());
}

TEST(BannerTest, TextAndItsPositions) {
  EXPECT_EQ(BannerText(u"Windows 11 Pro"), u"Microsoft Windows 11 Pro");
  EXPECT_EQ(BannerText(u"Windows"), u"Microsoft Windows");
  struct Case {
    float scale;
    int64_t shadowY;
    int64_t textY;
  } cases[] = {{1.0f, 520, 523}, {1.25f, 650, 654}, {1.5f, 780, 784}, {1.75f, 910, 915}};
  // 1.25 * 523 = 653.75; 1.5 * 523 = 784.5 to even; 1.75 * 523 = 915.25.
  for (const Case& c : cases) {
    EXPECT_EQ(BannerShadowY(c.scale), c.shadowY) << c.scale;
    EXPECT_EQ(BannerTextY(c.scale), c.textY) << c.scale;
  }
}
