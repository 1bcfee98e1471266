#include "ui/main_window_layout.h"

namespace {

constexpr int LogoNominalHeight = 45;
constexpr int InfoLabelGap = 35;

constexpr LayoutControl Link(int id, const char16_t* name, int x, int y, int width, const char16_t* text) {
  return {id, name, ControlKind::Link, x, y, width, 25, text, -1, LayoutParent::Panel};
}

}  // namespace

const std::array<LayoutControl, MainControlCount> MainWindowControls = {{
    {SideBannerId, u"SideBanner", ControlKind::Picture, 0, 10, 30, 556, nullptr, -1, LayoutParent::Window},
    {MainPanelId, u"MainPanel", ControlKind::RaisedPanel, 41, 10, 680, 656, nullptr, -1, LayoutParent::Window},
    {ShortcutListId, u"ShortcutList", ControlKind::ReportList, 20, 13, 425, 593, nullptr, -1, LayoutParent::Panel},
    {LogoImageId, u"LogoImage", ControlKind::Picture, 537, 20, 128, 97, nullptr, LogoPicture, LayoutParent::Panel},
    {InfoLabelId, u"InfoLabel", ControlKind::CentredText, 465, LogoNominalHeight + InfoLabelGap, 185, 75, nullptr,
     -1, LayoutParent::Panel},
    Link(ThisPcLinkId, u"ThisPcLink", 511, 167, 100, u"Dieser PC"),
    Link(ControlPanelLinkId, u"ControlPanelLink", 477, 193, 170, u"Systemsteuerung"),
    Link(DocumentsLinkId, u"DocumentsLink", 486, 219, 157, u"Eigene Dateien"),
    Link(DeviceManagerLinkId, u"DeviceManagerLink", 481, 245, 163, u"Geräte Manager"),
    Link(DevicesPrintersLinkId, u"DevicesPrintersLink", 477, 271, 171, u"Geräte & Drucker"),
    Link(NetworkLinkId, u"NetworkLink", 507, 297, 113, u"Netzwerke"),
    Link(UninstallLinkId, u"UninstallLink", 474, 323, 178, u"App Deinstallieren"),
    Link(UpdateLinkId, u"UpdateLink", 480, 349, 166, u"Windows Update"),
    Link(DiskManagementLinkId, u"DiskManagementLink", 452, 375, 215, u"Datenträgerverwaltung"),
    Link(PcSettingsLinkId, u"PcSettingsLink", 478, 401, 170, u"PC-Einstellungen"),
    Link(SettingsLinkId, u"SettingsLink", 493, 427, 148, u"Einstellungen"),
    Link(SystemInfoLinkId, u"SystemInfoLink", 500, 453, 125, u"SystemInfos"),
    {CustomButtonId, u"CustomButton", ControlKind::PushButton, 460, 490, 200, 35, u"<Benutzerdefiniert>", -1,
     LayoutParent::Panel},
    {RunLabelId, u"RunLabel", ControlKind::StaticText, 18, 617, 85, 22, u"Ausführen", -1, LayoutParent::Panel},
    {RunFieldId, u"RunField", ControlKind::TextField, 105, 615, 465, 26, RunFieldPlaceholder, -1,
     LayoutParent::Panel},
    {RunButtonId, u"RunButton", ControlKind::PushButton, 571, 614, 33, 28, u">>", -1, LayoutParent::Panel},
}};

const LayoutControl* FindMainControl(int id) {
  for (const LayoutControl& control : MainWindowControls)
    if (control.id == id) return &control;
  return nullptr;
}

int InfoLabelY(int logoPictureHeight) { return logoPictureHeight + InfoLabelGap; }

ControlSpec ToControlSpec(const LayoutControl& control) {
  ControlSpec spec;
  spec.id = control.id;
  spec.kind = control.kind;
  spec.x = control.x;
  spec.y = control.y;
  spec.width = control.width;
  spec.height = control.height;
  if (control.text) spec.text = control.text;
  spec.picture = control.picture;
  return spec;
}

const std::array<FontSpec, MainFontCount> MainWindowFonts = {{
    {MainFont::LinkFont, u"Microsoft Sans Serif", 14, true, false},
    {MainFont::TextFont, u"Calibri", 14, false, false},
    {MainFont::BannerFont, u"Tahoma", 18, true, false},
    {MainFont::InfoFont, u"Tahoma", 18, true, true},
    {MainFont::ButtonFont, u"Calibri", 14, true, false},
}};

const std::array<FontAssignment, FontAssignmentCount> MainFontAssignments = {{
    {ShortcutListId, MainFont::TextFont},
    {ThisPcLinkId, MainFont::LinkFont},
    {ControlPanelLinkId, MainFont::LinkFont},
    {DocumentsLinkId, MainFont::LinkFont},
    {DeviceManagerLinkId, MainFont::LinkFont},
    {SettingsLinkId, MainFont::LinkFont},
    {DevicesPrintersLinkId, MainFont::LinkFont},
    {NetworkLinkId, MainFont::LinkFont},
    {UninstallLinkId, MainFont::LinkFont},
    {UpdateLinkId, MainFont::LinkFont},
    {RunLabelId, MainFont::TextFont},
    {RunFieldId, MainFont::TextFont},
    {RunButtonId, MainFont::TextFont},
    {InfoLabelId, MainFont::InfoFont},
    {SystemInfoLinkId, MainFont::LinkFont},
    {DiskManagementLinkId, MainFont::LinkFont},
    {PcSettingsLinkId, MainFont::LinkFont},
    {CustomButtonId, MainFont::ButtonFont},
}};

const std::array<HoverRow, HoverRowCount> HoverTable = {{
    {PcSettingsLinkId, 21, u"PC Settings"},
    {ControlPanelLinkId, 22, u"System Steuerung"},
    {SystemInfoLinkId, 23, u"SystemInfos"},
    {DocumentsLinkId, 24, u"Eigene Dateien"},
    {UpdateLinkId, 25, u"Windows Update"},
    {ThisPcLinkId, 26, u"Dieser PC"},
    {DiskManagementLinkId, 27, u"Partition Manager"},
    {NetworkLinkId, 28, u"Netzwerke"},
    {DevicesPrintersLinkId, 29, u"Geräte und Drucker"},
    {SettingsLinkId, 30, u"Einstellungen"},
    {DeviceManagerLinkId, 31, u"Geräte Manager"},
    {UninstallLinkId, 32, u"App Deinstallieren"},
}};

const std::array<MenuItemSpec, 2> ListContextMenuItems = {{
    {OpenTargetFolderItemId, u"Zielpfad zur Datei öffnen", OpenTargetFolderPicture},
    {PropertiesItemId, u"Eigenschaften", PropertiesPicture},
}};
