// Numbered windows, the events of the program's one thread, timers, the Enter
// accelerator, the foreground window, the cursor and the system DPI.
// Geometry passed in here is in logical units (96 per inch) and is scaled once,
// when a window or control is created.
#pragma once

#include "app/text.h"

#include <cstdint>

enum class EventKind { None, Menu, Control, Timer, Close };
enum class ControlEventType { LeftClick, RightClick, Change, Other };

struct Event {
    EventKind kind = EventKind::None;
    int window = -1;      // window number the event belongs to
    int id = 0;           // menu item, control or timer id
    ControlEventType type = ControlEventType::Other;
};

using Colour = uint32_t;  // Windows colour value: red in the low byte
constexpr Colour RgbColour(int r, int g, int b) { return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16); }
constexpr Colour NoColour = 0xFFFFFFFFu;

// Once, before any window: common controls, COM for the shell, the DPI.
void InitPlatform();
int SystemDpiX();
int SystemDpiY();
int ScaleLogicalX(int value);  // value * dpi / 96, rounded to nearest
int ScaleLogicalY(int value);

struct WindowSpec {
    int x = 0, y = 0;                 // logical units
    int clientWidth = 0, clientHeight = 0;
    Text title;
    bool toolWindow = true;           // small caption, close box, no taskbar button
    bool centred = false;             // centre the outer rectangle on the primary screen
    int owner = -1;                   // owning window number, or -1
};

bool OpenWindow(int number, const WindowSpec& spec);
void ShowAndActivateWindow(int number);
void HideWindow(int number);
void CloseWindowNumber(int number);         // destroys it and everything it holds
bool WindowIsOpen(int number);
void EnableWindowNumber(int number, bool enabled);
bool IsForegroundWindow(int number);
void SetWindowBackground(int number, Colour colour);

// Waits for the next message of the thread and returns once for every message.
Event WaitEvent();
// Takes the next pending message if there is one; otherwise an event of no kind.
Event PollEvent();

void StartTimer(int window, int id, unsigned milliseconds);
void StopTimer(int window, int id);

// Enter without modifiers, while the window is active, raises the menu event.
void AddEnterAccelerator(int window, int menuEventId);

// Cursor position in the window's client area in physical pixels; false (and
// -1, -1) when the cursor is outside the client area.
bool CursorInClientArea(int window, int& x, int& y);
void CursorOnScreen(int& x, int& y);

struct DisplayMode { int width = 0; int height = 0; };
DisplayMode PrimaryDisplayMode();
DisplayMode ScreenSize();  // system metrics

// The program's single-instance mutex. False when another copy holds it.
bool AcquireSingleInstance(const Text& name);

// Exit: everything the layer created (windows, fonts, menus) is freed.
void ShutdownPlatform();
