// The program-wide records and lists that live from start-up to exit.
#pragma once

#include "app/text.h"

#include <vector>

struct AppPaths {
    Text SettingsFolder;  // with trailing backslash, or "<ERROR>"
    Text CurrentFolder;   // relative to every Start Menu root; "" or "Name\..."
};

struct LoopState {
    bool CloseOnFocusLoss = true;
    int ShownLogoImage = 0;
    bool SessionTimerArmed = false;
};

extern AppPaths gAppPaths;
extern LoopState gLoop;

// Icon handles are HICONs held as plain pointers so that this header stays
// free of Windows headers.
extern std::vector<Text> gCustomEntries;
extern std::vector<void*> gCustomEntryIcons;
extern std::vector<Text> gListedItems;
extern std::vector<void*> gListedIcons;

constexpr int SessionFlagTable[4] = {0, 2, 1, 8};

constexpr int kMainWindow = 0;
inline const Text kSettingsFolderError = u"<ERROR>";
