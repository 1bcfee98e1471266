#include "browser/list_actions.h"

#include "app/app_state.h"
#include "app/environment_text.h"
#include "browser/folder_names.h"
#include "browser/listed_item.h"
#include "browser/run_field.h"
#include "browser/shortcut_target.h"
#include "browser/show_folder.h"
#include "browser/start_menu_paths.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/launch.h"
#include "platform/menus.h"
#include "settings/settings_store.h"
#include "ui/main_window_ids.h"

namespace {

Text RunFieldText() { return ControlText(MainWindowNumber, RunFieldId); }

bool InSearchMode() { return HoldsCommand(RunFieldText()); }

bool Exists(const Text& path) { return PathExists(path); }

// The item behind list row r (row 0 is ".."); false for rows without one.
bool ItemOfRow(int row, ListedItemParts& parts) {
    if (row < 1 || size_t(row) > gListedItems.size()) return false;
    parts = ParseListedItem(gListedItems[size_t(row - 1)], gSettings.SortMode);
    return parts.kind != ItemKind::Unknown;
}

Text SystemRoot() { return ExpandEnvironmentText(u"%SystemRoot%"); }

// The path both context menu items start from; empty when no row applies.
Text SelectedRowPath(bool forProperties) {
    int row = SelectedListRow(MainWindowNumber, ShortcutListId);
    if (row < 0) return Text();
    if (InSearchMode()) return SearchResultItemPath(SystemRoot(), ListRowText(MainWindowNumber, ShortcutListId, row));
    ListedItemParts parts;
    if (!ItemOfRow(row, parts)) return Text();
    Text relative = gAppPaths.CurrentFolder + parts.storedName;
    if (forProperties) return relative;
    Text profile = ReadProfileFolder();
    return ListRowItemPath(relative, UserStartMenuFolder(profile), CommonStartMenuFolder(profile), Exists);
}

}  // namespace

void RunFieldChanged() {
    Text text = RunFieldText();
    if (text.empty())
        ShowFolder(gAppPaths.CurrentFolder);
    else
        SearchSystemPrograms(text);
}

void RunFieldTouched() {
    if (ShowsPlaceholder(RunFieldText())) SetControlText(MainWindowNumber, RunFieldId, Text());
}

bool ActOnSelectedRow(ControlEventType type) {
    if (RunFieldText().empty()) {
        SetControlText(MainWindowNumber, RunFieldId, RunFieldPlaceholder);
        SetKeyboardFocus(MainWindowNumber, ShortcutListId);
    }
    int row = SelectedListRow(MainWindowNumber, ShortcutListId);
    if (row < 0) return false;
    Text rowText = ListRowText(MainWindowNumber, ShortcutListId, row);
    if (rowText == u"..") {
        gAppPaths.CurrentFolder = ParentFolder(gAppPaths.CurrentFolder);
        ShowFolder(gAppPaths.CurrentFolder);
        return false;
    }
    if (type == ControlEventType::LeftClick) {
        if (InSearchMode()) {
            LaunchProgram(rowText);
            return true;
        }
        ListedItemParts parts;
        if (!ItemOfRow(row, parts)) return false;
        if (parts.kind == ItemKind::Folder) {
            gAppPaths.CurrentFolder =
                TranslateFolderName(gAppPaths.CurrentFolder + parts.storedName, gSettings.RenameFolders) + u"\\";
            ShowFolder(gAppPaths.CurrentFolder);
            return false;
        }
        Text relative = gAppPaths.CurrentFolder + parts.storedName;
        DestroyListedIcons();
        gListedItems.clear();
        LaunchProgram(ResolveStartMenuPath(relative, gSettings.StartMenuFolders, Exists));
        return true;
    }
    if (type == ControlEventType::RightClick) ShowPopupMenuAtCursor(MainWindowNumber, ListContextMenuNumber);
    return false;
}

bool RunHeldCommand() {
    Text text = RunFieldText();
    if (!HoldsCommand(text)) return false;
    RunTypedCommand(text);
    return true;
}

bool EnterKeyPressed() {
    if (FocusedControl(MainWindowNumber) != RunFieldId) return false;
    return RunHeldCommand();
}

void OpenTargetFolderOfSelectedRow() {
    Text path = SelectedRowPath(false);
    gLoop.CloseOnFocusLoss = false;
    if (path.empty()) return;
    Text target = ReadShortcutTarget(path);
    Text folder = TargetFolderToOpen(path, target, ReadEnvironmentVariable(u"programfiles"),
                                     ReadEnvironmentVariable(u"programfiles(x86)"), Exists);
    if (!folder.empty()) LaunchProgram(folder);
}

void ShowPropertiesOfSelectedRow() {
    Text path = SelectedRowPath(true);
    gLoop.CloseOnFocusLoss = false;
    if (path.empty()) return;
    OpenFileProperties(ResolveStartMenuPath(TranslateFolderName(path, gSettings.RenameFolders),
                                            gSettings.StartMenuFolders, Exists));
}
