// A fresh folder under the temporary folder for one test, removed with its
// files afterwards (read-only marks are cleared first).
#pragma once

#include "app/text.h"
#include "platform/wide.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

inline Text MakeScratchFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    Text folder = FromWide(temp) + u"orvanto-settings-" + DecimalText(GetCurrentProcessId()) + u"-" +
                  DecimalText(++counter) + u"\\";
    CreateDirectoryW(Wide(folder), nullptr);
    return folder;
}

inline void RemoveScratchFolder(const Text& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(folder + u"*"), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            Text name = FromWide(found.cFileName);
            if (name == u"." || name == u"..") continue;
            Text path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveScratchFolder(path + u"\\");
            } else {
                SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(Wide(path));
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(Wide(folder));
}

inline bool WriteBytes(const Text& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

inline std::string ReadBytes(const Text& path) {
    std::string bytes;
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<no file>";
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

struct ScratchFolderTest : ::testing::Test {
    Text folder;
    void SetUp() override { folder = MakeScratchFolder(); }
    void TearDown() override { RemoveScratchFolder(folder); }
};
