// The main event loop: runs from the first folder listing until the program ends.
#pragma once

#include "platform/windows.h"

enum class Next { Stay, Leave };

void RunMainLoop();
// One event's dispatch: table A for menu events, steps B1 to B13 for control events.
Next DispatchMenuEvent(int itemId);
Next DispatchControlEvent(const Event& event);
// The hit test with the main window's scale and its MainPanel container.
bool IsMouseOverControl(int window, int control, int container);
// ScaleX and ScaleY of the main window, used by the hit test.
void SetLoopScale(float scaleX, float scaleY);
