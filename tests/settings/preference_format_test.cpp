#include "settings/preference_format.h"

#include "tests/settings/reading_cases.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace std::string_literals;

const std::string kEmptyFile = "\xEF\xBB\xBF\r\n";

std::string Utf8(TextView text) { return TextToUtf8(text); }

TEST(SettingsPreferenceFormat, ReadsEveryFixtureByTheRules) {
    for (const ReadingCase& c : ReadingCases()) {
        SCOPED_TRACE(c.name);
        PreferenceDocument document = ParsePreferenceBytes(c.bytes);
        if (c.group) {
            EXPECT_EQ(SelectPreferenceGroup(document, c.group), c.groupFound);
        }
        Text expectedText = c.text ? Text(c.text) : Text(kMissingText);
        EXPECT_EQ(Utf8(ReadPreferenceString(document, c.key, kMissingText)), Utf8(expectedText));
        EXPECT_EQ(ReadPreferenceInteger(document, c.key, kMissingInteger), c.integer);
        EXPECT_FALSE(document.mustWrite);
    }
}

TEST(SettingsPreferenceFormat, EmptyDocumentIsMarkAndOneLineEnd) {
    PreferenceDocument document;
    EXPECT_EQ(SerializePreferenceDocument(document), kEmptyFile);
}

TEST(SettingsPreferenceFormat, GroupSelectedButNeverWrittenLeavesNoLine) {
    PreferenceDocument document;
    EXPECT_FALSE(SelectPreferenceGroup(document, u"List"));
    EXPECT_EQ(ReadPreferenceString(document, u"0", u"none"), u"none");
    EXPECT_EQ(SerializePreferenceDocument(document), kEmptyFile);
}

TEST(SettingsPreferenceFormat, PendingGroupIsWrittenWithItsFirstLine) {
    PreferenceDocument document;
    SelectPreferenceGroup(document, u"List");
    WritePreferenceString(document, u"0", u"Editor|C:\\e.exe");
    WritePreferenceString(document, u"1", u"Ä");
    EXPECT_TRUE(document.mustWrite);
    EXPECT_EQ(SerializePreferenceDocument(document),
              kEmptyFile + "[List]\r\n0 = Editor|C:\\e.exe\r\n1 = \xC3\x84\r\n");
}

TEST(SettingsPreferenceFormat, MissingGroupHidesKeysUntilItIsWritten) {
    PreferenceDocument document = ParsePreferenceBytes("K=1\r\n[A]\r\nK=2\r\n");
    EXPECT_FALSE(SelectPreferenceGroup(document, u"B"));
    EXPECT_EQ(ReadPreferenceInteger(document, u"K", 7), 7);
    WritePreferenceInteger(document, u"K", 3);
    EXPECT_EQ(ReadPreferenceInteger(document, u"K", 7), 3);
    EXPECT_EQ(SerializePreferenceDocument(document), kEmptyFile + "K = 1\r\n[A]\r\nK = 2\r\n[B]\r\nK = 3\r\n");
}

TEST(SettingsPreferenceFormat, LinesGoWhereTheRulesPutThem) {
    PreferenceDocument document = ParsePreferenceBytes("[G]\r\nA=1\r\nB=2\r\n[H]\r\nA=3\r\n");
    AddPreferenceComment(document, u"top");  // nothing written yet
    ASSERT_TRUE(SelectPreferenceGroup(document, u"g"));
    WritePreferenceInteger(document, u"a", -9);  // in place, keeps its spelling
    AddPreferenceComment(document, u"");         // after the last line written
    WritePreferenceString(document, u"C", u"new");  // at the end of the group
    AddPreferenceComment(document, u"after C");
    EXPECT_EQ(SerializePreferenceDocument(document),
              kEmptyFile + "; top\r\n[G]\r\nA = -9\r\n; \r\nB = 2\r\nC = new\r\n; after C\r\n[H]\r\nA = 3\r\n");
    EXPECT_EQ(ReadPreferenceString(document, u"C", u""), u"new");
    ASSERT_TRUE(SelectPreferenceGroup(document, u"H"));
    EXPECT_EQ(ReadPreferenceInteger(document, u"A", 0), 3);
}

TEST(SettingsPreferenceFormat, KeysWithoutGroupGoBeforeTheFirstGroup) {
    PreferenceDocument document = ParsePreferenceBytes("; c\r\n[G]\r\nA=1\r\n");
    WritePreferenceString(document, u"Loose", u"x");
    EXPECT_EQ(SerializePreferenceDocument(document), kEmptyFile + "; c\r\nLoose = x\r\n[G]\r\nA = 1\r\n");
    EXPECT_EQ(ReadPreferenceString(document, u"loose", u""), u"x");
}

TEST(SettingsPreferenceFormat, LineBreaksInsideTextsCannotForgeLines) {
    PreferenceDocument document;
    SelectPreferenceGroup(document, u"G");
    WritePreferenceString(document, u"K", u"a\r\n[Evil]\nX=1");
    AddPreferenceComment(document, u"c\rd");
    std::string bytes = SerializePreferenceDocument(document);
    EXPECT_EQ(bytes, kEmptyFile + "[G]\r\nK = a  [Evil] X=1\r\n; c d\r\n");
    PreferenceDocument reread = ParsePreferenceBytes(bytes);
    EXPECT_FALSE(SelectPreferenceGroup(reread, u"Evil"));
}

