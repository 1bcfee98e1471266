// The target of a shortcut file, found by scanning its bytes (see
// browser/shortcut_scan.h). The file is read without sharing: a file that
// another handle holds open gives the "unreadable" result.
#pragma once

#include "app/text.h"

// First existing file or folder named in the file (ANSI code page); empty
// when there is none or the file cannot be read.
Text ReadShortcutTarget(const Text& path);
// For a .lnk: the first existing file named in it (UTF-8, then expanded
// UTF-16 %-texts), else path itself; empty when it cannot be read. Any other
// path is returned as it is.
Text ResolveIconSource(const Text& path);
