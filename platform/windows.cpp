#include "platform/windows.h"

#include "platform/wide.h"
#include "platform/window_records.h"

#include <commctrl.h>
#include <objbase.h>

#include <deque>

namespace {

const wchar_t* const kWindowClass = L"OrvantoWindow";
std::map<int, WindowRecord> gWindows;
std::deque<Event> gPending;
int gDpiX = 96;
int gDpiY = 96;
HANDLE gInstanceMutex = nullptr;
// Messages sent to our windows from outside a dispatch (activation changes,
// for example) are handled inside PeekMessage; they still end a wait.
bool gInDispatch = false;
bool gSentMessageSeen = false;
bool gPolledMessage = false;  // the last PollEvent took a message

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterClasses() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.hbrBackground = nullptr;  // painted in WM_ERASEBKGND
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    wc.hIcon = nullptr;
    wc.lpszClassName = kPanelClass;
    RegisterClassExW(&wc);
}

HBRUSH BackgroundBrush(HWND hwnd) {
    int number = -1;
    WindowRecord* window = WindowRecordOf(hwnd, &number);
    if (window && window->hwnd == hwnd) return window->backBrush;
    int w = -1, id = -1;
    ControlRecord* control = ControlOf(hwnd, &w, &id);
    return control ? control->backBrush : nullptr;
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!gInDispatch) gSentMessageSeen = true;
    bool handled = false;
    LRESULT result = HandleControlMessage(hwnd, message, wParam, lParam, &handled);
    if (handled) return result;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        HBRUSH brush = BackgroundBrush(hwnd);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        if (lParam == 0) {  // a menu item (0) or an accelerator (1)
            int number = -1;
            WindowRecordOf(hwnd, &number);
            QueueEvent({EventKind::Menu, number, LOWORD(wParam), ControlEventType::Other});
            return 0;
        }
        break;
    case WM_TIMER: {
        int number = -1;
        WindowRecordOf(hwnd, &number);
        QueueEvent({EventKind::Timer, number, int(wParam), ControlEventType::Other});
        return 0;
    }
    case WM_CLOSE: {
        int number = -1;
        WindowRecord* window = WindowRecordOf(hwnd, &number);
        if (window && window->hwnd == hwnd) {
            QueueEvent({EventKind::Close, number, 0, ControlEventType::Other});
            return 0;  // the owner of the window decides what closing means
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool TranslateForWindows(MSG& msg) {
    for (auto& [number, window] : gWindows) {
        if (window.accelerator && window.hwnd && (msg.hwnd == window.hwnd || IsChild(window.hwnd, msg.hwnd)))
            if (TranslateAcceleratorW(window.hwnd, window.accelerator, &msg)) return true;
    }
    return false;
}

Event DispatchOne(MSG& msg) {
    gInDispatch = true;
    if (!TranslateForWindows(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    gInDispatch = false;
    if (gPending.empty()) return Event{};
    Event event = gPending.front();
    gPending.pop_front();
    return event;
}

}  // namespace

const wchar_t* const kPanelClass = L"OrvantoPanel";
int gSuppressEvents = 0;

void QueueEvent(const Event& event) {
    if (gSuppressEvents > 0 && event.kind == EventKind::Control) return;
    gPending.push_back(event);
}

WindowRecord* FindWindowRecord(int number) {
    auto it = gWindows.find(number);
    return it == gWindows.end() || !it->second.hwnd ? nullptr : &it->second;
}

WindowRecord* WindowRecordOf(HWND hwnd, int* number) {
    HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    for (auto& [n, window] : gWindows) {
        if (window.hwnd && window.hwnd == root) {
            if (number) *number = n;
            return &window;
        }
    }
    if (number) *number = -1;
    return nullptr;
}

ControlRecord* FindControl(int window, int id) {
    WindowRecord* record = FindWindowRecord(window);
    if (!record) return nullptr;
    auto it = record->controls.find(id);
    return it == record->controls.end() || !it->second.hwnd ? nullptr : &it->second;
}

ControlRecord* ControlOf(HWND hwnd, int* window, int* id) {
    WindowRecord* record = WindowRecordOf(hwnd, window);
    if (!record) return nullptr;
    for (auto& [controlId, control] : record->controls) {
        if (control.hwnd == hwnd) {
            if (id) *id = controlId;
            return &control;
        }
    }
    return nullptr;
}

void InitPlatform() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                 ICC_TAB_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&icc);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HDC screen = GetDC(nullptr);
    gDpiX = GetDeviceCaps(screen, LOGPIXELSX);
    gDpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (gDpiX <= 0) gDpiX = 96;
    if (gDpiY <= 0) gDpiY = 96;
    RegisterClasses();
}

int SystemDpiX() { return gDpiX; }
int SystemDpiY() { return gDpiY; }
int ScaleLogicalX(int value) { return MulDiv(value, gDpiX, 96); }
int ScaleLogicalY(int value) { return MulDiv(value, gDpiY, 96); }

bool OpenWindow(int number, const WindowSpec& spec) {
    if (FindWindowRecord(number)) return false;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = spec.toolWindow ? WS_EX_TOOLWINDOW : WS_EX_DLGMODALFRAME;
    RECT rc = {0, 0, ScaleLogicalX(spec.clientWidth), ScaleLogicalY(spec.clientHeight)};
    AdjustWindowRectEx(&rc, style, FALSE, exStyle);
    int width = rc.right - rc.left, height = rc.bottom - rc.top;
    int x = ScaleLogicalX(spec.x), y = ScaleLogicalY(spec.y);
    if (spec.centred) {
        x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    WindowRecord* owner = FindWindowRecord(spec.owner);
    WindowRecord& record = gWindows[number];
    record = WindowRecord{};
    record.hwnd = CreateWindowExW(exStyle, kWindowClass, Wide(spec.title), style, x, y, width, height,
                                  owner ? owner->hwnd : nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!record.hwnd) {
        gWindows.erase(number);
        return false;
    }
    return true;
}

void ShowAndActivateWindow(int number) {
    if (WindowRecord* w = FindWindowRecord(number)) {
        ShowWindow(w->hwnd, SW_SHOWNORMAL);
        SetForegroundWindow(w->hwnd);
        UpdateWindow(w->hwnd);
    }
}

void HideWindow(int number) {
    if (WindowRecord* w = FindWindowRecord(number)) ShowWindow(w->hwnd, SW_HIDE);
}

void CloseWindowNumber(int number) {
    auto it = gWindows.find(number);
    if (it == gWindows.end()) return;
    WindowRecord& w = it->second;
    for (auto& [id, menu] : w.menus) FreeMenuRecord(menu);
    if (w.hwnd) DestroyWindow(w.hwnd);  // destroys the child controls and the tooltip
    for (auto& [id, control] : w.controls) FreeControlRecord(control);
    if (w.backBrush) DeleteObject(w.backBrush);
    if (w.accelerator) DestroyAcceleratorTable(w.accelerator);
    gWindows.erase(it);
    // Drop events that still name the window.
    std::deque<Event> kept;
    for (const Event& e : gPending)
        if (e.window != number) kept.push_back(e);
    gPending.swap(kept);
}

bool WindowIsOpen(int number) { return FindWindowRecord(number) != nullptr; }

void EnableWindowNumber(int number, bool enabled) {
    if (WindowRecord* w = FindWindowRecord(number)) EnableWindow(w->hwnd, enabled);
}

bool IsForegroundWindow(int number) {
    WindowRecord* w = FindWindowRecord(number);
    return w && GetForegroundWindow() == w->hwnd;
}

void SetWindowBackground(int number, Colour colour) {
    WindowRecord* w = FindWindowRecord(number);
    if (!w) return;
    if (w->backBrush) DeleteObject(w->backBrush);
    w->backBrush = colour == NoColour ? nullptr : CreateSolidBrush(colour);
    w->backColour = colour;
    InvalidateRect(w->hwnd, nullptr, TRUE);
}

Event WaitEvent() {
    if (!gPending.empty()) {
        Event event = gPending.front();
        gPending.pop_front();
        return event;
    }
    for (;;) {
        Event event = PollEvent();
        if (event.kind != EventKind::None || gPolledMessage || gSentMessageSeen) {
            gSentMessageSeen = false;
            return event;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

Event PollEvent() {
    if (!gPending.empty()) {
        Event event = gPending.front();
        gPending.pop_front();
        return event;
    }
    MSG msg;
    gPolledMessage = PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
    if (!gPolledMessage) return Event{};
    if (msg.message == WM_QUIT) return Event{EventKind::Close, 0, 0, ControlEventType::Other};
    return DispatchOne(msg);
}

void StartTimer(int window, int id, unsigned milliseconds) {
    if (WindowRecord* w = FindWindowRecord(window)) SetTimer(w->hwnd, UINT_PTR(id), milliseconds, nullptr);
}

void StopTimer(int window, int id) {
    if (WindowRecord* w = FindWindowRecord(window)) KillTimer(w->hwnd, UINT_PTR(id));
}

void AddEnterAccelerator(int window, int menuEventId) {
    WindowRecord* w = FindWindowRecord(window);
    if (!w) return;
    if (w->accelerator) DestroyAcceleratorTable(w->accelerator);
    ACCEL accel = {FVIRTKEY, VK_RETURN, WORD(menuEventId)};
    w->accelerator = CreateAcceleratorTableW(&accel, 1);
}

bool CursorInClientArea(int window, int& x, int& y) {
    x = y = -1;
    WindowRecord* w = FindWindowRecord(window);
    POINT pt;
    if (!w || !GetCursorPos(&pt)) return false;
    ScreenToClient(w->hwnd, &pt);
    RECT rc;
    GetClientRect(w->hwnd, &rc);
    if (!PtInRect(&rc, pt)) return false;
    x = pt.x;
    y = pt.y;
    return true;
}

void CursorOnScreen(int& x, int& y) {
    POINT pt = {0, 0};
    GetCursorPos(&pt);
    x = pt.x;
    y = pt.y;
}

DisplayMode PrimaryDisplayMode() {
    DISPLAY_DEVICEW device = {};
    device.cb = sizeof(device);
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &device, 0); ++i) {
        if ((device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) && (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) {
            DEVMODEW mode = {};
            mode.dmSize = sizeof(mode);
            if (EnumDisplaySettingsW(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode))
                return {int(mode.dmPelsWidth), int(mode.dmPelsHeight)};
        }
        device = {};
        device.cb = sizeof(device);
    }
    return ScreenSize();
}

DisplayMode ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool AcquireSingleInstance(const Text& name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name));
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    gInstanceMutex = mutex;  // held until the process ends
    return true;
}

void ShutdownPlatform() {
    while (!gWindows.empty()) CloseWindowNumber(gWindows.begin()->first);
    gPending.clear();
}
