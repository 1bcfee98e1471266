// Finding a target path in the raw bytes of a shortcut file, without reading
// its structure: every "X:\" in the bytes starts a candidate text.
//
// content is the whole file. Bytes past its end read as zero, as if the file
// were followed by 4 zero bytes, so every text ends inside the buffer.
#pragma once

#include "app/text.h"

#include <functional>
#include <string_view>

using AnsiDecoder = std::function<Text(std::string_view bytes)>;
using PathTest = std::function<bool(const Text& path)>;
using EnvironmentExpander = std::function<Text(const Text& text)>;

// First candidate of more than 3 characters, decoded by decodeAnsi, for which
// fileOrFolderExists holds; empty when there is none.
Text ScanShortcutTarget(std::string_view content, const AnsiDecoder& decodeAnsi,
                        const PathTest& fileOrFolderExists);

// First 8-bit candidate decoded as UTF-8 that names a file; else the first
// UTF-16LE text starting at a '%' byte (any offset, odd too) that names a file
// once expanded; empty when there is none.
Text ScanIconSource(std::string_view content, const PathTest& fileExists, const EnvironmentExpander& expand);

bool IsShortcutPath(TextView path);  // extension "lnk" in any case
