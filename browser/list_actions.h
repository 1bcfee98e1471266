// What the main loop does with the ShortcutList, the run line and the list's
// context menu. Each returns true when the program is to end.
#pragma once

#include "platform/windows.h"

// RunField changed: an empty field shows CurrentFolder again, any other text
// searches System32.
void RunFieldChanged();
// Any event of the RunField: the placeholder goes away.
void RunFieldTouched();
// An event of any other control: the placeholder comes back into an empty
// field, then the selected row acts (".." up, folder entered, shortcut or
// search result started, context menu on a right click).
bool ActOnSelectedRow(ControlEventType type);
// RunButton, and the Enter key while the RunField has the focus.
bool RunHeldCommand();
bool EnterKeyPressed();
// Context menu items 1 and 2; both keep the program running after focus loss.
void OpenTargetFolderOfSelectedRow();
void ShowPropertiesOfSelectedRow();
