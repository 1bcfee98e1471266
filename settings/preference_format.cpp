#include "settings/preference_format.h"

#include <limits>

namespace {

bool IsBlankOrTab(char16_t c) { return c == u' ' || c == u'\t'; }

TextView TrimBlanksAndTabs(TextView text) {
    size_t first = 0;
    while (first < text.size() && IsBlankOrTab(text[first])) ++first;
    size_t last = text.size();
    while (last > first && IsBlankOrTab(text[last - 1])) --last;
    return text.substr(first, last - first);
}

TextView TrimTrailingBlanksAndTabs(TextView text) {
    size_t last = text.size();
    while (last > 0 && IsBlankOrTab(text[last - 1])) --last;
    return text.substr(0, last);
}

// A line holding only blanks and tabs has no first character and is skipped.
void AppendParsedLine(PreferenceDocument& document, TextView line) {
    size_t start = 0;
    while (start < line.size() && IsBlankOrTab(line[start])) ++start;
    if (start == line.size()) return;
    TextView rest = line.substr(start);
    PreferenceLine parsed;
    if (rest[0] == u';') {
        parsed.kind = PreferenceLineKind::Comment;
        size_t textStart = (rest.size() > 1 && rest[1] == u' ') ? 2 : 1;
        parsed.value = Text(rest.substr(textStart));
    } else if (rest[0] == u'[') {
        parsed.kind = PreferenceLineKind::Group;
        size_t close = rest.find(u']', 1);
        parsed.name = Text(rest.substr(1, close == TextView::npos ? TextView::npos : close - 1));
    } else {
        parsed.kind = PreferenceLineKind::Key;
        size_t equals = rest.find(u'=');
        parsed.name = Text(TrimTrailingBlanksAndTabs(rest.substr(0, equals)));
        if (equals != TextView::npos) parsed.value = Text(TrimBlanksAndTabs(rest.substr(equals + 1)));
    }
    document.lines.push_back(std::move(parsed));
}

// The lines of the current group (after its group line up to the next one),
// or those before the first group line when no group is selected.
void EnsureKeyIndex(PreferenceDocument& document) {
    if (document.indexValid) return;
    const std::vector<PreferenceLine>& lines = document.lines;
    size_t start = document.currentGroup >= 0 ? size_t(document.currentGroup) + 1 : 0;
    size_t end = start;
    document.keyIndex.clear();
    while (end < lines.size() && lines[end].kind != PreferenceLineKind::Group) {
        if (lines[end].kind == PreferenceLineKind::Key) document.keyIndex.emplace(AsciiLowerText(lines[end].name), end);
        ++end;
    }
    document.regionStart = start;
    document.regionEnd = end;
    document.indexValid = true;
}

void InsertLine(PreferenceDocument& document, size_t position, PreferenceLine line) {
    const bool isGroup = line.kind == PreferenceLineKind::Group;
    const bool isKey = line.kind == PreferenceLineKind::Key;
    Text lowerKey = isKey ? AsciiLowerText(line.name) : Text();
    document.lines.insert(document.lines.begin() + int64_t(position), std::move(line));
    if (document.currentGroup >= 0 && int64_t(position) <= document.currentGroup) ++document.currentGroup;
    document.lastWritten = int64_t(position);
    document.mustWrite = true;
    if (!document.indexValid) return;
    if (position == document.regionEnd && !isGroup) {
        // The usual case, writing from scratch: the group grows at its end.
        ++document.regionEnd;
        if (isKey) document.keyIndex.emplace(std::move(lowerKey), position);
    } else if (position < document.regionEnd) {
        document.indexValid = false;
    }
}

void ActivatePendingGroup(PreferenceDocument& document) {
    if (!document.groupPending) return;
    PreferenceLine group;
    group.kind = PreferenceLineKind::Group;
    group.name = std::move(document.pendingGroup);
    InsertLine(document, document.lines.size(), std::move(group));
    document.currentGroup = int64_t(document.lines.size()) - 1;
    document.groupPending = false;
    document.pendingGroup.clear();
    document.indexValid = false;
}

int64_t FindKeyLine(PreferenceDocument& document, TextView key) {
    if (document.groupPending) return -1;
    EnsureKeyIndex(document);
    auto found = document.keyIndex.find(AsciiLowerText(key));
    return found == document.keyIndex.end() ? -1 : int64_t(found->second);
}

// A CR or LF inside a text would split its line and could forge groups or
// keys on the next read; it is written as a blank instead.
void AppendLineText(std::string& out, TextView text) {
    size_t from = out.size();
    out += TextToUtf8(text);
    for (size_t i = from; i < out.size(); ++i)
        if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
}

}  // namespace

