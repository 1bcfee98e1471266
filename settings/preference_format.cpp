#include "settings/preference_format.h"

#include <algorithm>
#include <limits>

namespace {

bool IsBlankOrTab(char16_t c) { return c == u' ' || c == u'\t'; }

TextSpan SpanOf(size_t start, size_t length) { return TextSpan{uint32_t(start), uint32_t(length)}; }

TextSpan StoreText(PreferenceDocument& document, TextView text) {
    TextSpan span = SpanOf(document.store.size(), text.size());
    document.store.append(text);
    return span;
}

TextView SpanText(const PreferenceDocument& document, TextSpan span) {
    return TextView(document.store).substr(span.start, span.length);
}

// ASCII and Latin-1 widen byte by byte; only the non-ASCII runs of a UTF-8
// file go through the decoder, which never takes an ASCII byte into a
// broken sequence.
Text DecodeFile(std::string_view bytes, bool utf8) {
    Text text(bytes.size(), u'\0');
    size_t written = 0;
    for (size_t i = 0; i < bytes.size();) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 || !utf8) {
            text[written++] = b;
            ++i;
            continue;
        }
        size_t end = i;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80) ++end;
        Text run = Utf8ToText(bytes.substr(i, end - i));
        std::copy(run.begin(), run.end(), text.begin() + int64_t(written));
        written += run.size();
        i = end;
    }
    text.resize(written);
    return text;
}

// The line runs from start to end in the store. A line holding only blanks
// and tabs has no first character and is skipped.
void AppendParsedLine(PreferenceDocument& document, size_t start, size_t end) {
    const Text& store = document.store;
    while (start < end && IsBlankOrTab(store[start])) ++start;
    if (start == end) return;
    PreferenceLine& parsed = document.lines.emplace_back();
    if (store[start] == u';') {
        parsed.kind = PreferenceLineKind::Comment;
        size_t textStart = (start + 1 < end && store[start + 1] == u' ') ? start + 2 : start + 1;
        parsed.value = SpanOf(textStart, end - textStart);
    } else if (store[start] == u'[') {
        parsed.kind = PreferenceLineKind::Group;
        size_t close = start + 1;
        while (close < end && store[close] != u']') ++close;
        parsed.name = SpanOf(start + 1, close - start - 1);
    } else {
        parsed.kind = PreferenceLineKind::Key;
        size_t equals = start;
        while (equals < end && store[equals] != u'=') ++equals;
        size_t keyEnd = equals;
        while (keyEnd > start && IsBlankOrTab(store[keyEnd - 1])) --keyEnd;
        parsed.name = SpanOf(start, keyEnd - start);
        if (equals < end) {
            size_t valueStart = equals + 1;
            size_t valueEnd = end;
            while (valueStart < valueEnd && IsBlankOrTab(store[valueStart])) ++valueStart;
            while (valueEnd > valueStart && IsBlankOrTab(store[valueEnd - 1])) --valueEnd;
            parsed.value = SpanOf(valueStart, valueEnd - valueStart);
        }
    }
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
        if (lines[end].kind == PreferenceLineKind::Key)
            document.keyIndex.emplace(AsciiLowerText(LineName(document, lines[end])), end);
        ++end;
    }
    document.regionStart = start;
    document.regionEnd = end;
    document.indexValid = true;
}

void InsertLine(PreferenceDocument& document, size_t position, PreferenceLine line) {
    const bool isGroup = line.kind == PreferenceLineKind::Group;
    const bool isKey = line.kind == PreferenceLineKind::Key;
    document.lines.insert(document.lines.begin() + int64_t(position), line);
    if (document.currentGroup >= 0 && int64_t(position) <= document.currentGroup) ++document.currentGroup;
    document.lastWritten = int64_t(position);
    document.mustWrite = true;
    if (!document.indexValid) return;
    if (position == document.regionEnd && !isGroup) {
        // The usual case, writing from scratch: the group grows at its end.
        ++document.regionEnd;
        if (isKey) document.keyIndex.emplace(AsciiLowerText(LineName(document, line)), position);
    } else if (position < document.regionEnd) {
        document.indexValid = false;
    }
}

void ActivatePendingGroup(PreferenceDocument& document) {
    if (!document.groupPending) return;
    PreferenceLine group;
    group.kind = PreferenceLineKind::Group;
    group.name = StoreText(document, document.pendingGroup);
    InsertLine(document, document.lines.size(), group);
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

TextView LineName(const PreferenceDocument& document, const PreferenceLine& line) {
    return SpanText(document, line.name);
}

TextView LineValue(const PreferenceDocument& document, const PreferenceLine& line) {
    return SpanText(document, line.value);
}

PreferenceDocument ParsePreferenceBytes(std::string_view bytes) {
    PreferenceDocument document;
    const bool utf8 = bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
                      static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF;
    if (utf8) bytes.remove_prefix(3);
    document.store = DecodeFile(bytes, utf8);
    const Text& store = document.store;
    document.lines.reserve(size_t(std::count(store.begin(), store.end(), u'\n')) + 1);
    size_t i = 0;
    while (i < store.size()) {
        if (store[i] == u'\r' || store[i] == u'\n') { ++i; continue; }
        size_t end = i;
        while (end < store.size() && store[end] != u'\r' && store[end] != u'\n') ++end;
        AppendParsedLine(document, i, end);
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
            AppendLineText(out, LineName(document, line));
            out += ']';
            break;
        case PreferenceLineKind::Comment:
            out += "; ";
            AppendLineText(out, LineValue(document, line));
            break;
        case PreferenceLineKind::Key:
            AppendLineText(out, LineName(document, line));
            out += " = ";
            AppendLineText(out, LineValue(document, line));
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
        if (line.kind == PreferenceLineKind::Group && EqualsIgnoringAsciiCase(LineName(document, line), name)) {
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
    comment.value = StoreText(document, text);
    InsertLine(document, size_t(document.lastWritten + 1), comment);
}

void WritePreferenceString(PreferenceDocument& document, TextView key, TextView value) {
    ActivatePendingGroup(document);
    int64_t existing = FindKeyLine(document, key);
    if (existing >= 0) {
        document.lines[size_t(existing)].value = StoreText(document, value);
        document.lastWritten = existing;
        document.mustWrite = true;
        return;
    }
    PreferenceLine line;
    line.kind = PreferenceLineKind::Key;
    line.name = StoreText(document, key);
    line.value = StoreText(document, value);
    InsertLine(document, document.regionEnd, line);
}

void WritePreferenceInteger(PreferenceDocument& document, TextView key, int32_t value) {
    WritePreferenceString(document, key, DecimalText(value));
}

bool FindPreferenceValue(PreferenceDocument& document, TextView key, TextView& value) {
    int64_t line = FindKeyLine(document, key);
    if (line < 0) return false;
    value = LineValue(document, document.lines[size_t(line)]);
    return true;
}

int32_t ParsePreferenceInteger(TextView value) {
    int64_t wide = ParseLeadingInteger(value);
    if (wide > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (wide < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(wide);
}

int64_t ReadPreferenceInteger(PreferenceDocument& document, TextView key, int64_t fallback) {
    TextView value;
    return FindPreferenceValue(document, key, value) ? ParsePreferenceInteger(value) : fallback;
}

Text ReadPreferenceString(PreferenceDocument& document, TextView key, TextView fallback) {
    TextView value;
    return Text(FindPreferenceValue(document, key, value) ? value : fallback);
}
