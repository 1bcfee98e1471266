// German names for the standard Start Menu folders, and back.
#pragma once

#include "app/text.h"

#include <cstdint>

struct FolderNamePair {
    const char16_t* english;  // as on disk
    const char16_t* german;   // as shown
};

extern const FolderNamePair FolderNameTable[7];

// text is one folder name or a relative path whose last component is a shown
// name. Does nothing unless renameFolders is 1. Names are matched in Latin-1
// lower case (see browser/latin_case.h).
Text TranslateFolderName(TextView text, int64_t renameFolders);
