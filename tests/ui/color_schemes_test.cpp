#include "ui/color_schemes.h"

#include <gtest/gtest.h>

#include "ui/main_window_ids.h"

namespace {

class ColorSchemesTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildColorSchemeTable(); }
};

// Windows colour values written out by hand, red in the low byte.
struct Row {
  int row;
  ColorValue panelBack, windowBack, fieldBack, gridLine, fieldText;
};

}  // namespace

TEST_F(ColorSchemesTest, TableValues) {
  const Row rows[] = {
      {0, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000},
      {1, 0xC0C0C0, 0xA7A7A7, 0xE0E0E0, 0xA0A0A0, 0x000000},
      {2, 0x7F7F7F, 0x5F5F5F, 0x9F9F9F, 0xBFBFBF, 0x000000},
      {3, 0xFFB062, 0xDF9042, 0xFFD082, 0xEEA052, 0x000000},
      {4, 0xCA0000, 0xAA0000, 0xEF4806, 0x900000, 0xFFFFFF},
      {5, 0xAEFF5E, 0x8EDF3E, 0xCEFF7E, 0x00B000, 0x000000},
      {6, 0x60BF00, 0x409F00, 0x80DF20, 0xA0FF40, 0x000000},
      {7, 0x4A4AFF, 0x2A2ADF, 0x6A6AFF, 0x8A8AFF, 0xFFFFFF},
      {8, 0x0000A6, 0x000086, 0x4040E6, 0x6060FF, 0xFFFFFF},
      {9, 0x7B7B1E, 0x5B5B00, 0x9B9B3E, 0xBBBB5E, 0x000000},
      {10, 0x3C7BFF, 0x1C5BDF, 0x5C9BFF, 0x7CBBFF, 0x000000},
      {11, 0xB700B7, 0x970097, 0xF740F7, 0x970097, 0xFFFFFF},
      {12, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000},
  };
  for (const Row& r : rows) {
    const ColorScheme& s = ColorSchemeTable[r.row];
    EXPECT_EQ(s.PanelBack, r.panelBack) << r.row;
    EXPECT_EQ(s.WindowBack, r.windowBack) << r.row;
    EXPECT_EQ(s.FieldBack, r.fieldBack) << r.row;
    EXPECT_EQ(s.GridLine, r.gridLine) << r.row;
    EXPECT_EQ(s.FieldText, r.fieldText) << r.row;
  }
}

TEST_F(ColorSchemesTest, RowsOutsideTheTableBehaveLikeZero) {
  struct Case {
    int64_t menuColor;
    int64_t row;
    bool applied;
  } cases[] = {
      {0, 0, false},  {1, 1, true},   {4, 4, true},           {11, 11, true},
      {12, 12, true}, {13, 0, false}, {-1, 0, false},         {INT64_MAX, 0, false},
      {INT64_MIN, 0, false},          {4294967300, 0, false},  // would be 4 if cut to 32 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorSchemeRowNumber(c.menuColor), c.row) << c.menuColor;
    EXPECT_EQ(UsesColorScheme(c.menuColor), c.applied) << c.menuColor;
    EXPECT_EQ(&ColorSchemeRow(c.menuColor), &ColorSchemeTable[c.row]) << c.menuColor;
  }
}

TEST_F(ColorSchemesTest, ApplyOrder) {
  using S = ColorSource;
  const ColorStep expected[] = {
      {ColorTarget::Control, MainPanelId, S::None, S::None, S::PanelBack},
      {ColorTarget::Control, ShortcutListId, S::GridLine, S::FieldText, S::FieldBack},
      {ColorTarget::Control, 2, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 3, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 4, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 8, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 9, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 21, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 22, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 23, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 24, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, RunLabelId, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, RunFieldId, S::None, S::FieldText, S::FieldBack},
      {ColorTarget::Control, InfoLabelId, S::None, S::Blue, S::PanelBack},
      {ColorTarget::Control, 26, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 27, S::None, S::Black, S::PanelBack},
      {ColorTarget::Control, 28, S::None, S::Black, S::PanelBack},
      {ColorTarget::Window, MainWindowNumber, S::None, S::None, S::WindowBack},
  };
  ASSERT_EQ(std::size(expected), ApplyColorSchemeSteps.size());
  for (size_t i = 0; i < ApplyColorSchemeSteps.size(); ++i) {
    const ColorStep& step = ApplyColorSchemeSteps[i];
    EXPECT_EQ(step.target, expected[i].target) << i;
    EXPECT_EQ(step.control, expected[i].control) << i;
    EXPECT_EQ(step.gridLine, expected[i].gridLine) << i;
    EXPECT_EQ(step.text, expected[i].text) << i;
    EXPECT_EQ(step.background, expected[i].background) << i;
  }
}

TEST_F(ColorSchemesTest, DarkBlueStyleColoursAsDescribed) {
  // MenuColor 4: white text on #0648EF, #000090 lines, window #0000AA, links black on #0000CA.
  const ColorScheme& s = ColorSchemeRow(4);
  EXPECT_EQ(ColorOf(ColorSource::FieldText, s), RgbColor(255, 255, 255));
  EXPECT_EQ(ColorOf(ColorSource::FieldBack, s), RgbColor(0x06, 0x48, 0xEF));
  EXPECT_EQ(ColorOf(ColorSource::GridLine, s), RgbColor(0, 0, 0x90));
  EXPECT_EQ(ColorOf(ColorSource::WindowBack, s), RgbColor(0, 0, 0xAA));
  EXPECT_EQ(ColorOf(ColorSource::PanelBack, s), RgbColor(0, 0, 0xCA));
  EXPECT_EQ(ColorOf(ColorSource::Black, s), RgbColor(0, 0, 0));
  EXPECT_EQ(ColorOf(ColorSource::Blue, s), RgbColor(0, 0, 255));
  EXPECT_EQ(InfoLabelTextColor, RgbColor(0, 0, 255));
  EXPECT_EQ(DefaultGridLineColor, RgbColor(0xCC, 0xCC, 0xCC));
}
