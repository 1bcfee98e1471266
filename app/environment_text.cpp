#include "app/environment_text.h"

namespace {

// Environment names compare without regard to case; Latin-1 letters fold too.
char16_t FoldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return char16_t(c + 32);
    return c;
}

size_t FindIgnoringCase(const Text& text, const Text& needle, size_t from) {
    if (needle.size() > text.size()) return Text::npos;
    for (size_t i = from; i + needle.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < needle.size() && FoldCase(text[i + k]) == FoldCase(needle[k])) ++k;
        if (k == needle.size()) return i;
    }
    return Text::npos;
}

}  // namespace

Text ExpandEnvironmentText(TextView input, const EnvironmentLookup& lookup) {
    Text text(input);
    for (int replacements = 0; replacements < kMaxEnvironmentReplacements; ++replacements) {
        size_t a = text.find(u'%');
        if (a == Text::npos) break;
        size_t b = text.find(u'%', a + 1);
        if (b == Text::npos || b == a + 1) break;
        Text name = text.substr(a + 1, b - a - 1);
        Text value = lookup(name);
        Text reference = u"%" + name + u"%";
        // Every occurrence, scanning on after each inserted value.
        for (size_t at = FindIgnoringCase(text, reference, 0); at != Text::npos;
             at = FindIgnoringCase(text, reference, at + value.size())) {
            text.replace(at, reference.size(), value);
        }
    }
    return TrimBlanks(text);
}
