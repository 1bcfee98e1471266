#include "app/startup.h"

#include "app/app_state.h"
#include "app/main_loop.h"
#include "app/settings_folder.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/windows.h"
#include "ui/main_window.h"

namespace {

const Text kProductName = u"Orvanto";

void StartUp() {
    gLoop = LoopState{};
    gCustomEntries.clear();
    gCustomEntryIcons.clear();
    gListedItems.clear();
    gListedIcons.clear();
    gAppPaths.SettingsFolder = ResolveSettingsFolder(ExecutableFolder() + kProductName + u"\\");
    BuildMainWindow();
}

void ShutDown() {
    FreeAllFonts();
    gListedIcons.clear();
    gListedItems.clear();
    CloseWindowNumber(kMainWindow);
    ShutdownPlatform();
}

}  // namespace

int RunOrvanto() {
    if (!AcquireSingleInstance(kProductName)) return 0;
    InitPlatform();
    StartUp();
    RunMainLoop();
    ShutDown();
    return 0;
}
