// The product name shown on the banner and, at rest, in the InfoLabel.
#pragma once

#include "app/text.h"

// "Windows" for an empty or failed ("Error") read; on Windows 11 builds every
// " 10 " becomes " 11 " (the registry still says 10 there).
Text OsProductNameFrom(const Text& registryText, bool isWindows11);

// The registry's ProductName through the rule above (Win32 side).
Text ReadOsProductName();
