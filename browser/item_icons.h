// The icon of a list row, a custom entry or a search result.
#pragma once

#include <windows.h>

#include "app/text.h"

#include <cstdint>
#include <functional>

// A new icon made from image set picture n; the caller owns it.
using PictureIconMaker = std::function<HICON(int picture)>;

constexpr int StockFilePicture = 3;
constexpr int StockFolderPicture = 18;

// A copy of picture 3 for an existing file, 18 for an existing folder,
// nullptr for a missing path.
HICON StockItemIcon(const Text& path, const PictureIconMaker& makePictureCopy);

// useOriginalIcon 1: the shell's icon (of the target's file type for a file,
// the folder's own for a folder); otherwise the stock icon. Caller owns it.
HICON LookupItemIcon(const Text& path, int64_t useOriginalIcon, const PictureIconMaker& makePictureCopy);
