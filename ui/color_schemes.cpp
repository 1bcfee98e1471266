#include "ui/color_schemes.h"

#include <cstddef>

#include "ui/main_window_ids.h"

std::array<ColorScheme, ColorSchemeCount> ColorSchemeTable{};

namespace {

// #RRGGBB in field order PanelBack, WindowBack, FieldBack, GridLine, FieldText.
constexpr uint32_t SchemeColors[ColorSchemeCount][5] = {
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000},
    {0xC0C0C0, 0xA7A7A7, 0xE0E0E0, 0xA0A0A0, 0x000000},
    {0x7F7F7F, 0x5F5F5F, 0x9F9F9F, 0xBFBFBF, 0x000000},
    {0x62B0FF, 0x4290DF, 0x82D0FF, 0x52A0EE, 0x000000},
    {0x0000CA, 0x0000AA, 0x0648EF, 0x000090, 0xFFFFFF},
    {0x5EFFAE, 0x3EDF8E, 0x7EFFCE, 0x00B000, 0x000000},
    {0x00BF60, 0x009F40, 0x20DF80, 0x40FFA0, 0x000000},
    {0xFF4A4A, 0xDF2A2A, 0xFF6A6A, 0xFF8A8A, 0xFFFFFF},
    {0xA60000, 0x860000, 0xE64040, 0xFF6060, 0xFFFFFF},
    {0x1E7B7B, 0x005B5B, 0x3E9B9B, 0x5EBBBB, 0x000000},
    {0xFF7B3C, 0xDF5B1C, 0xFF9B5C, 0xFFBB7C, 0x000000},
    {0xB700B7, 0x970097, 0xF740F7, 0x970097, 0xFFFFFF},
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000},
};

constexpr ColorStep LinkStep(int control) {
  return {ColorTarget::Control, control, ColorSource::None, ColorSource::Black, ColorSource::PanelBack};
}

}  // namespace

const std::array<ColorStep, ColorStepCount> ApplyColorSchemeSteps = {{
    {ColorTarget::Control, MainPanelId, ColorSource::None, ColorSource::None, ColorSource::PanelBack},
    {ColorTarget::Control, ShortcutListId, ColorSource::GridLine, ColorSource::FieldText, ColorSource::FieldBack},
    LinkStep(ThisPcLinkId),
    LinkStep(ControlPanelLinkId),
    LinkStep(DocumentsLinkId),
    LinkStep(DeviceManagerLinkId),
    LinkStep(SettingsLinkId),
    LinkStep(DevicesPrintersLinkId),
    LinkStep(NetworkLinkId),
    LinkStep(UninstallLinkId),
    LinkStep(UpdateLinkId),
    {ColorTarget::Control, RunLabelId, ColorSource::None, ColorSource::Black, ColorSource::PanelBack},
    {ColorTarget::Control, RunFieldId, ColorSource::None, ColorSource::FieldText, ColorSource::FieldBack},
    {ColorTarget::Control, InfoLabelId, ColorSource::None, ColorSource::Blue, ColorSource::PanelBack},
    LinkStep(SystemInfoLinkId),
    LinkStep(DiskManagementLinkId),
    LinkStep(PcSettingsLinkId),
    {ColorTarget::Window, MainWindowNumber, ColorSource::None, ColorSource::None, ColorSource::WindowBack},
}};

void BuildColorSchemeTable() {
  for (int row = 0; row < ColorSchemeCount; ++row) {
    const uint32_t* c = SchemeColors[row];
    ColorSchemeTable[row] = {ColorFromHex(c[0]), ColorFromHex(c[1]), ColorFromHex(c[2]), ColorFromHex(c[3]),
                             ColorFromHex(c[4])};
  }
}

int64_t ColorSchemeRowNumber(int64_t menuColor) {
  return menuColor < 0 || menuColor >= ColorSchemeCount ? 0 : menuColor;
}

const ColorScheme& ColorSchemeRow(int64_t menuColor) {
  return ColorSchemeTable[static_cast<size_t>(ColorSchemeRowNumber(menuColor))];
}

bool UsesColorScheme(int64_t menuColor) { return ColorSchemeRowNumber(menuColor) > 0; }

ColorValue ColorOf(ColorSource source, const ColorScheme& scheme) {
  switch (source) {
    case ColorSource::PanelBack: return scheme.PanelBack;
    case ColorSource::WindowBack: return scheme.WindowBack;
    case ColorSource::FieldBack: return scheme.FieldBack;
    case ColorSource::GridLine: return scheme.GridLine;
    case ColorSource::FieldText: return scheme.FieldText;
    case ColorSource::Black: return ColorFromHex(0x000000);
    case ColorSource::Blue: return InfoLabelTextColor;
    case ColorSource::None: break;
  }
  return 0;
}
