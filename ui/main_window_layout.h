// The main window as data: its controls, fonts, hover pictures and context menu.
#pragma once

#include <array>
#include <cstdint>

#include "app/text.h"
#include "platform/controls.h"
#include "ui/main_window_ids.h"

inline constexpr const char16_t* MainWindowTitle = u"Start";
inline constexpr int MainClientHeight = 676;  // width: MainClientWidth (window_position.h)
inline constexpr const char16_t* ShortcutColumnTitle = u"Verknüpfungen";
inline constexpr int ShortcutColumnWidth = 402;
inline constexpr const char16_t* RunFieldPlaceholder = u"<Bitte Dateinamen eingeben!>";

enum class LayoutParent : uint8_t { Window, Panel };

struct LayoutControl {
  int id;
  const char16_t* name;
  ControlKind kind;
  int x, y, width, height;  // logical; pictures take the size of what they show
  const char16_t* text;     // nullptr: set at run time (InfoLabel: OsProductName)
  int picture;              // image set number, -1 none (SideBanner shows the drawn banner)
  LayoutParent parent;
};

// In creation order: SideBanner, MainPanel, then the panel's controls up to RunButton.
// The session controls (6, 13, 15, 16) are laid out by the session part.
inline constexpr int MainControlCount = 21;
extern const std::array<LayoutControl, MainControlCount> MainWindowControls;

const LayoutControl* FindMainControl(int id);  // nullptr when not in the table

// The InfoLabel sits 35 below the bottom of the logo picture; the table holds the
// y for the logo's nominal height of 45.
int InfoLabelY(int logoPictureHeight);

// What CreateControl takes for a row; text is empty where the row has none.
ControlSpec ToControlSpec(const LayoutControl& control);

enum class MainFont : uint8_t { LinkFont, TextFont, BannerFont, InfoFont, ButtonFont };

struct FontSpec {
  MainFont font;
  const char16_t* face;
  int points;
  bool bold;
  bool italic;
};

inline constexpr int MainFontCount = 5;
extern const std::array<FontSpec, MainFontCount> MainWindowFonts;  // in MainFont order

struct FontAssignment {
  int control;
  MainFont font;
};

// In the order BuildMainWindow assigns them; the session controls set TextFont themselves.
inline constexpr int FontAssignmentCount = 18;
extern const std::array<FontAssignment, FontAssignmentCount> MainFontAssignments;

struct HoverRow {
  int control;
  int picture;
  const char16_t* infoText;
};

// Tested in this order; the first control under the mouse wins.
inline constexpr int HoverRowCount = 12;
extern const std::array<HoverRow, HoverRowCount> HoverTable;

// infoText views the table or the osProductName given to HoverChoice.
struct HoverResult {
  int picture;
  TextView infoText;
};

// isOver(controlId) -> bool; with none under the mouse the logo and the product name.
template <typename IsOver>
HoverResult HoverChoice(IsOver&& isOver, TextView osProductName) {
  for (const HoverRow& row : HoverTable)
    if (isOver(row.control)) return {row.picture, row.infoText};
  return {LogoPicture, osProductName};
}

struct MenuItemSpec {
  int itemId;
  const char16_t* text;
  int picture;
};

extern const std::array<MenuItemSpec, 2> ListContextMenuItems;
