// The rows of the Start Menu list: one text per entry, kind marker + stored
// name + '"' + icon number, and the merge of a relative folder over all roots.
#pragma once

#include "app/text.h"

#include <cstdint>
#include <functional>
#include <vector>

enum class ItemKind { Unknown, Folder, Shortcut };

struct ListedItemParts {
    ItemKind kind = ItemKind::Unknown;
    Text storedName;
    int64_t icon = 0;
};

Text FolderMarker(int64_t sortMode);    // decimal SortMode
Text ShortcutMarker(int64_t sortMode);  // decimal SortMode with its lowest bit inverted

Text BuildListedItem(ItemKind kind, TextView storedName, int64_t icon, int64_t sortMode);
// The kind is read from the marker. For SortMode 0..9 a marker is one
// character; for other values the whole marker is compared, so that e.g.
// "10" and "11" still tell folders from shortcuts.
ListedItemParts ParseListedItem(TextView item, int64_t sortMode);
// Stored name without its last extension: "Tools 1.5" is shown as "Tools 1".
Text DisplayText(TextView storedName);

// Whole texts, code unit by code unit after mapping A-Z to a-z.
bool ListedItemLess(TextView a, TextView b);
void SortListedItems(std::vector<Text>& items);

Text ParentFolder(TextView folder);

struct ListingEntry {
    Text name;
    bool isFolder = false;
};

struct RootEntries {
    Text root;  // full folder path with trailing backslash
    std::vector<ListingEntry> entries;
};

struct CollectedItems {
    std::vector<Text> items;     // sorted ListedItems
    std::vector<int64_t> icons;  // icons obtained, in the order obtained; no zeros
};

struct ListingOptions {
    int64_t sortMode = 0;
    int64_t renameFolders = 0;
};

// lookupIcon gets the real, untranslated full path and returns an icon number
// (0 for none).
using IconLookup = std::function<int64_t(const Text& fullPath)>;

// The filter and merge of one folder over the roots in order; the first root
// holding an entry wins. folder is relative to every root.
CollectedItems MergeFolderItems(const std::vector<RootEntries>& roots, TextView folder,
                                const ListingOptions& options, const IconLookup& lookupIcon);
