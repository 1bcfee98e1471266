#include "platform/files.h"

#include "platform/long_path.h"
#include "platform/wide.h"

#include <algorithm>

#include <windows.h>
#include <shlobj.h>

namespace {

const uint64_t kLargestReadableFile = uint64_t(1) << 30;
ReplaceFault gReplaceFault = ReplaceFault::None;

DWORD AttributesOf(const Text& path) {
    if (path.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(Wide(ExtendedLengthPath(path)));
}

HANDLE OpenForWriting(const Text& path, DWORD disposition, DWORD flags) {
    return CreateFileW(Wide(ExtendedLengthPath(path)), GENERIC_WRITE, 0, nullptr, disposition, flags, nullptr);
}

bool WriteAll(HANDLE file, const std::string& bytes, size_t count) {
    size_t done = 0;
    while (done < count) {
        DWORD chunk = DWORD(std::min<size_t>(count - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

bool PathExists(const Text& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool FileExists(const Text& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const Text& path) {
    DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const Text& path, std::string& bytes, bool exclusive) {
    bytes.clear();
    if (path.empty()) return false;
    DWORD share = exclusive ? 0 : (FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    HANDLE file = CreateFileW(Wide(ExtendedLengthPath(path)), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && uint64_t(size.QuadPart) <= kLargestReadableFile;
    if (ok) {
        bytes.resize(size_t(size.QuadPart));
        size_t done = 0;
        while (done < bytes.size()) {
            DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 24));
            DWORD got = 0;
            if (!ReadFile(file, bytes.data() + done, chunk, &got, nullptr)) { ok = false; break; }
            if (got == 0) break;  // the file became shorter while we read
            done += got;
        }
        bytes.resize(ok ? done : 0);
    }
    CloseHandle(file);
    return ok;
}

bool CreateFolder(const Text& path) {
    if (path.empty()) return false;
    if (CreateDirectoryW(Wide(ExtendedLengthPath(path)), nullptr)) return true;
    return FolderExists(path);
}

std::vector<FolderEntry> EnumerateFiles(const Text& folder, const Text& pattern) {
    std::vector<FolderEntry> entries;
    if (folder.empty()) return entries;
    Text query = folder;
    if (!EndsWith(query, u"\\")) query += u'\\';
    query += pattern;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(ExtendedLengthPath(query)), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        Text name = FromWide(found.cFileName);
        if (name == u"." || name == u"..") continue;
        entries.push_back({std::move(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

std::vector<FolderEntry> EnumerateFolder(const Text& folder) { return EnumerateFiles(folder, u"*"); }

Text TemporaryFileFor(const Text& path) { return path + u".tmp"; }

bool CanCreateOrReplaceFile(const Text& path) {
    Text folder = FolderPart(path);
    if (folder.empty() || folder.size() == path.size() || !FolderExists(folder)) return false;
    DWORD attributes = AttributesOf(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
        HANDLE existing = CreateFileW(Wide(ExtendedLengthPath(path)), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (existing == INVALID_HANDLE_VALUE) return false;
        CloseHandle(existing);
    }
    HANDLE probe = OpenForWriting(TemporaryFileFor(path), CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    return true;
}

bool ReplaceFileContent(const Text& path, const std::string& bytes) {
    ReplaceFault fault = gReplaceFault;
    gReplaceFault = ReplaceFault::None;
    if (FolderPart(path).empty()) return false;
    const Text temporary = TemporaryFileFor(path);
    HANDLE file = OpenForWriting(temporary, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok;
    if (fault == ReplaceFault::TempWrite) {
        WriteAll(file, bytes, bytes.size() / 2);
        ok = false;
    } else {
        ok = WriteAll(file, bytes, bytes.size()) && FlushFileBuffers(file);
    }
    CloseHandle(file);
    if (ok && fault != ReplaceFault::Replace)
        ok = MoveFileExW(Wide(ExtendedLengthPath(temporary)), Wide(ExtendedLengthPath(path)),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    else
        ok = false;
    if (!ok) DeleteFileW(Wide(ExtendedLengthPath(temporary)));
    return ok;
}

void InjectReplaceFault(ReplaceFault fault) { gReplaceFault = fault; }

bool RemoveFile(const Text& path) { return !path.empty() && DeleteFileW(Wide(ExtendedLengthPath(path))); }

Text ReadProfileFolder() {
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetFolderLocation(nullptr, CSIDL_PROFILE, nullptr, 0, &list)) || !list) return Text();
    wchar_t buffer[MAX_PATH + 1] = {};
    BOOL ok = SHGetPathFromIDListW(list, buffer);
    CoTaskMemFree(list);
    if (!ok) return Text();
    Text folder = FromWide(buffer);
    if (!folder.empty() && !EndsWith(folder, u"\\")) folder += u'\\';
    return folder;
}

Text ReadEnvironmentVariable(const Text& name) {
    if (name.empty()) return Text();
    DWORD room = GetEnvironmentVariableW(Wide(name), nullptr, 0);
    // The variable may change between the calls; a few tries are enough.
    for (int attempt = 0; attempt < 4 && room > 0; ++attempt) {
        Text value(room, u'\0');
        DWORD got = GetEnvironmentVariableW(Wide(name), WideBuffer(value), room);
        if (got < room) {
            value.resize(got);
            return value;
        }
        room = got;
    }
    return Text();
}

int ReadLocalDayOfMonth() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wDay;
}

Text ExecutableFolder() {
    for (DWORD room = MAX_PATH; room <= 32768; room *= 2) {
        Text path(room, u'\0');
        DWORD got = GetModuleFileNameW(nullptr, WideBuffer(path), room);
        if (got == 0) return Text();
        if (got < room) {
            path.resize(got);
            return FolderPart(path);
        }
    }
    return Text();
}
