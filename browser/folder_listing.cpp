#include "browser/folder_listing.h"

#include "app/environment_text.h"
#include "browser/run_field.h"
#include "platform/files.h"

#include <cstdint>

FolderListing CollectFolderItems(const std::vector<Text>& roots, const Text& folder, const ListingOptions& options,
                                 const ItemIconLookup& lookupIcon) {
    std::vector<RootEntries> listed;
    listed.reserve(roots.size());
    for (const Text& root : roots) {
        RootEntries entries{root, {}};
        std::vector<FolderEntry> found = EnumerateFolder(root + folder);
        entries.entries.reserve(found.size());
        for (FolderEntry& entry : found) entries.entries.push_back({std::move(entry.name), entry.isFolder});
        listed.push_back(std::move(entries));
    }
    IconLookup asNumber;
    if (lookupIcon) {
        asNumber = [&lookupIcon](const Text& path) {
            return int64_t(reinterpret_cast<intptr_t>(lookupIcon(path)));
        };
    }
    CollectedItems merged = MergeFolderItems(listed, folder, options, asNumber);
    FolderListing listing;
    listing.items = std::move(merged.items);
    listing.icons.reserve(merged.icons.size());
    for (int64_t icon : merged.icons) listing.icons.push_back(reinterpret_cast<HICON>(intptr_t(icon)));
    return listing;
}

Text SystemProgramsFolder() { return SearchFolder(ExpandEnvironmentText(u"%SystemRoot%")); }

std::vector<Text> MatchingPrograms(const Text& folder, TextView typed) {
    std::vector<Text> names;
    if (typed.empty()) return names;
    for (FolderEntry& entry : EnumerateFiles(folder, u"*.exe")) {
        if (!entry.isFolder && MatchesSearchPrefix(entry.name, typed)) names.push_back(std::move(entry.name));
    }
    return names;
}
