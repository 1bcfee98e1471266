// Filling the ShortcutList: the shown folder, the search results, and the
// icons the listing owns (gListedIcons).
#pragma once

#include "app/text.h"

// Rebuilds gListedItems for folder (relative to every root) and refills the
// list: ".." first, then one row per item.
void ShowFolder(const Text& folder);
// Replaces the rows by the System32 programs whose names begin with text;
// gListedItems stays empty. Nothing for an empty text.
void SearchSystemPrograms(const Text& text);
// Program up to the first blank, the rest as parameters, no working folder.
// True when something was started.
bool RunTypedCommand(const Text& text);
// Destroys every icon of gListedIcons and empties it.
void DestroyListedIcons();
