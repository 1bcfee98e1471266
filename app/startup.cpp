#include "app/startup.h"

#include "app/app_state.h"
#include "app/main_loop.h"
#include "app/settings_folder.h"
#include "browser/show_folder.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/windows.h"
#include "settings/settings_store.h"
#include "ui/color_schemes.h"
#include "ui/image_set.h"
#include "ui/main_window.h"

namespace {

const Text kProductName = u"Orvanto";

void StartUp() {
    gLoop = LoopState{};
    gCustomEntries.clear();
    gCustomEntryIcons.clear();
    gListedItems.clear();
    gListedIcons.clear();
    InitSettings(ReadProfileFolder());
    BuildColorSchemeTable();
    LoadImageSet();
    gAppPaths.SettingsFolder = ResolveSettingsFolder(ExecutableFolder() + kProductName + u"\\");
    LoadSettings(gAppPaths.SettingsFolder + u"Settings.ini");
    gAppPaths.CurrentFolder = gSettings.StartMode == 1 ? u"Programs\\" : u"";
    BuildMainWindow();
    ShowFolder(gAppPaths.CurrentFolder);
}

void ShutDown() {
    FreeAllPictures();
    FreeAllFonts();
    // Stock icons are copies too, so they are destroyed in both modes.
    DestroyListedIcons();
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
