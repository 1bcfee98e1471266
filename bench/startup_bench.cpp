// Time from CreateProcessW to a visible window "Start": Orvanto.exe beside the
// bare window program, alternating in the same run, then the parts of
// Orvanto's start-up timed inside this process to show what dominates.
//   startup_bench [runs]      (Orvanto.exe and bare_window.exe are looked for
//                              beside this program and one folder up)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "browser/show_folder.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/windows.h"
#include "settings/settings_store.h"
#include "ui/color_schemes.h"
#include "ui/image_set.h"
#include "ui/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Minimum(const std::vector<double>& v) { return v.empty() ? -1 : *std::min_element(v.begin(), v.end()); }

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring FindBeside(const std::wstring& name) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring here = Folder(self);
    std::wstring up = Folder(here.substr(0, here.size() - 1));
    for (const std::wstring& folder : {here, up}) {
        std::wstring path = folder + name;
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
    }
    return {};
}

// The list view of the window has its rows (Orvanto's first folder listing).
bool ListFilled(HWND window) {
    HWND panel = FindWindowExW(window, nullptr, nullptr, nullptr);
    for (HWND child = panel; child; child = FindWindowExW(window, child, nullptr, nullptr))
        if (HWND list = FindWindowExW(child, nullptr, L"SysListView32", nullptr))
            return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0;
    return false;
}

HWND VisibleStartWindowOf(DWORD processId) {
    for (HWND w = FindWindowExW(nullptr, nullptr, nullptr, L"Start"); w;
         w = FindWindowExW(nullptr, w, nullptr, L"Start")) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

struct StartTimes {
    double visible = -1;  // the window "Start" is visible
    double ready = -1;    // and, with a list in it, the list has its rows
};

// Times from CreateProcessW; -1 when not reached in 20 s. The program is then
// closed and waited for, so the next start is clean.
StartTimes TimeToWindow(const std::wstring& exe) {
    std::wstring command = L"\"" + exe + L"\"";
    std::wstring folder = Folder(exe);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    Clock::time_point start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return {};
    HWND window = nullptr;
    StartTimes took;
    bool bare = exe.find(L"bare_window") != std::wstring::npos;
    while (Milliseconds(Clock::now() - start) < 20000) {
        if (!window) window = VisibleStartWindowOf(process.dwProcessId);
        if (window && took.visible < 0) took.visible = Milliseconds(Clock::now() - start);
        if (window && (bare || ListFilled(window))) {
            took.ready = Milliseconds(Clock::now() - start);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return took;
}

void PumpUntilIdle() {
    while (PollEvent().kind != EventKind::None) {
    }
}

struct Parts {
    std::vector<double> imageSet, build, paint, folder, banner, emptyWindow;
};

// Window 0 alone, opened and shown the way BuildMainWindow does, then closed.
double EmptyWindow() {
    Clock::time_point start = Clock::now();
    WindowSpec spec;
    spec.clientWidth = 730;
    spec.clientHeight = 676;
    spec.title = u"Start";
    OpenWindow(kMainWindow, spec);
    ShowAndActivateWindow(kMainWindow);
    double took = Milliseconds(Clock::now() - start);
    CloseWindowNumber(kMainWindow);
    PumpUntilIdle();
    return took;
}

// The start-up steps of Orvanto, one after the other, in this process.
void TimeParts(Parts& parts) {
    Clock::time_point t0 = Clock::now();
    BuildColorSchemeTable();
    LoadImageSet();
    Clock::time_point t1 = Clock::now();
    BuildMainWindow();
    Clock::time_point t2 = Clock::now();
    PumpUntilIdle();
    Clock::time_point t3 = Clock::now();
    ShowFolder(gAppPaths.CurrentFolder);
    PumpUntilIdle();
    Clock::time_point t4 = Clock::now();
    Picture* banner = MakeGradientImage(32, 656, RGB(0, 230, 0), RGB(0, 0, 255));
    Clock::time_point t5 = Clock::now();
    FreePicture(banner);
    parts.imageSet.push_back(Milliseconds(t1 - t0));
    parts.build.push_back(Milliseconds(t2 - t1));
    parts.paint.push_back(Milliseconds(t3 - t2));
    parts.folder.push_back(Milliseconds(t4 - t3));
    parts.banner.push_back(Milliseconds(t5 - t4));
    parts.emptyWindow.push_back(EmptyWindow());
    DestroyListedIcons();
    gListedItems.clear();
    CloseWindowNumber(kMainWindow);
    PumpUntilIdle();
    FreeAllPictures();
    FreeAllFonts();
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::wstring orvanto = FindBeside(L"Orvanto.exe");
    std::wstring bare = FindBeside(L"bare_window.exe");
    if (orvanto.empty() || bare.empty()) {
        std::printf("Orvanto.exe or bare_window.exe not found beside the benchmark\n");
        return 1;
    }
    // A first start of each warms the prefix and the file cache.
    TimeToWindow(bare);
    TimeToWindow(orvanto);
    std::vector<double> bareTimes, visibleTimes, readyTimes;
    int failed = 0;
    for (int i = 0; i < runs; ++i) {
        StartTimes b = TimeToWindow(bare);
        StartTimes o = TimeToWindow(orvanto);
        if (b.visible < 0 || o.visible < 0 || o.ready < 0) {
            ++failed;
            continue;
        }
        bareTimes.push_back(b.visible);
        visibleTimes.push_back(o.visible);
        readyTimes.push_back(o.ready);
    }
    double bareMedian = Median(bareTimes);
    std::printf("From CreateProcessW, %zu runs each, alternating (%d failed):\n", bareTimes.size(), failed);
    std::printf("  bare window visible          median %7.1f ms  min %7.1f ms\n", bareMedian, Minimum(bareTimes));
    std::printf("  Orvanto window visible       median %7.1f ms  min %7.1f ms  ratio %.2f\n", Median(visibleTimes),
                Minimum(visibleTimes), Median(visibleTimes) / bareMedian);
    std::printf("  Orvanto list filled (ready)  median %7.1f ms  min %7.1f ms  ratio %.2f\n", Median(readyTimes),
                Minimum(readyTimes), Median(readyTimes) / bareMedian);

    InitPlatform();
    InitSettings(ReadProfileFolder());
    gAppPaths.CurrentFolder = gSettings.StartMode == 1 ? u"Programs\\" : u"";
    Parts parts;
    for (int i = 0; i < runs; ++i) TimeParts(parts);
    std::printf("Orvanto's start-up steps inside this process (medians of %d):\n", runs);
    std::printf("  colour table and image set decoding  %7.2f ms\n", Median(parts.imageSet));
    std::printf("  BuildMainWindow call                 %7.2f ms  (of which the banner gradient alone %.2f ms)\n",
                Median(parts.build), Median(parts.banner));
    std::printf("    an empty window 0 opened and shown alone %7.2f ms; the rest is fonts and the 21 controls\n",
                Median(parts.emptyWindow));
    std::printf("  painting until the queue is idle     %7.2f ms\n", Median(parts.paint));
    std::printf("  first folder listing                 %7.2f ms\n", Median(parts.folder));
    return 0;
}
