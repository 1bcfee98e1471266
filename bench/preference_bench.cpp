// Reading a preference file of 1, 2 and 4 MB: the file read alone beside the
// read with parsing, and with every key looked up. Best of several runs.
#include "platform/files.h"
#include "settings/preference_file.h"
#include "settings/preference_format.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

std::string MakeFile(size_t bytes, int& keys) {
    std::string content = "\xEF\xBB\xBF\r\n; Orvanto ConfigurationsFile\r\n[List]\r\n";
    keys = 0;
    while (content.size() < bytes) {
        content += std::to_string(keys) + " = Programm " + std::to_string(keys) +
                   "|C:\\Program Files\\Werkzeug\\werkzeug.exe|-a -b \xC3\xA4\xC3\xB6\xC3\xBC\r\n";
        ++keys;
    }
    return content;
}

template <typename Work>
double BestMilliseconds(Work work) {
    double best = 1e300;
    for (int run = 0; run < 9; ++run) {
        auto start = std::chrono::steady_clock::now();
        work();
        std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        if (spent.count() < best) best = spent.count();
    }
    return best;
}

}  // namespace

int main() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    const Text path = Text(reinterpret_cast<const char16_t*>(temp)) + u"orvanto-preference-bench.lst";
    std::printf("%-6s %10s %10s %12s %11s %13s %9s\n", "size", "read ms", "parse ms", "lookups ms", "parse/read",
                "lookups/read", "ms per MB");
    double firstPerMegabyte = 0;
    for (size_t megabytes : {1, 2, 4}) {
        int keys = 0;
        const std::string content = MakeFile(megabytes << 20, keys);
        if (!ReplaceFileContent(path, content)) {
            std::printf("cannot write %zu MB file\n", megabytes);
            return 1;
        }
        size_t sink = 0;
        double read = BestMilliseconds([&] {
            std::string bytes;
            ReadWholeFile(path, bytes, false);
            sink += bytes.size();
        });
        double parse = BestMilliseconds([&] {
            std::string bytes;
            ReadWholeFile(path, bytes, false);
            sink += ParsePreferenceBytes(bytes).lines.size();
        });
        double lookups = BestMilliseconds([&] {
            PreferenceFile::Open(path);
            PreferenceFile::SelectGroup(u"List");
            for (int i = 0; i < keys; ++i) sink += PreferenceFile::ReadString(DecimalText(i), Text()).size();
            PreferenceFile::Close();
        });
        double perMegabyte = lookups / double(megabytes);
        if (megabytes == 1) firstPerMegabyte = perMegabyte;
        std::printf("%-3zu MB %10.2f %10.2f %12.2f %10.1fx %12.1fx %9.2f  (%d keys, %.2fx the 1 MB cost per MB)\n",
                    megabytes, read, parse, lookups, parse / read, lookups / read, perMegabyte, keys,
                    perMegabyte / firstPerMegabyte);
        if (sink == 0) std::printf("nothing read\n");
    }
    RemoveFile(path);
    return 0;
}
