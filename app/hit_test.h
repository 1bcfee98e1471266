// Whether the mouse is over a control, in the arithmetic the hover logic, the
// session arrow and the XP turn-off dialog share.
#pragma once

struct ControlBox {
    int x = 0, y = 0, width = 0, height = 0;  // logical units, relative to the container
};

// mouseX/mouseY: client coordinates in physical pixels, -1 when outside.
// container: the container's logical position, or nullptr; its 3-pixel border
// is part of the rule.
bool IsMouseOverBox(int mouseX, int mouseY, const ControlBox& control, const ControlBox* container, float scaleX,
                    float scaleY);
