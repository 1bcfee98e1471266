#include "settings/settings_store.h"


Settings gSettings;

const SettingsKey kSettingsKeys[9] = {
    {u"StartMode", &Settings::StartMode, 1, 0},
    {u"MenuMode", &Settings::MenuMode, 0, 0},
    {u"SortMode", &Settings::SortMode, 1, 0},
    {u"RenameFolders", &Settings::RenameFolders, 1, 0},
    {u"MenuColor", &Settings::MenuColor, 0, 0},
    {u"ShutdownSkin", &Settings::ShutdownSkin, 0, 0},
    {u"PlayMenuPopupSound", &Settings::PlayMenuPopupSound, 1, 1},
    {u"LogoffDefault", &Settings::LogoffDefault, 2, 1},
    {u"UseOriginalIcon", &Settings::UseOriginalIcon, 0, 0},
};

Text UserStartMenuFolder(TextView profileFolder) {
    return Text(profileFolder) + u"AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\";
}

Text CommonStartMenuFolder(TextView profileFolder) {
    return Text(profileFolder.substr(0, 3)) + u"ProgramData\\Microsoft\\Windows\\Start Menu\\";
}

void InitSettings(TextView profileFolder) {
    for (const SettingsKey& entry : kSettingsKeys) gSettings.*entry.field = entry.initial;
    gSettings.ConfiguredShutdownSkin = 0;
    gSettings.StartMenuFolders = {UserStartMenuFolder(profileFolder), CommonStartMenuFolder(profileFolder)};
}

int64_t ShutdownSkinOfTheDay(int64_t day) {
    // Kept in 0..4 even for a day outside 1..31.
    int64_t style = (day - 1) % 5;
    return style < 0 ? style + 5 : style;
}

void ResolveShutdownSkin(Settings& settings, int64_t storedValue, int64_t day) {
    settings.ConfiguredShutdownSkin = storedValue;
    settings.ShutdownSkin = storedValue == kDailyShutdownSkin ? ShutdownSkinOfTheDay(day) : storedValue;
}

Text StartMenuFolderKey(size_t n) { return u"StartMenuFolder" + DecimalText(int64_t(n)); }
