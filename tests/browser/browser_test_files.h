// Files and folders that a test makes under C:\ in the test prefix and takes
// away again, and the fixtures of tests/data.
#pragma once

#include "app/text.h"

#include <string>
#include <vector>

struct MadePaths {
    std::vector<Text> files;
    std::vector<Text> folders;  // in the order made; removed in reverse
};

// Makes every missing folder of the path (which ends in a backslash).
bool MakeFolders(MadePaths& made, const Text& folder);
// Makes the folders above path and the file with these bytes.
bool MakeFile(MadePaths& made, const Text& path, const std::string& bytes);
void RemoveMade(MadePaths& made);

std::string ReadFixture(const char* relative);  // e.g. "real/lnk/x.lnk"; empty when missing
