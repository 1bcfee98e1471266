// Popup menus of numbered windows, with a picture of the image set beside each
// item (drawn at 16 x 16 logical pixels). The chosen item arrives afterwards as
// a menu event.
#pragma once

#include "app/text.h"

bool CreatePopupMenuNumber(int window, int menu);
void FreePopupMenu(int window, int menu);
// picture: image set number (-1 none); icon: an HICON owned by the caller, used
// instead of the picture when not null.
void AddMenuItem(int window, int menu, int itemId, const Text& text, int picture, void* icon = nullptr);
void AddMenuSeparator(int window, int menu);
// At the mouse position, top left corner one pixel left of and above the hot spot.
void ShowPopupMenuAtCursor(int window, int menu);
