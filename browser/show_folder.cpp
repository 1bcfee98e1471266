#include "browser/show_folder.h"

#include <windows.h>

#include "app/app_state.h"
#include "browser/folder_listing.h"
#include "browser/item_icons.h"
#include "browser/listed_item.h"
#include "browser/run_field.h"
#include "platform/controls.h"
#include "platform/launch.h"
#include "platform/pictures.h"
#include "settings/settings_store.h"
#include "ui/main_window_ids.h"

namespace {

constexpr int UpRowPicture = 0;
constexpr int SearchResultPicture = 20;

HICON CopyOfPicture(int picture) {
    // The list's small-icon size: 16 logical pixels.
    return MakeIconFromPicture(picture, ScaleLogicalX(16), ScaleLogicalY(16));
}

HICON ItemIcon(const Text& path) { return LookupItemIcon(path, gSettings.UseOriginalIcon, CopyOfPicture); }

}  // namespace

void DestroyListedIcons() {
    for (void* icon : gListedIcons)
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    gListedIcons.clear();
}

void ShowFolder(const Text& folder) {
    DestroyListedIcons();
    gListedItems.clear();
    ListingOptions options{gSettings.SortMode, gSettings.RenameFolders};
    FolderListing listing = CollectFolderItems(gSettings.StartMenuFolders, folder, options, ItemIcon);
    gListedItems = std::move(listing.items);
    gListedIcons.reserve(listing.icons.size());
    for (HICON icon : listing.icons) gListedIcons.push_back(icon);

    BeginListUpdate(MainWindowNumber, ShortcutListId);
    ClearListRows(MainWindowNumber, ShortcutListId);
    AddListRow(MainWindowNumber, ShortcutListId, u"..", nullptr, UpRowPicture);
    for (const Text& item : gListedItems) {
        ListedItemParts parts = ParseListedItem(item, gSettings.SortMode);
        void* icon = reinterpret_cast<void*>(intptr_t(parts.icon));
        Text text = DisplayText(parts.storedName);
        if (icon && gSettings.UseOriginalIcon != 1) {
            // A stock icon looks exactly like its picture; the list takes the
            // picture once instead of one image per row, which keeps large
            // folders fast. The copy stays owned in gListedIcons.
            int picture = parts.kind == ItemKind::Folder ? StockFolderPicture : StockFilePicture;
            AddListRow(MainWindowNumber, ShortcutListId, text, nullptr, picture);
        } else {
            AddListRow(MainWindowNumber, ShortcutListId, text, icon);
        }
    }
    EndListUpdate(MainWindowNumber, ShortcutListId);
}

void SearchSystemPrograms(const Text& text) {
    if (text.empty()) return;
    BeginListUpdate(MainWindowNumber, ShortcutListId);
    ClearListRows(MainWindowNumber, ShortcutListId);
    DestroyListedIcons();
    gListedItems.clear();
    const Text folder = SystemProgramsFolder();
    for (const Text& name : MatchingPrograms(folder, text)) {
        if (gSettings.UseOriginalIcon == 0) {
            AddListRow(MainWindowNumber, ShortcutListId, name, nullptr, SearchResultPicture);
        } else if (gSettings.UseOriginalIcon == 1) {
            HICON icon = ItemIcon(folder + name);
            if (icon) gListedIcons.push_back(icon);
            AddListRow(MainWindowNumber, ShortcutListId, name, icon);
        }
    }
    EndListUpdate(MainWindowNumber, ShortcutListId);
}

bool RunTypedCommand(const Text& text) {
    TypedCommand command = SplitTypedCommand(text);
    return LaunchProgram(command.program, command.parameters, Text());
}
