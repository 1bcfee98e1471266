#include "browser/item_icons.h"

#include "browser/shortcut_target.h"
#include "platform/files.h"
#include "platform/shell_icons.h"

HICON StockItemIcon(const Text& path, const PictureIconMaker& makePictureCopy) {
    if (!makePictureCopy) return nullptr;
    if (FileExists(path)) return makePictureCopy(StockFilePicture);
    if (FolderExists(path)) return makePictureCopy(StockFolderPicture);
    return nullptr;
}

HICON LookupItemIcon(const Text& path, int64_t useOriginalIcon, const PictureIconMaker& makePictureCopy) {
    if (useOriginalIcon != 1) return StockItemIcon(path, makePictureCopy);
    if (FileExists(path)) return ShellFileTypeIcon(ResolveIconSource(path));
    if (FolderExists(path)) return ShellFolderIcon(path);
    return nullptr;
}
