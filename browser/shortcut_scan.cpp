#include "browser/shortcut_scan.h"

#include <cstring>
#include <unordered_set>

namespace {

// No Win32 path is longer than 32767 characters, and no decoding used here
// takes more than 3 bytes per character.
constexpr size_t LongestDriveText = 3 * 32767;
// %-texts in shortcut files sit in 260-character fields; a longer one is
// passed over, which bounds the work per '%' byte.
constexpr size_t LongestEnvironmentText = 1040;
// A crafted file of nothing but percent signs and zeros would still cost
// length x 1040; past this many units read the environment pass gives up.
constexpr size_t EnvironmentPassBudget = size_t(64) << 20;
// Remembered failures, bounded so a crafted file cannot fill the memory.
constexpr size_t RememberedFailures = 4096;

// Zero-terminated 8-bit texts that start inside one run without zero bytes
// all end at the same zero; remembering it keeps the scan linear even for a
// file made only of drive paths.
struct ZeroFinder8 {
    std::string_view content;
    size_t nextZero = 0;  // first zero at or after the last start; size() when none
    bool known = false;

    size_t EndOf(size_t start) {
        if (!known || nextZero < start) {
            const void* hit = std::memchr(content.data() + start, 0, content.size() - start);
            nextZero = hit ? size_t(static_cast<const char*>(hit) - content.data()) : content.size();
            known = true;
        }
        return nextZero;
    }
};

// The same for 16-bit units read from any byte offset; one finder per parity.
struct ZeroFinder16 {
    std::string_view content;
    size_t nextZero[2] = {0, 0};
    bool known[2] = {false, false};

    unsigned char At(size_t i) const { return i < content.size() ? static_cast<unsigned char>(content[i]) : 0; }
    char16_t UnitAt(size_t i) const { return char16_t(At(i) | (At(i + 1) << 8)); }

    size_t EndOf(size_t start) {
        int parity = int(start & 1);
        if (!known[parity] || nextZero[parity] < start) {
            size_t j = start;
            while (j < content.size() && UnitAt(j) != 0) j += 2;
            nextZero[parity] = j;
            known[parity] = true;
        }
        return nextZero[parity];
    }
};

bool IsDriveMatch(std::string_view content, size_t i) {
    return content[i] == ':' && content[i + 1] == '\\';
}

// ':' cannot occur in a file or folder name, so a text holding a second one
// names nothing. Only the last drive path of a run without zeros can
// therefore match, which keeps the scan linear: each search ends at the next
// colon, where the next match can begin at the earliest.
bool HasLaterColon(std::string_view content, size_t colon, size_t end) {
    return std::memchr(content.data() + colon + 1, ':', end - colon - 1) != nullptr;
}

// Calls accept(bytes) for each drive-path candidate in order until it returns true.
template <typename Accept>
bool ForEachDriveCandidate(std::string_view content, Accept accept) {
    if (content.size() < 5) return false;
    ZeroFinder8 zeros{content};
    for (size_t i = 1; i + 4 <= content.size(); ++i) {
        if (!IsDriveMatch(content, i)) continue;
        size_t start = i - 1;
        size_t end = zeros.EndOf(start);
        if (end == start) continue;  // the drive letter is a zero byte: an empty text
        if (end - start > LongestDriveText || HasLaterColon(content, i, end)) continue;
        if (accept(content.substr(start, end - start))) return true;
    }
    return false;
}

// A failed candidate is not tested again: shortcut files repeat their paths.
struct TriedPaths {
    std::unordered_set<Text> failed;
    bool Test(const Text& candidate, const PathTest& exists) {
        if (failed.count(candidate)) return false;
        if (exists(candidate)) return true;
        if (failed.size() < RememberedFailures) failed.insert(candidate);
        return false;
    }
};

}  // namespace

Text ScanShortcutTarget(std::string_view content, const AnsiDecoder& decodeAnsi,
                        const PathTest& fileOrFolderExists) {
    Text found;
    TriedPaths tried;
    ForEachDriveCandidate(content, [&](std::string_view bytes) {
        Text candidate = decodeAnsi(bytes);
        if (candidate.size() <= 3 || !tried.Test(candidate, fileOrFolderExists)) return false;
        found = std::move(candidate);
        return true;
    });
    return found;
}

Text ScanIconSource(std::string_view content, const PathTest& fileExists, const EnvironmentExpander& expand) {
    Text found;
    TriedPaths tried;
    bool hit = ForEachDriveCandidate(content, [&](std::string_view bytes) {
        Text candidate = Utf8ToText(bytes);
        if (candidate.size() <= 3 || !tried.Test(candidate, fileExists)) return false;
        found = std::move(candidate);
        return true;
    });
    if (hit || content.size() < 4) return found;

    ZeroFinder16 zeros{content};
    std::unordered_set<Text> expanded;
    size_t budget = EnvironmentPassBudget;
    for (size_t j = 0; j + 4 <= content.size(); ++j) {
        if (content[j] != '%') continue;
        size_t end = zeros.EndOf(j);
        size_t units = (end - j + 1) / 2;
        if (units > LongestEnvironmentText) continue;
        if (units > budget) break;
        budget -= units;
        Text raw;
        raw.reserve((end - j) / 2);
        for (size_t k = j; k < end; k += 2) raw.push_back(zeros.UnitAt(k));
        // The same reference text expands the same way; skip repeats.
        if (expanded.count(raw)) continue;
        if (expanded.size() < RememberedFailures) expanded.insert(raw);
        Text candidate = expand(raw);
        if (candidate.size() > 3 && tried.Test(candidate, fileExists)) return candidate;
    }
    return Text();
}

bool IsShortcutPath(TextView path) { return LowerExtension(path) == u"lnk"; }
