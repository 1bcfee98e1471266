// Test probe: reports the windows and controls of another process, as JSON
// lines written to a file, so GUI tests can check what Orvanto shows.
//   OrvantoProbe OUT wait TITLE TIMEOUT_MS    wait until a visible window TITLE exists
//   OrvantoProbe OUT gone TITLE TIMEOUT_MS    wait until no window TITLE exists
//   OrvantoProbe OUT dump TITLE               the window and all its controls
//   OrvantoProbe OUT windows                  every visible top-level window
//   OrvantoProbe OUT foreground               the foreground window
//   OrvantoProbe OUT steal MS                 open a window, bring it to the front, keep it MS
//   OrvantoProbe OUT gdi PID                  GDI and USER object counts of a process
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

FILE* gOut = nullptr;

std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::string Json(const std::wstring& w) {
    std::string s = Utf8(w), out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') { out += '\\'; out += char(c); }
        else if (c < 0x20) { char buf[8]; std::snprintf(buf, sizeof buf, "\\u%04x", c); out += buf; }
        else out += char(c);
    }
    return out + "\"";
}

std::wstring WindowText(HWND hwnd) {
    // WM_GETTEXT works across processes; GetWindowText does not for controls.
    LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(size_t(length) + 1, L'\0');
    LRESULT got = SendMessageW(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()));
    text.resize(size_t(got));
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::string RectJson(const RECT& r) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "[%ld,%ld,%ld,%ld]", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return buf;
}

// Reads list view rows through memory in the owning process.
std::string ListRows(HWND list) {
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    std::string out = "[";
    if (!process) return out + "]";
    const SIZE_T textRoom = 1024;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + textRoom * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
    int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    int selected = int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    for (int row = 0; remote && row < count; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = row;
        item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + sizeof(LVITEMW));
        item.cchTextMax = int(textRoom);
        WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
        SendMessageW(list, LVM_GETITEMW, 0, LPARAM(remote));
        LVITEMW back = {};
        std::vector<wchar_t> text(textRoom, L'\0');
        ReadProcessMemory(process, remote, &back, sizeof(back), nullptr);
        ReadProcessMemory(process, item.pszText, text.data(), textRoom * sizeof(wchar_t), nullptr);
        text.back() = 0;
        char buf[64];
        std::snprintf(buf, sizeof buf, ",\"image\":%d}", back.iImage);
        if (row) out += ",";
        out += "{\"text\":" + Json(text.data()) + buf;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    char buf[64];
    std::snprintf(buf, sizeof buf, "],\"selected\":%d", selected);
    return out + buf;
}

std::string ComboItems(HWND combo) {
    int count = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    std::string out = "[";
    for (int i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(i), 0);
        std::wstring text(size_t(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(text.data()));
        text.resize(size_t(length > 0 ? length : 0));
        if (i) out += ",";
        out += Json(text);
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "],\"selected\":%d", int(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    return out + buf;
}

std::string FontJson(HWND hwnd) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    LOGFONTW lf = {};
    if (!font || !GetObjectW(font, sizeof(lf), &lf)) return "null";
    char buf[96];
    std::snprintf(buf, sizeof buf, ",\"height\":%ld,\"weight\":%ld,\"italic\":%d,\"quality\":%d}", lf.lfHeight,
                  lf.lfWeight, lf.lfItalic, lf.lfQuality);
    return "{\"face\":" + Json(lf.lfFaceName) + buf;
}

void ReportWindow(HWND hwnd, HWND top, int depth) {
    RECT screen;
    GetWindowRect(hwnd, &screen);
    RECT inTop = screen;
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&inTop), 2);
    RECT client;
    GetClientRect(hwnd, &client);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    std::wstring cls = ClassOf(hwnd);
    char head[512];
    std::snprintf(head, sizeof head,
                  "{\"hwnd\":%llu,\"parent\":%llu,\"depth\":%d,\"id\":%d,\"pid\":%lu,\"style\":%lu,\"exstyle\":%lu,"
                  "\"visible\":%d,\"enabled\":%d,\"rect\":%s,\"client\":%s,",
                  (unsigned long long)(uintptr_t)hwnd, (unsigned long long)(uintptr_t)GetParent(hwnd), depth,
                  depth ? GetDlgCtrlID(hwnd) : -1, pid, (unsigned long)GetWindowLongW(hwnd, GWL_STYLE),
                  (unsigned long)GetWindowLongW(hwnd, GWL_EXSTYLE), IsWindowVisible(hwnd) ? 1 : 0,
                  IsWindowEnabled(hwnd) ? 1 : 0, RectJson(depth ? inTop : screen).c_str(), RectJson(client).c_str());
    std::string line = head;
    line += "\"screen\":" + RectJson(screen) + ",\"class\":" + Json(cls) + ",\"text\":" + Json(WindowText(hwnd)) +
            ",\"font\":" + FontJson(hwnd);
    if (cls == L"SysListView32") {
        line += ",\"rows\":" + ListRows(hwnd);
        int columns = 0;
        HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
        if (header) columns = int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
        line += ",\"columns\":[";
        for (int i = 0; i < columns; ++i) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%s%d", i ? "," : "", int(SendMessageW(hwnd, LVM_GETCOLUMNWIDTH, WPARAM(i), 0)));
            line += buf;
        }
        char buf[64];
        std::snprintf(buf, sizeof buf, "],\"lvexstyle\":%lu",
                      (unsigned long)SendMessageW(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
        line += buf;
    }
    if (cls == L"ComboBox") line += ",\"items\":" + ComboItems(hwnd);
    if (cls == L"Button") {
        char buf[32];
        std::snprintf(buf, sizeof buf, ",\"checked\":%d", int(SendMessageW(hwnd, BM_GETCHECK, 0, 0)));
        line += buf;
    }
    bool focused = false;
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof(gui);
    if (GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &gui)) focused = gui.hwndFocus == hwnd;
    line += focused ? ",\"focus\":1}" : ",\"focus\":0}";
    std::fprintf(gOut, "%s\n", line.c_str());
}

