#include "app/main_loop.h"

#include "app/app_state.h"
#include "app/hit_test.h"
#include "app/hover.h"
#include "app/launchers.h"
#include "browser/list_actions.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/launch.h"
#include "ui/main_window_ids.h"

namespace {

float gScaleX = 1.0f;
float gScaleY = 1.0f;

// The system tool links start their tool; the program ends whether or not it started.
bool StartToolOfLink(int control) {
    const Launcher* launcher = FindLauncher(control);
    if (!launcher) return false;
    LaunchRequest request = LauncherRequest(*launcher, ReadProfileFolder());
    LaunchProgram(request.file, request.parameters, request.workingFolder);
    return true;
}

// The settings and system information links close the main window and the
// program ends when their window has closed.
bool OpensOwnWindow(int control) { return control == SettingsLinkId || control == SystemInfoLinkId; }

}  // namespace

void SetLoopScale(float scaleX, float scaleY) {
    gScaleX = scaleX;
    gScaleY = scaleY;
}

bool IsMouseOverControl(int window, int control, int container) {
    int mx = -1, my = -1;
    CursorInClientArea(window, mx, my);
    LogicalRect c = ControlLogicalRect(window, control);
    ControlBox box{c.x, c.y, c.width, c.height};
    if (container < 0) return IsMouseOverBox(mx, my, box, nullptr, gScaleX, gScaleY);
    LogicalRect p = ControlLogicalRect(window, container);
    ControlBox panel{p.x, p.y, p.width, p.height};
    return IsMouseOverBox(mx, my, box, &panel, gScaleX, gScaleY);
}

Next DispatchMenuEvent(int itemId) {
    if (itemId == OpenTargetFolderItemId) OpenTargetFolderOfSelectedRow();
    if (itemId == PropertiesItemId) ShowPropertiesOfSelectedRow();
    if (itemId == EnterKeyItemId && EnterKeyPressed()) return Next::Leave;
    return Next::Stay;
}

Next DispatchControlEvent(const Event& event) {
    if (event.id == RunFieldId && event.type == ControlEventType::Change) RunFieldChanged();
    // Every control but the RunField acts on the selected row first.
    if (event.id != RunFieldId && ActOnSelectedRow(event.type)) return Next::Leave;
    if (StartToolOfLink(event.id)) return Next::Leave;  // B3 and B10
    if (OpensOwnWindow(event.id)) {                      // B8 and B9
        CloseWindowNumber(kMainWindow);
        return Next::Leave;
    }
    if (event.id == RunFieldId) RunFieldTouched();
    if (event.id == RunButtonId && RunHeldCommand()) return Next::Leave;
    return Next::Stay;
}

void RunMainLoop() {
    for (;;) {
        Event event = WaitEvent();
        if (gLoop.CloseOnFocusLoss && !IsForegroundWindow(kMainWindow)) return;
        if (WindowIsOpen(kMainWindow)) UpdateHoverInformation();
        if (event.window == kMainWindow) {
            if (event.kind == EventKind::Menu && DispatchMenuEvent(event.id) == Next::Leave) return;
            if (event.kind == EventKind::Control && DispatchControlEvent(event) == Next::Leave) return;
        }
        if (event.kind == EventKind::Close) return;
    }
}
