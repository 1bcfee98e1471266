#include "settings/settings_store.h"

#include "platform/files.h"
#include "settings/preference_file.h"

#include <algorithm>
#include <limits>

namespace {

const Text kSettingsGroup = u"MenuSettings";

// Fields hold 64 bits, the file 32; values out of range are stored at the nearest end.
int32_t FileInteger(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void LoadSettings(const Text& path) { LoadSettingsOnDay(path, ReadLocalDayOfMonth()); }

void LoadSettingsOnDay(const Text& path, int64_t day) {
    if (!PreferenceFile::Open(path)) return;
    if (!PreferenceFile::SelectGroup(kSettingsGroup)) {
        PreferenceFile::Close();
        return;
    }
    for (const SettingsKey& entry : kSettingsKeys)
        gSettings.*entry.field = PreferenceFile::ReadInteger(entry.key, entry.whenMissing);
    ResolveShutdownSkin(gSettings, gSettings.ShutdownSkin, day);
    gSettings.StartMenuFolders.clear();
    for (size_t n = 0;; ++n) {
        Text folder = PreferenceFile::ReadString(StartMenuFolderKey(n), Text());
        if (folder.empty()) break;
        gSettings.StartMenuFolders.push_back(std::move(folder));
    }
    PreferenceFile::Close();
}

void SaveSettings(const Text& path) {
    if (!PreferenceFile::Create(path)) return;
    PreferenceFile::AddComment(u"Orvanto ConfigurationsFile");
    PreferenceFile::AddComment(Text());
    PreferenceFile::SelectGroup(kSettingsGroup);
    PreferenceFile::AddComment(Text());
    for (const SettingsKey& entry : kSettingsKeys)
        PreferenceFile::WriteInteger(entry.key, FileInteger(gSettings.*entry.field));
    PreferenceFile::AddComment(Text());
    for (size_t n = 0; n < gSettings.StartMenuFolders.size(); ++n)
        PreferenceFile::WriteString(StartMenuFolderKey(n), gSettings.StartMenuFolders[n]);
    PreferenceFile::Close();
}
