// Preference files in memory: lines of groups, comments and keys, how the
// bytes of a file are read into them and how they are written back.
// No Windows header: this builds on the host as well.
#pragma once

#include "app/text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class PreferenceLineKind : uint8_t { Group, Comment, Key };

// A piece of PreferenceDocument::store; lines keep no text of their own, so
// reading a large file costs no allocation per line.
struct TextSpan {
    uint32_t start = 0;
    uint32_t length = 0;
};

struct PreferenceLine {
    PreferenceLineKind kind = PreferenceLineKind::Key;
    TextSpan name;   // group name or key name
    TextSpan value;  // key value or comment text
};

struct PreferenceDocument {
    Text store;  // the decoded file, then every text written
    std::vector<PreferenceLine> lines;
    bool mustWrite = false;
    int64_t currentGroup = -1;  // index of the selected group line; -1: the lines before the first group
    bool groupPending = false;
    Text pendingGroup;
    int64_t lastWritten = -1;  // insertion point for comments; -1: top of the file

    // Key lookup for the current group, so that reading many keys stays linear.
    bool indexValid = false;
    size_t regionStart = 0;
    size_t regionEnd = 0;
    std::unordered_map<Text, size_t> keyIndex;  // lower-case key -> first line
};

TextView LineName(const PreferenceDocument& document, const PreferenceLine& line);
TextView LineValue(const PreferenceDocument& document, const PreferenceLine& line);

PreferenceDocument ParsePreferenceBytes(std::string_view bytes);
std::string SerializePreferenceDocument(const PreferenceDocument& document);

bool SelectPreferenceGroup(PreferenceDocument& document, TextView name);
void AddPreferenceComment(PreferenceDocument& document, TextView text);
void WritePreferenceString(PreferenceDocument& document, TextView key, TextView value);
void WritePreferenceInteger(PreferenceDocument& document, TextView key, int32_t value);

// Whether the key is in the current group (never while a selected group was
// not found); value is set when it is.
bool FindPreferenceValue(PreferenceDocument& document, TextView key, TextView& value);
int64_t ReadPreferenceInteger(PreferenceDocument& document, TextView key, int64_t fallback);
Text ReadPreferenceString(PreferenceDocument& document, TextView key, TextView fallback);

// Optional sign, then digits up to the first other character; no digits is 0.
// Values beyond the 32-bit range saturate at INT32_MIN / INT32_MAX.
int32_t ParsePreferenceInteger(TextView value);
