// The main window: window 0 "Start" with its banner, panel, list, links, run
// field, fonts and colours, built once at start-up from the layout tables.
#pragma once

#include "app/text.h"
#include "platform/controls.h"
#include "ui/main_window_layout.h"

struct Picture;

// Read or made by BuildMainWindow; used by the hover logic, the session
// controls and the shutdown dialogs.
extern Text OsProductName;
extern float ScaleX;
extern float ScaleY;

// The drawn banner is registered beside the image set under this number.
inline constexpr int BannerPicture = 60;

void BuildMainWindow();

// A new opaque picture filled row by row from topColour towards bottomColour;
// nullptr when it cannot be made. The caller owns it.
Picture* MakeGradientImage(int width, int height, Colour topColour, Colour bottomColour);

// Row MenuColor of the colour table onto the window and its controls.
void ApplyColorScheme();

// The fonts of the font table, -1 before BuildMainWindow made them.
FontId MainWindowFont(MainFont font);
