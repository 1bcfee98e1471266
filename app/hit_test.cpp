#include "app/hit_test.h"

#include "app/rounding.h"

bool IsMouseOverBox(int mouseX, int mouseY, const ControlBox& control, const ControlBox* container, float scaleX,
                    float scaleY) {
    int64_t mx = mouseX, my = mouseY;
    if (container) {
        mx = RoundHalfEven(float(mouseX) - float(container->x) * scaleX - 3.0f);
        my = RoundHalfEven(float(mouseY) - float(container->y) * scaleY - 3.0f);
    }
    int64_t left = RoundHalfEven(float(control.x) * scaleX);
    int64_t right = RoundHalfEven(float(control.x) * scaleX + float(control.width) * scaleX);
    int64_t top = RoundHalfEven(float(control.y) * scaleY);
    int64_t bottom = RoundHalfEven(float(control.y) * scaleY + float(control.height) * scaleY);
    return left < mx && mx < right && top < my && my < bottom;
}
