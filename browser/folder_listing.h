// Reading the Start Menu roots and the System32 programs from disk.
#pragma once

#include <windows.h>

#include "app/text.h"
#include "browser/listed_item.h"

#include <functional>
#include <vector>

struct FolderListing {
    std::vector<Text> items;   // sorted ListedItems
    std::vector<HICON> icons;  // owned by the caller, in the order obtained
};

using ItemIconLookup = std::function<HICON(const Text& fullPath)>;

// The entries of folder (relative) under every root, merged; a root that
// cannot be opened adds nothing.
FolderListing CollectFolderItems(const std::vector<Text>& roots, const Text& folder, const ListingOptions& options,
                                 const ItemIconLookup& lookupIcon);

// %SystemRoot% + "\System32\", the folder the run field searches.
Text SystemProgramsFolder();
// The *.exe files (not folders) of folder whose names begin with typed, in
// file-system order. Nothing for an empty typed text.
std::vector<Text> MatchingPrograms(const Text& folder, TextView typed);
