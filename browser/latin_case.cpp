#include "browser/latin_case.h"

char16_t LatinLower(char16_t c) {
    if (c >= u'A' && c <= u'Z') return char16_t(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 0x20);
    return c;
}

Text LatinLowerText(TextView text) {
    Text result(text);
    for (char16_t& c : result) c = LatinLower(c);
    return result;
}

bool EqualsIgnoringLatinCase(TextView a, TextView b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LatinLower(a[i]) != LatinLower(b[i])) return false;
    return true;
}
