#include "app/text.h"

#include <limits>

char16_t AsciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

Text AsciiLowerText(TextView text) {
    Text result(text);
    for (char16_t& c : result) c = AsciiLower(c);
    return result;
}

bool EqualsIgnoringAsciiCase(TextView a, TextView b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

Text DecimalText(int64_t value) {
    std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

int64_t ParseLeadingInteger(TextView text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    // Accumulate as a negative number so that INT64_MIN is reachable.
    int64_t value = 0;
    const int64_t lowest = std::numeric_limits<int64_t>::min();
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        int digit = text[i] - u'0';
        if (value < (lowest + digit) / 10) { value = lowest; continue; }
        value = value * 10 - digit;
    }
    if (negative) return value;
    return value == lowest ? std::numeric_limits<int64_t>::max() : -value;
}

static void AppendCodePoint(Text& out, uint32_t cp) {
    if (cp < 0x10000) {
        out.push_back(char16_t(cp));
    } else {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    }
}

Text Utf8ToText(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    size_t i = 0;
    const size_t n = utf8.size();
    while (i < n) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) { out.push_back(b); ++i; continue; }
        int length = 0;
        uint32_t cp = 0, minimum = 0;
        if (b >= 0xC2 && b <= 0xDF) { length = 2; cp = b & 0x1F; minimum = 0x80; }
        else if (b >= 0xE0 && b <= 0xEF) { length = 3; cp = b & 0x0F; minimum = 0x800; }
        else if (b >= 0xF0 && b <= 0xF4) { length = 4; cp = b & 0x07; minimum = 0x10000; }
        if (length == 0) { out.push_back(0xFFFD); ++i; continue; }
        int taken = 1;
        for (; taken < length && i + taken < n; ++taken) {
            unsigned char c = static_cast<unsigned char>(utf8[i + taken]);
            if ((c & 0xC0) != 0x80) break;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (taken < length || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(0xFFFD);
            i += taken;  // a broken sequence is one replacement character
            continue;
        }
        AppendCodePoint(out, cp);
        i += length;
    }
    return out;
}

static void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out.push_back(char(0xC0 | (cp >> 6)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(char(0xE0 | (cp >> 12)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (cp >> 18)));
        out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    }
}

std::string TextToUtf8(TextView text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

Text Latin1ToText(std::string_view bytes) {
    Text out(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) out[i] = static_cast<unsigned char>(bytes[i]);
    return out;
}

Text AsciiText(std::string_view ascii) { return Latin1ToText(ascii); }

bool EndsWith(TextView text, TextView tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool StartsWith(TextView text, TextView head) {
    return text.size() >= head.size() && text.substr(0, head.size()) == head;
}

Text TrimBlanks(TextView text) {
    size_t first = text.find_first_not_of(u' ');
    if (first == TextView::npos) return Text();
    size_t last = text.find_last_not_of(u' ');
    return Text(text.substr(first, last - first + 1));
}

Text FolderPart(TextView path) {
    size_t slash = path.find_last_of(u"\\/");
    return slash == TextView::npos ? Text() : Text(path.substr(0, slash + 1));
}

Text LowerExtension(TextView name) {
    size_t slash = name.find_last_of(u"\\/");
    TextView last = slash == TextView::npos ? name : name.substr(slash + 1);
    size_t dot = last.rfind(u'.');
    return dot == TextView::npos ? Text() : AsciiLowerText(last.substr(dot + 1));
}
