// The one preference file the program has open at a time. Create and Open
// first close the open one (writing it when it must be written).
#pragma once

#include "app/text.h"
#include "settings/preference_format.h"

#include <cstdint>

namespace PreferenceFile {

// True when the file can be created or replaced. The old content stays until
// Close puts the new content in its place in one step.
bool Create(const Text& path);
// Reads and parses the whole file; false when it cannot be read.
bool Open(const Text& path);
bool SelectGroup(const Text& name);
void AddComment(const Text& text);
void WriteInteger(const Text& key, int32_t value);
void WriteString(const Text& key, const Text& value);
int64_t ReadInteger(const Text& key, int64_t fallback);
Text ReadString(const Text& key, const Text& fallback);
// Writes the file when it must be written; true unless that write failed.
bool Close();

}  // namespace PreferenceFile
