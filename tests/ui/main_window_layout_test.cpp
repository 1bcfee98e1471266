#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

#include <set>

TEST(MainWindowLayoutTest, ControlTableInCreationOrder) {
  struct Case {
    int id;
    const char16_t* name;
    ControlKind kind;
    int x, y, w, h;
    const char16_t* text;
    LayoutParent parent;
  } cases[] = {
      {14, u"SideBanner", ControlKind::Picture, 0, 10, 30, 556, nullptr, LayoutParent::Window},
      {0, u"MainPanel", ControlKind::RaisedPanel, 41, 10, 680, 656, nullptr, LayoutParent::Window},
      {1, u"ShortcutList", ControlKind::ReportList, 20, 13, 425, 593, nullptr, LayoutParent::Panel},
      {7, u"LogoImage", ControlKind::Picture, 537, 20, 128, 97, nullptr, LayoutParent::Panel},
      {25, u"InfoLabel", ControlKind::CentredText, 465, 80, 185, 75, nullptr, LayoutParent::Panel},
      {2, u"ThisPcLink", ControlKind::Link, 511, 167, 100, 25, u"Dieser PC", LayoutParent::Panel},
      {3, u"ControlPanelLink", ControlKind::Link, 477, 193, 170, 25, u"Systemsteuerung", LayoutParent::Panel},
      {4, u"DocumentsLink", ControlKind::Link, 486, 219, 157, 25, u"Eigene Dateien", LayoutParent::Panel},
      {8, u"DeviceManagerLink", ControlKind::Link, 481, 245, 163, 25, u"Geräte Manager", LayoutParent::Panel},
      {21, u"DevicesPrintersLink", ControlKind::Link, 477, 271, 171, 25, u"Geräte & Drucker", LayoutParent::Panel},
      {22, u"NetworkLink", ControlKind::Link, 507, 297, 113, 25, u"Netzwerke", LayoutParent::Panel},
      {23, u"UninstallLink", ControlKind::Link, 474, 323, 178, 25, u"App Deinstallieren", LayoutParent::Panel},
      {24, u"UpdateLink", ControlKind::Link, 480, 349, 166, 25, u"Windows Update", LayoutParent::Panel},
      {27, u"DiskManagementLink", ControlKind::Link, 452, 375, 215, 25, u"Datenträgerverwaltung",
       LayoutParent::Panel},
      {28, u"PcSettingsLink", ControlKind::Link, 478, 401, 170, 25, u"PC-Einstellungen", LayoutParent::Panel},
      {9, u"SettingsLink", ControlKind::Link, 493, 427, 148, 25, u"Einstellungen", LayoutParent::Panel},
      {26, u"SystemInfoLink", ControlKind::Link, 500, 453, 125, 25, u"SystemInfos", LayoutParent::Panel},
      {29, u"CustomButton", ControlKind::PushButton, 460, 490, 200, 35, u"<Benutzerdefiniert>", LayoutParent::Panel},
      {10, u"RunLabel", ControlKind::StaticText, 18, 617, 85, 22, u"Ausführen", LayoutParent::Panel},
      {11, u"RunField", ControlKind::TextField, 105, 615, 465, 26, u"<Bitte Dateinamen eingeben!>",
       LayoutParent::Panel},
      {12, u"RunButton", ControlKind::PushButton, 571, 614, 33, 28, u">>", LayoutParent::Panel},
  };
  ASSERT_EQ(std::size(cases), MainWindowControls.size());
  for (size_t i = 0; i < MainWindowControls.size(); ++i) {
    const LayoutControl& c = MainWindowControls[i];
    const Case& e = cases[i];
    EXPECT_EQ(c.id, e.id) << i;
    EXPECT_EQ(Text(c.name), Text(e.name)) << i;
    EXPECT_EQ(c.kind, e.kind) << i;
    EXPECT_EQ(c.x, e.x) << i;
    EXPECT_EQ(c.y, e.y) << i;
    EXPECT_EQ(c.width, e.w) << i;
    EXPECT_EQ(c.height, e.h) << i;
    EXPECT_EQ(c.text == nullptr, e.text == nullptr) << i;
    if (c.text && e.text) {
      EXPECT_EQ(Text(c.text), Text(e.text)) << i;
    }
    EXPECT_EQ(c.parent, e.parent) << i;
  }
  EXPECT_EQ(FindMainControl(LogoImageId)->picture, 9);
  EXPECT_EQ(FindMainControl(SideBannerId)->picture, -1);
}

TEST(MainWindowLayoutTest, LookupAndSpecs) {
  std::set<int> ids;
  for (const LayoutControl& c : MainWindowControls) EXPECT_TRUE(ids.insert(c.id).second) << c.id;
  EXPECT_EQ(FindMainControl(6), nullptr);  // session controls are laid out elsewhere
  EXPECT_EQ(FindMainControl(-1), nullptr);
  ControlSpec spec = ToControlSpec(*FindMainControl(RunFieldId));
  EXPECT_EQ(spec.id, 11);
  EXPECT_EQ(spec.kind, ControlKind::TextField);
  EXPECT_EQ(spec.text, u"<Bitte Dateinamen eingeben!>");
  EXPECT_EQ(spec.x, 105);
  EXPECT_EQ(spec.height, 26);
  EXPECT_TRUE(ToControlSpec(*FindMainControl(InfoLabelId)).text.empty());
  EXPECT_EQ(InfoLabelY(45), 80);
  EXPECT_EQ(InfoLabelY(60), 95);
}

