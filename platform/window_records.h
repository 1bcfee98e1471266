// Internal to platform/: the records behind window and control numbers.
#pragma once

#include "platform/windows.h"

#include <windows.h>
#include <commctrl.h>

#include <map>

struct ControlRecord {
    HWND hwnd = nullptr;
    int kind = 0;                 // ControlKind
    int x = 0, y = 0, width = 0, height = 0;  // logical, relative to parent
    Colour textColour = NoColour;
    Colour backColour = NoColour;
    HBRUSH backBrush = nullptr;   // owned
    Colour lineColour = NoColour; // report lists: grid lines
    HIMAGELIST images = nullptr;  // report lists: row icons, owned
    std::map<int, int> pictureImages;  // picture number -> image list index, per rebuild
    int picture = -1;             // Picture / PictureButton
    bool hot = false;             // Link under the mouse
    HWND tooltip = nullptr;
};

struct MenuRecord {
    HMENU menu = nullptr;
    std::map<int, HBITMAP> bitmaps;  // owned item pictures, by item id
};

struct WindowRecord {
    HWND hwnd = nullptr;
    Colour backColour = NoColour;
    HBRUSH backBrush = nullptr;   // owned
    HACCEL accelerator = nullptr; // owned
    int openContainer = -1;
    HWND tooltip = nullptr;
    std::map<int, ControlRecord> controls;
    std::map<int, MenuRecord> menus;
};

WindowRecord* FindWindowRecord(int number);
WindowRecord* WindowRecordOf(HWND anyWindowOrChild, int* number);
ControlRecord* FindControl(int window, int id);
ControlRecord* ControlOf(HWND hwnd, int* window, int* id);
void QueueEvent(const Event& event);
// While set, notifications caused by the program itself raise no event.
extern int gSuppressEvents;
void FreeControlRecord(ControlRecord& control);
void FreeMenuRecord(MenuRecord& menu);
HFONT FontOf(int font);
LRESULT HandleControlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
extern const wchar_t* const kPanelClass;
extern const wchar_t* const kPictureClass;
