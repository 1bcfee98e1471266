// Turning a path relative to the Start Menu roots into a full one, and the
// paths the list's context menu acts on.
#pragma once

#include "app/text.h"

#include <functional>
#include <vector>

using ExistenceTest = std::function<bool(const Text& path)>;  // file or folder

// First root R (in order) with something at R + relative; else relative.
Text ResolveStartMenuPath(TextView relative, const std::vector<Text>& roots, const ExistenceTest& exists);

// A search result row: systemRoot (+ "\" when missing) + "SysWOW64\" + row text.
Text SearchResultItemPath(TextView systemRoot, TextView rowText);

// A list row (relative = CurrentFolder + stored name, not translated back):
// under the user Start Menu folder when something is there, else under the
// common one.
Text ListRowItemPath(TextView relative, TextView userStartMenu, TextView commonStartMenu, const ExistenceTest& exists);

// Where "open the folder of the target" goes for path P, given T, what the
// shortcut target reader found in P. When T is empty the folder named like P's
// last component under programFiles, else under programFilesX86, is tried.
// Returns the folder to open, or empty when nothing exists.
Text TargetFolderToOpen(TextView path, TextView target, TextView programFiles, TextView programFilesX86,
                        const ExistenceTest& exists);