struct DumpState {
    HWND top;
};

BOOL CALLBACK DumpChild(HWND child, LPARAM param) {
    auto* state = reinterpret_cast<DumpState*>(param);
    int depth = 0;
    for (HWND p = child; p && p != state->top; p = GetParent(p)) ++depth;
    ReportWindow(child, state->top, depth);
    return TRUE;
}

HWND FindTop(const std::wstring& title) {
    HWND found = nullptr;
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        if (IsWindowVisible(hwnd) && WindowText(hwnd) == title) { found = hwnd; break; }
    return found;
}

bool AnyWindowTitled(const std::wstring& title) {
    for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        if (WindowText(hwnd) == title) return true;
    return false;
}

LRESULT CALLBACK StealProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int Steal(int ms) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = StealProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvantoProbeWindow";
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 1000, 600, 200, 100,
                                nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(hwnd);
    std::fprintf(gOut, "{\"foreground\":%d}\n", GetForegroundWindow() == hwnd ? 1 : 0);
    std::fflush(gOut);
    DWORD end = GetTickCount() + DWORD(ms);
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    DestroyWindow(hwnd);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    gOut = _wfopen(argv[1], L"wb");
    if (!gOut) return 2;
    std::wstring command = argv[2];
    int rc = 0;
    if ((command == L"wait" || command == L"gone") && argc >= 5) {
        DWORD end = GetTickCount() + DWORD(_wtoi(argv[4]));
        bool wantPresent = command == L"wait";
        bool ok = false;
        for (;;) {
            bool present = wantPresent ? FindTop(argv[3]) != nullptr : AnyWindowTitled(argv[3]);
            if (present == wantPresent) { ok = true; break; }
            if (GetTickCount() > end) break;
            Sleep(20);
        }
        std::fprintf(gOut, "{\"ok\":%d}\n", ok ? 1 : 0);
        rc = ok ? 0 : 1;
    } else if (command == L"dump" && argc >= 4) {
        HWND top = FindTop(argv[3]);
        if (!top) {
            rc = 1;
        } else {
            ReportWindow(top, top, 0);
            DumpState state{top};
            EnumChildWindows(top, DumpChild, LPARAM(&state));
        }
    } else if (command == L"windows") {
        for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
            if (IsWindowVisible(hwnd)) ReportWindow(hwnd, hwnd, 0);
    } else if (command == L"foreground") {
        HWND fg = GetForegroundWindow();
        if (fg) ReportWindow(fg, fg, 0);
        else std::fprintf(gOut, "{}\n");
    } else if (command == L"steal" && argc >= 4) {
        rc = Steal(_wtoi(argv[3]));
    } else if (command == L"gdi" && argc >= 4) {
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, DWORD(_wtoi(argv[3])));
        DWORD gdi = process ? GetGuiResources(process, GR_GDIOBJECTS) : 0;
        DWORD user = process ? GetGuiResources(process, GR_USEROBJECTS) : 0;
        if (process) CloseHandle(process);
        std::fprintf(gOut, "{\"gdi\":%lu,\"user\":%lu}\n", gdi, user);
    } else {
        rc = 2;
    }
    std::fclose(gOut);
    return rc;
}
