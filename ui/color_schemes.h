// The colour styles of the main window and the order in which one is applied.
#pragma once

#include <array>
#include <cstdint>

#include "ui/color_value.h"

struct ColorScheme {
  ColorValue PanelBack;
  ColorValue WindowBack;
  ColorValue FieldBack;
  ColorValue GridLine;
  ColorValue FieldText;
};

inline constexpr int ColorSchemeCount = 13;
extern std::array<ColorScheme, ColorSchemeCount> ColorSchemeTable;

void BuildColorSchemeTable();

// MenuColor values outside 0..12 behave like 0 (system colours).
int64_t ColorSchemeRowNumber(int64_t menuColor);
const ColorScheme& ColorSchemeRow(int64_t menuColor);
// Whether BuildMainWindow applies a scheme at all.
bool UsesColorScheme(int64_t menuColor);

// Where one colour of a step comes from.
enum class ColorSource : uint8_t { None, PanelBack, WindowBack, FieldBack, GridLine, FieldText, Black, Blue };

enum class ColorTarget : uint8_t { Control, Window };

// One step of ApplyColorScheme: set the grid line, then the text, then the
// background colour of one control (or of the main window), skipping None.
struct ColorStep {
  ColorTarget target;
  int control;
  ColorSource gridLine;
  ColorSource text;
  ColorSource background;
};

inline constexpr int ColorStepCount = 18;
extern const std::array<ColorStep, ColorStepCount> ApplyColorSchemeSteps;

// The colour a source stands for under a scheme; None gives 0.
ColorValue ColorOf(ColorSource source, const ColorScheme& scheme);

// Set in every case by BuildMainWindow, scheme or not.
inline constexpr ColorValue InfoLabelTextColor = ColorFromHex(0x0000FF);
inline constexpr ColorValue DefaultGridLineColor = ColorFromHex(0xCCCCCC);
