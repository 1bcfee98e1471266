#include "browser/shortcut_target.h"

#include "app/environment_text.h"
#include "browser/shortcut_scan.h"
#include "platform/code_page.h"
#include "platform/files.h"

#include <string>

Text ReadShortcutTarget(const Text& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, true)) return Text();
    return ScanShortcutTarget(bytes, AnsiToText, PathExists);
}

Text ResolveIconSource(const Text& path) {
    if (!IsShortcutPath(path)) return path;
    std::string bytes;
    if (!ReadWholeFile(path, bytes, true)) return Text();
    Text found = ScanIconSource(bytes, FileExists, [](const Text& text) { return ExpandEnvironmentText(text); });
    return found.empty() ? path : found;
}
