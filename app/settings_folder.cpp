#include "app/settings_folder.h"

#include "app/app_state.h"

namespace {

// The name between the last two backslashes of a folder text ending in one.
Text LastFolderName(const Text& folder) {
    size_t end = folder.size() - 1;
    size_t start = folder.rfind(u'\\', end == 0 ? 0 : end - 1);
    return start == Text::npos ? folder.substr(0, end) : folder.substr(start + 1, end - start - 1);
}

}  // namespace

Text ResolveSettingsFolder(TextView baseView, const SettingsFolderFacts& facts) {
    Text base(baseView);
    if (!EndsWith(base, u"\\")) base += u'\\';
    // Without APPDATA the candidate would be a folder at the root of the
    // current drive; that is no usable settings folder.
    if (!facts.vistaOrLater || facts.appData.empty()) return kSettingsFolderError;
    Text candidate = facts.appData + u"\\" + LastFolderName(base) + u"\\";
    if (facts.folderExists(candidate)) return candidate;
    if (facts.createFolder(candidate)) return candidate;
    return kSettingsFolderError;
}
