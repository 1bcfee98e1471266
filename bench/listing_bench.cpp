// Listing a Start Menu folder merged over two roots against only enumerating
// the same folders, its growth with the folder size, and one search keystroke
// against enumerating the searched folder. Prints ratios measured side by side.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "browser/folder_listing.h"
#include "browser/item_icons.h"
#include "platform/files.h"
#include "platform/wide.h"

namespace {

const Text BenchRoot = u"C:\\orvanto-listing-bench\\";

std::vector<Text> gMadeFiles;
std::vector<Text> gMadeFolders;

bool MakeFolder(const Text& folder) {
    if (!CreateDirectoryW(Wide(folder), nullptr)) return FolderExists(folder);
    gMadeFolders.push_back(folder);
    return true;
}

bool MakeEmptyFile(const Text& path) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    gMadeFiles.push_back(path);
    return true;
}

void RemoveEverything() {
    for (const Text& file : gMadeFiles) DeleteFileW(Wide(file));
    for (auto it = gMadeFolders.rbegin(); it != gMadeFolders.rend(); ++it) RemoveDirectoryW(Wide(*it));
}

Text Numbered(const char16_t* stem, int n, const char16_t* extension) {
    Text digits = DecimalText(n);
    while (digits.size() < 5) digits.insert(digits.begin(), u'0');
    return Text(stem) + digits + extension;
}

// Two roots with count shortcuts each (every tenth name in both), a few
// folders and the files the filter drops.
bool MakeRoots(const Text& base, int count, std::vector<Text>& roots) {
    roots = {base + u"user\\", base + u"common\\"};
    if (!MakeFolder(base)) return false;
    for (size_t r = 0; r < roots.size(); ++r) {
        if (!MakeFolder(roots[r]) || !MakeFolder(roots[r] + u"Programs\\")) return false;
        Text folder = roots[r] + u"Programs\\";
        for (int i = 0; i < count; ++i) {
            int n = (i % 10 == 0) ? i : i + int(r) * 1000000;
            if (!MakeEmptyFile(folder + Numbered(u"Program ", n, u".lnk"))) return false;
        }
        for (int i = 0; i < count / 50; ++i)
            if (!MakeFolder(folder + Numbered(u"Group ", i + int(r) * 1000000, u""))) return false;
        if (!MakeEmptyFile(folder + u"desktop.ini") || !MakeFolder(folder + u"Accessories\\")) return false;
    }
    return true;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

template <typename Work>
double TimeOnce(Work work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return Seconds(std::chrono::steady_clock::now() - start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Pair {
    double first, second;  // medians, seconds
};

// Runs a and b alternately so both see the same machine load.
template <typename A, typename B>
Pair Compare(int rounds, A a, B b) {
    std::vector<double> ta, tb;
    a();
    b();  // warm the caches of both
    for (int i = 0; i < rounds; ++i) {
        ta.push_back(TimeOnce(a));
        tb.push_back(TimeOnce(b));
    }
    return {Median(ta), Median(tb)};
}

volatile size_t gSink;

}  // namespace

int main() {
    std::vector<Text> roots2000;
    std::vector<std::vector<Text>> growthRoots(3);
    const int growthCounts[3] = {500, 2000, 8000};
    bool ok = MakeFolder(BenchRoot) && MakeRoots(BenchRoot + u"r2000\\", 2000, roots2000);
    for (int g = 0; g < 3 && ok; ++g)
        ok = g == 1 ? (growthRoots[g] = roots2000, true)
                    : MakeRoots(BenchRoot + u"g" + DecimalText(growthCounts[g]) + u"\\", growthCounts[g], growthRoots[g]);
    const Text searchFolder = BenchRoot + u"System32\\";
    ok = ok && MakeFolder(searchFolder);
    for (int i = 0; i < 5000 && ok; ++i) ok = MakeEmptyFile(searchFolder + Numbered(i % 2 ? u"tool" : u"app", i, u".exe"));
    for (int i = 0; i < 500 && ok; ++i) ok = MakeEmptyFile(searchFolder + Numbered(u"lib", i, u".dll"));
    if (!ok) {
        std::printf("could not make the bench folders\n");
        RemoveEverything();
        return 1;
    }

    const Text folder = u"Programs\\";
    const ListingOptions options{0, 1};
    ItemIconLookup trivial = [](const Text&) { return reinterpret_cast<HICON>(intptr_t(1)); };
    PictureIconMaker copy = [](int picture) { return reinterpret_cast<HICON>(intptr_t(picture)); };
    ItemIconLookup stock = [&copy](const Text& path) { return StockItemIcon(path, copy); };
    auto enumerate = [&](const std::vector<Text>& roots) {
        size_t n = 0;
        for (const Text& root : roots) n += EnumerateFolder(root + folder).size();
        gSink = n;
    };

    const int rounds = 15;
    Pair merge = Compare(rounds, [&] { gSink = CollectFolderItems(roots2000, folder, options, trivial).items.size(); },
                         [&] { enumerate(roots2000); });
    Pair merged = Compare(rounds, [&] { gSink = CollectFolderItems(roots2000, folder, options, stock).items.size(); },
                          [&] { enumerate(roots2000); });
    size_t listed = CollectFolderItems(roots2000, folder, options, trivial).items.size();
    std::printf("listing 2 x 2000 shortcuts (%zu rows)\n", listed);
    std::printf("  merge, trivial icon callback: %8.2f ms   enumerate only: %8.2f ms   ratio %.2f (goal <= 1.50)\n",
                merge.first * 1e3, merge.second * 1e3, merge.first / merge.second);
    std::printf("  merge, stock icons (existence test per row): %8.2f ms   enumerate only: %8.2f ms   ratio %.2f\n",
                merged.first * 1e3, merged.second * 1e3, merged.first / merged.second);

    std::printf("growth (2 roots, trivial icon callback)\n");
    double perEntryAt500 = 0;
    for (int g = 0; g < 3; ++g) {
        Pair p = Compare(9, [&] { gSink = CollectFolderItems(growthRoots[g], folder, options, trivial).items.size(); },
                         [&] { enumerate(growthRoots[g]); });
        double perEntry = p.first / (2.0 * growthCounts[g]) * 1e6;
        if (g == 0) perEntryAt500 = perEntry;
        std::printf("  %5d per root: merge %8.2f ms (%.2f us/entry, x%.2f of the 500 case)   enumerate %8.2f ms   ratio %.2f\n",
                    growthCounts[g], p.first * 1e3, perEntry, perEntry / perEntryAt500, p.second * 1e3,
                    p.first / p.second);
    }

    Pair search = Compare(rounds, [&] { gSink = MatchingPrograms(searchFolder, u"t").size(); },
                          [&] { gSink = EnumerateFiles(searchFolder, u"*.exe").size(); });
    std::printf("search keystroke \"t\" over 5000 .exe (+500 .dll): %8.2f ms   enumerate *.exe: %8.2f ms   ratio %.2f "
                "(goal <= 1.25), %zu hits\n",
                search.first * 1e3, search.second * 1e3, search.first / search.second,
                MatchingPrograms(searchFolder, u"t").size());

    RemoveEverything();
    return 0;
}
