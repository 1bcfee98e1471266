// Small icons from the shell. Every icon returned belongs to the caller, who
// frees it with DestroyItemIcon (or DestroyIcon).
#pragma once

#include <windows.h>

#include "app/text.h"

// The icon registered for the file type of path; the file is not touched
// (FILE_ATTRIBUTE_NORMAL with SHGFI_USEFILEATTRIBUTES). nullptr on failure.
HICON ShellFileTypeIcon(const Text& path);
// The folder's own icon, asked of the folder itself. nullptr on failure.
HICON ShellFolderIcon(const Text& folder);

void DestroyItemIcon(HICON& icon);  // destroys and clears; nullptr is fine