TEST(SettingsPreferenceFormat, IntegersAreWrittenPlain) {
    struct Case { int32_t value; const char* text; };
    const Case cases[] = {{0, "0"}, {-1, "-1"}, {2147483647, "2147483647"}, {-2147483647 - 1, "-2147483648"}, {42, "42"}};
    for (const Case& c : cases) {
        PreferenceDocument document;
        WritePreferenceInteger(document, u"K", c.value);
        EXPECT_EQ(SerializePreferenceDocument(document), kEmptyFile + "K = " + c.text + "\r\n");
    }
}

// What the program writes reads back as the same lines.
TEST(SettingsPreferenceFormat, RandomBytesParseAndReadBackTheSame) {
    uint32_t state = 12345;
    auto next = [&state] { state = state * 1103515245u + 12345u; return state >> 16; };
    const char alphabet[] = "[]=;# \t\r\nAbz\xFC\xC3\xEF\xBB\xBF\0";
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        size_t length = next() % 300;
        bool fromAlphabet = round % 2 == 0;
        for (size_t i = 0; i < length; ++i)
            bytes.push_back(fromAlphabet ? alphabet[next() % (sizeof alphabet)] : char(next() & 0xFF));
        if (round % 4 == 0) bytes = "\xEF\xBB\xBF" + bytes;
        PreferenceDocument document = ParsePreferenceBytes(bytes);
        SelectPreferenceGroup(document, u"Abz");
        ReadPreferenceInteger(document, u"A", 0);
        std::string written = SerializePreferenceDocument(document);
        PreferenceDocument reread = ParsePreferenceBytes(written);
        ASSERT_EQ(reread.lines.size(), document.lines.size()) << "round " << round;
        for (size_t i = 0; i < document.lines.size(); ++i) {
            EXPECT_EQ(reread.lines[i].kind, document.lines[i].kind);
            EXPECT_EQ(Utf8(LineName(reread, reread.lines[i])), Utf8(LineName(document, document.lines[i])));
            EXPECT_EQ(Utf8(LineValue(reread, reread.lines[i])), Utf8(LineValue(document, document.lines[i])));
        }
        EXPECT_EQ(SerializePreferenceDocument(reread), written);
    }
}

TEST(SettingsPreferenceFormat, DamagedFilesGiveClearOutcomes) {
    PreferenceDocument lone = ParsePreferenceBytes("[");
    ASSERT_EQ(lone.lines.size(), 1u);
    EXPECT_TRUE(SelectPreferenceGroup(lone, u""));
    EXPECT_EQ(ReadPreferenceInteger(lone, u"K", 4), 4);

    PreferenceDocument nul = ParsePreferenceBytes("[G]\0junk\r\nK\0=1\0\r\n"s);
    ASSERT_TRUE(SelectPreferenceGroup(nul, u"G"));
    EXPECT_EQ(ReadPreferenceInteger(nul, u"K\0"s, 4), 1);
    EXPECT_EQ(ReadPreferenceInteger(nul, u"K", 4), 4);

    PreferenceDocument broken = ParsePreferenceBytes("\xEF\xBB\xBF[G]\r\nK=\xFF\xFE\xC3\r\nNext=2\r\n");
    ASSERT_TRUE(SelectPreferenceGroup(broken, u"G"));
    EXPECT_EQ(ReadPreferenceString(broken, u"K", u""), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(ReadPreferenceInteger(broken, u"Next", 0), 2);

    PreferenceDocument blanks = ParsePreferenceBytes(" \t \r\n\t\r\n");
    EXPECT_TRUE(blanks.lines.empty());
}

TEST(SettingsPreferenceFormat, HundredThousandLinesReadAndRewriteEveryKey) {
    const int count = 100000;
    std::string bytes = "[List]\r\n";
    for (int i = 0; i < count; ++i) bytes += std::to_string(i) + "=" + std::to_string(i * 3) + "\r\n";
    bytes += "[Tail]\r\nEnd=1\r\n";
    PreferenceDocument document = ParsePreferenceBytes(bytes);
    ASSERT_EQ(document.lines.size(), size_t(count) + 3);
    ASSERT_TRUE(SelectPreferenceGroup(document, u"List"));
    int64_t wrong = 0;
    for (int i = count - 1; i >= 0; --i)
        if (ReadPreferenceInteger(document, DecimalText(i), -1) != int64_t(i) * 3) ++wrong;
    EXPECT_EQ(wrong, 0);
    for (int i = 0; i < count; ++i) WritePreferenceInteger(document, DecimalText(i), i);
    EXPECT_EQ(document.lines.size(), size_t(count) + 3);
    EXPECT_EQ(ReadPreferenceInteger(document, u"99999", -1), 99999);
    EXPECT_EQ(ReadPreferenceInteger(document, u"End", -1), -1);
}

}  // namespace