PreferenceDocument ParsePreferenceBytes(std::string_view bytes) {
    PreferenceDocument document;
    const bool utf8 = bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
                      static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF;
    if (utf8) bytes.remove_prefix(3);
    size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == '\r' || bytes[i] == '\n') { ++i; continue; }
        size_t end = bytes.find_first_of("\r\n", i);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view raw = bytes.substr(i, end - i);
        AppendParsedLine(document, utf8 ? Utf8ToText(raw) : Latin1ToText(raw));
        i = end;
    }
    return document;
}

std::string SerializePreferenceDocument(const PreferenceDocument& document) {
    std::string out = "\xEF\xBB\xBF\r\n";
    for (const PreferenceLine& line : document.lines) {
        switch (line.kind) {
        case PreferenceLineKind::Group:
            out += '[';
            AppendLineText(out, line.name);
            out += ']';
            break;
        case PreferenceLineKind::Comment:
            out += "; ";
            AppendLineText(out, line.value);
            break;
        case PreferenceLineKind::Key:
            AppendLineText(out, line.name);
            out += " = ";
            AppendLineText(out, line.value);
            break;
        }
        out += "\r\n";
    }
    return out;
}

bool SelectPreferenceGroup(PreferenceDocument& document, TextView name) {
    document.indexValid = false;
    for (size_t i = 0; i < document.lines.size(); ++i) {
        const PreferenceLine& line = document.lines[i];
        if (line.kind == PreferenceLineKind::Group && EqualsIgnoringAsciiCase(line.name, name)) {
            document.currentGroup = int64_t(i);
            document.groupPending = false;
            document.pendingGroup.clear();
            return true;
        }
    }
    document.groupPending = true;
    document.pendingGroup = Text(name);
    return false;
}

void AddPreferenceComment(PreferenceDocument& document, TextView text) {
    ActivatePendingGroup(document);
    PreferenceLine comment;
    comment.kind = PreferenceLineKind::Comment;
    comment.value = Text(text);
    InsertLine(document, size_t(document.lastWritten + 1), std::move(comment));
}

void WritePreferenceString(PreferenceDocument& document, TextView key, TextView value) {
    ActivatePendingGroup(document);
    int64_t existing = FindKeyLine(document, key);
    if (existing >= 0) {
        document.lines[size_t(existing)].value = Text(value);
        document.lastWritten = existing;
        document.mustWrite = true;
        return;
    }
    PreferenceLine line;
    line.kind = PreferenceLineKind::Key;
    line.name = Text(key);
    line.value = Text(value);
    InsertLine(document, document.regionEnd, std::move(line));
}

void WritePreferenceInteger(PreferenceDocument& document, TextView key, int32_t value) {
    WritePreferenceString(document, key, DecimalText(value));
}

const Text* FindPreferenceValue(PreferenceDocument& document, TextView key) {
    int64_t line = FindKeyLine(document, key);
    return line < 0 ? nullptr : &document.lines[size_t(line)].value;
}

int32_t ParsePreferenceInteger(TextView value) {
    int64_t wide = ParseLeadingInteger(value);
    if (wide > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (wide < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(wide);
}

int64_t ReadPreferenceInteger(PreferenceDocument& document, TextView key, int64_t fallback) {
    const Text* value = FindPreferenceValue(document, key);
    return value ? ParsePreferenceInteger(*value) : fallback;
}

Text ReadPreferenceString(PreferenceDocument& document, TextView key, TextView fallback) {
    const Text* value = FindPreferenceValue(document, key);
    return value ? *value : Text(fallback);
}
