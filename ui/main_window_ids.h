// Numbers of the main window, its controls, popup menus and menu items.
#pragma once

inline constexpr int MainWindowNumber = 0;

inline constexpr int MainPanelId = 0;
inline constexpr int ShortcutListId = 1;
inline constexpr int ThisPcLinkId = 2;
inline constexpr int ControlPanelLinkId = 3;
inline constexpr int DocumentsLinkId = 4;
inline constexpr int SessionControlId = 6;
inline constexpr int LogoImageId = 7;
inline constexpr int DeviceManagerLinkId = 8;
inline constexpr int SettingsLinkId = 9;
inline constexpr int RunLabelId = 10;
inline constexpr int RunFieldId = 11;
inline constexpr int RunButtonId = 12;
inline constexpr int SwitchUserButtonId = 13;
inline constexpr int SideBannerId = 14;
inline constexpr int ShutdownButtonId = 15;
inline constexpr int SessionArrowButtonId = 16;
inline constexpr int DevicesPrintersLinkId = 21;
inline constexpr int NetworkLinkId = 22;
inline constexpr int UninstallLinkId = 23;
inline constexpr int UpdateLinkId = 24;
inline constexpr int InfoLabelId = 25;
inline constexpr int SystemInfoLinkId = 26;
inline constexpr int DiskManagementLinkId = 27;
inline constexpr int PcSettingsLinkId = 28;
inline constexpr int CustomButtonId = 29;

inline constexpr int ListContextMenuNumber = 0;
inline constexpr int SessionMenuNumber = 1;
inline constexpr int CustomMenuNumber = 2;

inline constexpr int OpenTargetFolderItemId = 1;
inline constexpr int PropertiesItemId = 2;
inline constexpr int EnterKeyItemId = 111;
inline constexpr int SessionMenuTimerId = 2703;

// Pictures of the image set named by the layout and the hover table.
inline constexpr int LogoPicture = 9;
inline constexpr int PropertiesPicture = 17;
inline constexpr int OpenTargetFolderPicture = 18;
