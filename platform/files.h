// Files, folders and the process's environment.
#pragma once

#include "app/text.h"

bool PathExists(const Text& path);    // file or folder
bool FileExists(const Text& path);    // file only
bool FolderExists(const Text& path);  // folder only
bool CreateFolder(const Text& path);  // a single level
Text ReadEnvironmentVariable(const Text& name);  // empty when unset
Text ExecutableFolder();   // folder of the running exe, with trailing backslash
Text ReadProfileFolder();  // the user profile folder, with trailing backslash
