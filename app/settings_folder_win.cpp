#include "app/os_version.h"
#include "app/settings_folder.h"
#include "platform/files.h"

Text ResolveSettingsFolder(TextView base) {
    SettingsFolderFacts facts;
    facts.vistaOrLater = RunningOsVersionCode() >= 70;
    facts.appData = ReadEnvironmentVariable(u"APPDATA");
    facts.folderExists = [](const Text& path) { return FolderExists(path); };
    facts.createFolder = [](const Text& path) { return CreateFolder(path); };
    return ResolveSettingsFolder(base, facts);
}
