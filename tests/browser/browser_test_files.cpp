#include "tests/browser/browser_test_files.h"

#include <windows.h>

#include <cstdio>

#include "platform/files.h"
#include "platform/long_path.h"
#include "platform/wide.h"

bool MakeFolders(MadePaths& made, const Text& folder) {
    for (size_t slash = folder.find(u'\\', 3); slash != Text::npos; slash = folder.find(u'\\', slash + 1)) {
        Text part = folder.substr(0, slash + 1);
        if (FolderExists(part)) continue;
        if (!CreateFolder(part)) return false;
        made.folders.push_back(part);
    }
    return true;
}

bool MakeFile(MadePaths& made, const Text& path, const std::string& bytes) {
    if (!MakeFolders(made, FolderPart(path))) return false;
    HANDLE file = CreateFileW(Wide(ExtendedLengthPath(path)), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    made.files.push_back(path);
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        DWORD got = 0;
        DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 24));
        ok = WriteFile(file, bytes.data() + done, chunk, &got, nullptr) && got > 0;
        done += got;
    }
    CloseHandle(file);
    return ok;
}

void RemoveMade(MadePaths& made) {
    for (const Text& file : made.files) RemoveFile(file);
    for (auto it = made.folders.rbegin(); it != made.folders.rend(); ++it) RemoveDirectoryW(Wide(ExtendedLengthPath(*it)));
    made = MadePaths();
}

std::string ReadFixture(const char* relative) {
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("tests/browser/")) + "tests/data/" + relative;
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
        std::fclose(f);
    }
    return bytes;
}
