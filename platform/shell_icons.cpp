#include "platform/shell_icons.h"

#include <shellapi.h>

#include "platform/wide.h"

static HICON AskShellForIcon(const Text& path, UINT extraFlags) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_TYPENAME | extraFlags;
    if (!SHGetFileInfoW(Wide(path), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags)) return nullptr;
    return info.hIcon;
}

HICON ShellFileTypeIcon(const Text& path) { return AskShellForIcon(path, SHGFI_USEFILEATTRIBUTES); }

HICON ShellFolderIcon(const Text& folder) { return AskShellForIcon(folder, 0); }

void DestroyItemIcon(HICON& icon) {
    if (icon) DestroyIcon(icon);
    icon = nullptr;
}
