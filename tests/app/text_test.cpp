#include "app/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Text, Utf8RoundTripKeepsEveryPlane) {
    const Text samples[] = {u"", u"Verknüpfungen", u"Geräte & Drucker", u"\U0001F600 emoji", u"\u20AC"};
    for (const Text& t : samples) EXPECT_EQ(Utf8ToText(TextToUtf8(t)), t);
}

TEST(Text, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToText("a\xFC" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToText("\xC3"), u"\uFFFD");                 // truncated sequence
    EXPECT_EQ(Utf8ToText("\xE0\x80\x80"), u"\uFFFD");         // overlong
    EXPECT_EQ(Utf8ToText("\xED\xA0\x80"), u"\uFFFD");         // encoded surrogate
    EXPECT_EQ(TextToUtf8(Text(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(Text, LeadingIntegerRules) {
    struct Case {
        const char16_t* text;
        int64_t value;
    } cases[] = {{u"12abc", 12},   {u"", 0},        {u"abc", 0},   {u"-7", -7}, {u"+3", 3},
                 {u"  \t42", 42},  {u"- 1", 0},     {u"007", 7},
                 {u"99999999999999999999", std::numeric_limits<int64_t>::max()},
                 {u"-99999999999999999999", std::numeric_limits<int64_t>::min()},
                 {u"-9223372036854775808", std::numeric_limits<int64_t>::min()}};
    for (const Case& c : cases) EXPECT_EQ(ParseLeadingInteger(c.text), c.value) << TextToUtf8(c.text);
}

TEST(Text, PathPieces) {
    EXPECT_EQ(FolderPart(u"C:\\X\\Y\\app.lnk"), u"C:\\X\\Y\\");
    EXPECT_EQ(FolderPart(u"a/b"), u"a/");
    EXPECT_EQ(FolderPart(u"notepad.exe"), u"");
    EXPECT_EQ(LowerExtension(u"desktop.INI"), u"ini");
    EXPECT_EQ(LowerExtension(u"C:\\a.b\\noext"), u"");
    EXPECT_TRUE(EqualsIgnoringAsciiCase(u"MenuSettings", u"menusettings"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(u"Ü", u"ü"));  // only A to Z fold
}

}  // namespace
