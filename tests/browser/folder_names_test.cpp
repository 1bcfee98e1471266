#include "browser/folder_names.h"
#include "browser/latin_case.h"

#include <gtest/gtest.h>

TEST(FolderNamesTest, TranslatesByTheRulesInOrder) {
    struct Case {
        const char16_t* input;
        const char16_t* expected;
    } cases[] = {
        {u"STARTUP", u"Autostart"},
        {u"Startup ", u"Startup "},
        {u"Programs", u"Programme"},
        {u"programs", u"Programme"},
        {u"Accessories", u"Zubehör"},
        {u"Maintenance", u"Wartung"},
        {u"Administrative Tools", u"Verwaltung"},
        {u"Accessibility", u"Erleichterte Bedienung"},
        {u"System Tools", u"Systemprogramme"},
        {u"Programme", u"Programs"},
        {u"PROGRAMME", u"Programs"},
        {u"Zubehör", u"Accessories"},
        {u"ZUBEHÖR", u"Accessories"},
        {u"Verwaltung", u"Administrative Tools"},
        {u"Programs\\Zubehör", u"Programs\\Accessories"},
        {u"Programs\\Accessories\\Systemprogramme", u"Programs\\Accessories\\System Tools"},
        {u"Programs\\Wartung", u"Programs\\Maintenance"},
        {u"Programs\\Autostart", u"Programs\\Startup"},
        {u"Programs\\Foo\\Programme", u"Programs\\Foo\\Programme"},
        {u"Programs\\Accessories", u"Programs\\Accessories"},
        {u"Programs\\", u"Programs\\"},
        {u"Zubehör\\", u"Zubehör\\"},
        {u"", u""},
        {u"\\", u"\\"},
        {u"Games", u"Games"},
        {u"Zubehor", u"Zubehor"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TranslateFolderName(c.input, 1), Text(c.expected)) << TextToUtf8(c.input);
    }
}

TEST(FolderNamesTest, OffUnlessRenameFoldersIsOne) {
    for (int64_t setting : {int64_t(0), int64_t(2), int64_t(-1)}) {
        for (const char16_t* input : {u"Programs", u"Programme", u"STARTUP", u"Programs\\Zubehör"}) {
            EXPECT_EQ(TranslateFolderName(input, setting), Text(input)) << setting;
        }
    }
}

TEST(FolderNamesTest, EveryPairTranslatesBothWays) {
    for (const FolderNamePair& pair : FolderNameTable) {
        EXPECT_EQ(TranslateFolderName(pair.english, 1), Text(pair.german));
        EXPECT_EQ(TranslateFolderName(pair.german, 1), Text(pair.english));
        EXPECT_EQ(TranslateFolderName(TranslateFolderName(pair.english, 1), 1), Text(pair.english));
    }
}

TEST(LatinCaseTest, LowersLatin1LettersOnly) {
    EXPECT_EQ(LatinLowerText(u"ÄÖÜÀÞZ"), Text(u"äöüàþz"));
    EXPECT_EQ(LatinLower(u'×'), u'×');       // not a letter
    EXPECT_EQ(LatinLower(u'ß'), u'ß');
    EXPECT_EQ(LatinLower(u'\u0100'), u'\u0100');  // outside Latin-1
    EXPECT_TRUE(EqualsIgnoringLatinCase(u"zubehör", u"ZUBEHÖR"));
    EXPECT_FALSE(EqualsIgnoringLatinCase(u"zubehör", u"zubehor"));
}