TEST(MainWindowLayoutTest, Fonts) {
  struct Case {
    MainFont font;
    const char16_t* face;
    int points;
    bool bold, italic;
  } cases[] = {
      {MainFont::LinkFont, u"Microsoft Sans Serif", 14, true, false},
      {MainFont::TextFont, u"Calibri", 14, false, false},
      {MainFont::BannerFont, u"Tahoma", 18, true, false},
      {MainFont::InfoFont, u"Tahoma", 18, true, true},
      {MainFont::ButtonFont, u"Calibri", 14, true, false},
  };
  ASSERT_EQ(std::size(cases), MainWindowFonts.size());
  for (size_t i = 0; i < MainWindowFonts.size(); ++i) {
    EXPECT_EQ(MainWindowFonts[i].font, cases[i].font) << i;
    EXPECT_EQ(Text(MainWindowFonts[i].face), Text(cases[i].face)) << i;
    EXPECT_EQ(MainWindowFonts[i].points, cases[i].points) << i;
    EXPECT_EQ(MainWindowFonts[i].bold, cases[i].bold) << i;
    EXPECT_EQ(MainWindowFonts[i].italic, cases[i].italic) << i;
  }
  using F = MainFont;
  const FontAssignment order[] = {
      {1, F::TextFont},   {2, F::LinkFont},  {3, F::LinkFont},  {4, F::LinkFont},   {8, F::LinkFont},
      {9, F::LinkFont},   {21, F::LinkFont}, {22, F::LinkFont}, {23, F::LinkFont},  {24, F::LinkFont},
      {10, F::TextFont},  {11, F::TextFont}, {12, F::TextFont}, {25, F::InfoFont},  {26, F::LinkFont},
      {27, F::LinkFont},  {28, F::LinkFont}, {29, F::ButtonFont},
  };
  ASSERT_EQ(std::size(order), MainFontAssignments.size());
  for (size_t i = 0; i < MainFontAssignments.size(); ++i) {
    EXPECT_EQ(MainFontAssignments[i].control, order[i].control) << i;
    EXPECT_EQ(MainFontAssignments[i].font, order[i].font) << i;
  }
}

TEST(MainWindowLayoutTest, HoverChoiceTakesTheFirstRowInTableOrder) {
  struct Case {
    std::set<int> over;
    int picture;
    const char16_t* text;
  } cases[] = {
      {{}, 9, u"Windows 10 Pro"},
      {{28}, 21, u"PC Settings"},
      {{3}, 22, u"System Steuerung"},
      {{26}, 23, u"SystemInfos"},
      {{4}, 24, u"Eigene Dateien"},
      {{24}, 25, u"Windows Update"},
      {{2}, 26, u"Dieser PC"},
      {{27}, 27, u"Partition Manager"},
      {{22}, 28, u"Netzwerke"},
      {{21}, 29, u"Geräte und Drucker"},
      {{9}, 30, u"Einstellungen"},
      {{8}, 31, u"Geräte Manager"},
      {{23}, 32, u"App Deinstallieren"},
      {{23, 28}, 21, u"PC Settings"},  // 28 comes first in the table
      {{8, 3}, 22, u"System Steuerung"},
      {{1, 11, 29}, 9, u"Windows 10 Pro"},  // other controls give no hover picture
  };
  for (const Case& c : cases) {
    HoverResult r = HoverChoice([&](int id) { return c.over.count(id) > 0; }, u"Windows 10 Pro");
    EXPECT_EQ(r.picture, c.picture) << c.picture;
    EXPECT_EQ(Text(r.infoText), Text(c.text)) << c.picture;
  }
}

TEST(MainWindowLayoutTest, ListContextMenu) {
  ASSERT_EQ(ListContextMenuItems.size(), 2u);
  EXPECT_EQ(ListContextMenuItems[0].itemId, 1);
  EXPECT_EQ(Text(ListContextMenuItems[0].text), u"Zielpfad zur Datei öffnen");
  EXPECT_EQ(ListContextMenuItems[0].picture, 18);
  EXPECT_EQ(ListContextMenuItems[1].itemId, 2);
  EXPECT_EQ(Text(ListContextMenuItems[1].text), u"Eigenschaften");
  EXPECT_EQ(ListContextMenuItems[1].picture, 17);
  EXPECT_EQ(Text(MainWindowTitle), u"Start");
  EXPECT_EQ(MainClientHeight, 676);
  EXPECT_EQ(Text(ShortcutColumnTitle), u"Verknüpfungen");
  EXPECT_EQ(ShortcutColumnWidth, 402);
}
