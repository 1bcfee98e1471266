// Decoding the whole image set beside the cost of starting a bare window and
// a bare process, measured in the same run. Prints figures and ratios.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/image_bench_blocks.h"
#include "platform/pictures.h"
#include "platform/windows.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Open, show and paint a plain window, then close it.
double BareWindowStart() {
    Clock::time_point start = Clock::now();
    WindowSpec spec;
    spec.x = 10;
    spec.y = 10;
    spec.clientWidth = 300;
    spec.clientHeight = 200;
    spec.title = u"Bench";
    OpenWindow(9, spec);
    ShowAndActivateWindow(9);
    while (PollEvent().kind != EventKind::None) {
    }
    CloseWindowNumber(9);
    while (PollEvent().kind != EventKind::None) {
    }
    return Milliseconds(Clock::now() - start);
}

// Start this program again with "--exit" and wait until it has ended.
double BareProcessStart() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t command[MAX_PATH + 16];
    std::swprintf(command, MAX_PATH + 16, L"\"%ls\" --exit", path);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    Clock::time_point start = Clock::now();
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    double took = Milliseconds(Clock::now() - start);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return took;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--exit") == 0) return 0;
    InitPlatform();
    ImageBlocks blocks;
    GatherImageBlocks(blocks);

    const int rounds = 15;
    std::vector<double> decode, window, process;
    int decoded = 0;
    BareWindowStart();  // the first window pays for class registration and driver start
    for (int i = 0; i < rounds; ++i) {
        FreeAllPictures();
        Clock::time_point start = Clock::now();
        decoded = blocks.Embedded ? (LoadImageSet(), ImageSetCount) : DecodeImageBlocks(blocks);
        decode.push_back(Milliseconds(Clock::now() - start));
        window.push_back(BareWindowStart());
        if (i < 7) process.push_back(BareProcessStart());
    }
    int present = 0;
    for (int n = 0; n < ImageSetCount; ++n) present += NumberedPicture(n) != nullptr;
    FreeAllPictures();

    double d = Median(decode), w = Median(window), p = Median(process);
    std::printf("image set (%s): %d of %d pictures decoded\n", blocks.Embedded ? "embedded" : "files of assets/", present,
                ImageSetCount);
    std::printf("decode whole set     median %8.3f ms  (min %.3f, %d rounds)\n", d,
                *std::min_element(decode.begin(), decode.end()), rounds);
    std::printf("bare window start    median %8.3f ms  (open, show, paint, close)\n", w);
    std::printf("bare process start   median %8.3f ms  (CreateProcess to exit)\n", p);
    std::printf("ratio decode / window  %.3f   (aim: below 0.1)\n", d / w);
    std::printf("ratio decode / process %.3f\n", d / p);
    (void)decoded;
    return 0;
}
