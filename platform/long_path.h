// Paths longer than the classic 260-character limit are handed to Win32 in
// their extended form (\\?\C:\... or \\?\UNC\server\...). No Windows header.
#pragma once

#include "app/text.h"

// The form to pass to Win32 file calls: short and relative paths, paths with
// forward slashes or "." / ".." parts and paths already extended stay as they are.
Text ExtendedLengthPath(TextView path);
