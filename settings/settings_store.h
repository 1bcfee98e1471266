// The user's choices, read by the whole program. InitSettings and the helpers
// are pure (settings_values.cpp); loading and saving go through PreferenceFile.
#pragma once

#include "app/text.h"

#include <cstdint>
#include <vector>

struct Settings {
    int64_t StartMode = 1;
    int64_t MenuMode = 0;
    int64_t SortMode = 1;
    int64_t RenameFolders = 1;
    int64_t MenuColor = 0;
    int64_t ShutdownSkin = 0;
    int64_t ConfiguredShutdownSkin = 0;
    int64_t PlayMenuPopupSound = 1;
    int64_t LogoffDefault = 2;
    int64_t UseOriginalIcon = 0;
    std::vector<Text> StartMenuFolders;
};

extern Settings gSettings;

// One integer key of Settings.ini, in the order the file is read and written.
struct SettingsKey {
    const char16_t* key;
    int64_t Settings::*field;
    int64_t initial;
    int64_t whenMissing;
};
extern const SettingsKey kSettingsKeys[9];

const int64_t kDailyShutdownSkin = 5;

// profileFolder ends with a backslash.
Text UserStartMenuFolder(TextView profileFolder);
Text CommonStartMenuFolder(TextView profileFolder);

// Initial values, the folder list holding the user and the common Start Menu folder.
void InitSettings(TextView profileFolder);
// (day - 1) mod 5, day of the month 1 to 31.
int64_t ShutdownSkinOfTheDay(int64_t day);
// After reading the file: keeps the stored value and resolves the daily style.
void ResolveShutdownSkin(Settings& settings, int64_t storedValue, int64_t day);
Text StartMenuFolderKey(size_t n);

// Failures leave gSettings as it was / write nothing, silently.
void LoadSettings(const Text& path);
void LoadSettingsOnDay(const Text& path, int64_t day);
void SaveSettings(const Text& path);
