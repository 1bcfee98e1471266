// Files and folders, the profile folder, the environment and the clock.
// Paths are full Win32 paths; long ones are passed in their extended form.
#pragma once

#include "app/text.h"

#include <string>
#include <vector>

bool PathExists(const Text& path);    // file or folder
bool FileExists(const Text& path);    // file only
bool FolderExists(const Text& path);  // folder only

// The whole file into bytes. exclusive: nobody else may open the file while
// it is read. False when it cannot be opened or read, or is larger than 1 GiB.
bool ReadWholeFile(const Text& path, std::string& bytes, bool exclusive);

// One level; true when the folder exists afterwards.
bool CreateFolder(const Text& path);

struct FolderEntry {
    Text name;
    bool isFolder = false;
};
// Entries matching the pattern ("*", "*.exe", ...) in file-system order,
// without "." and "..". folder ends with a backslash.
std::vector<FolderEntry> EnumerateFiles(const Text& folder, const Text& pattern);
std::vector<FolderEntry> EnumerateFolder(const Text& folder);

// Whether the file could be created or replaced now: the folder exists, a file
// of that name is neither read-only nor a folder nor locked against writing,
// and a new file can be made beside it. Nothing is changed.
bool CanCreateOrReplaceFile(const Text& path);
// Writes the bytes to a temporary file in the same folder, then replaces the
// target in one step. On failure the target is untouched and the temporary
// file is removed.
bool ReplaceFileContent(const Text& path, const std::string& bytes);
Text TemporaryFileFor(const Text& path);

// Tests make the next ReplaceFileContent fail at the given step.
enum class ReplaceFault { None, TempWrite, Replace };
void InjectReplaceFault(ReplaceFault fault);

bool RemoveFile(const Text& path);

// The user's profile folder with a trailing backslash; empty when unknown.
Text ReadProfileFolder();
// Empty when the variable is missing.
Text ReadEnvironmentVariable(const Text& name);
// 1 to 31.
int ReadLocalDayOfMonth();
// The folder of the running executable, up to and including its last backslash.
Text ExecutableFolder();
