// The folder that holds Settings.ini and CustomList.lst.
#pragma once

#include "app/text.h"

#include <functional>

struct SettingsFolderFacts {
    bool vistaOrLater = false;
    Text appData;  // value of APPDATA, empty when unset
    std::function<bool(const Text&)> folderExists;
    std::function<bool(const Text&)> createFolder;  // a single level
};

// base: the program's folder + "Orvanto\". Returns the folder with a trailing
// backslash, or "<ERROR>".
Text ResolveSettingsFolder(TextView base, const SettingsFolderFacts& facts);
Text ResolveSettingsFolder(TextView base);  // with the running system's facts
