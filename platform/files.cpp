#include "platform/files.h"

#include "platform/wide.h"

#include <windows.h>
#include <shlobj.h>

namespace {

DWORD Attributes(const Text& path) { return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Wide(path)); }

}  // namespace

bool PathExists(const Text& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool FileExists(const Text& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const Text& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const Text& path) { return !path.empty() && CreateDirectoryW(Wide(path), nullptr); }

Text ReadEnvironmentVariable(const Text& name) {
    DWORD needed = GetEnvironmentVariableW(Wide(name), nullptr, 0);
    if (needed == 0) return Text();
    Text value(needed, u'\0');
    DWORD got = GetEnvironmentVariableW(Wide(name), WideBuffer(value), needed);
    value.resize(got < needed ? got : 0);
    return value;
}

Text ExecutableFolder() {
    Text path(32768, u'\0');
    DWORD length = GetModuleFileNameW(nullptr, WideBuffer(path), DWORD(path.size()));
    path.resize(length);
    return FolderPart(path);
}

Text ReadProfileFolder() {
    PIDLIST_ABSOLUTE list = nullptr;
    Text folder;
    if (SUCCEEDED(SHGetFolderLocation(nullptr, CSIDL_PROFILE, nullptr, 0, &list))) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(list, path)) folder = FromWide(path);
        CoTaskMemFree(list);
    }
    if (!folder.empty() && !EndsWith(folder, u"\\")) folder += u'\\';
    return folder;
}
