#include "browser/listed_item.h"

#include <gtest/gtest.h>

#include <map>

TEST(ListedItemTest, BuildsTheMarkerFromSortMode) {
    EXPECT_EQ(BuildListedItem(ItemKind::Folder, u"Zubehör", 0, 0), Text(u"0Zubehör\"0"));
    EXPECT_EQ(BuildListedItem(ItemKind::Shortcut, u"Word.lnk", 1234, 0), Text(u"1Word.lnk\"1234"));
    EXPECT_EQ(BuildListedItem(ItemKind::Folder, u"Games", 7, 1), Text(u"1Games\"7"));
    EXPECT_EQ(BuildListedItem(ItemKind::Shortcut, u"Word.lnk", 0, 1), Text(u"0Word.lnk\"0"));
}

TEST(ListedItemTest, ParsesBackWhatWasBuilt) {
    struct Case {
        ItemKind kind;
        const char16_t* name;
        int64_t icon;
        int64_t sortMode;
    } cases[] = {
        {ItemKind::Folder, u"Zubehör", 0, 0},
        {ItemKind::Shortcut, u"Word.lnk", 65538, 0},
        {ItemKind::Folder, u"Tools 1.5", 12, 1},
        {ItemKind::Shortcut, u"a", 0, 1},
        {ItemKind::Folder, u"x", 1, 10},
        {ItemKind::Shortcut, u"x", 1, 10},
        {ItemKind::Shortcut, u"y.lnk", 3, -1},
        {ItemKind::Shortcut, u"\U0001F370 cake.lnk", 9, 0},
        {ItemKind::Shortcut, u"", 0, 0},
    };
    for (const Case& c : cases) {
        ListedItemParts parts = ParseListedItem(BuildListedItem(c.kind, c.name, c.icon, c.sortMode), c.sortMode);
        EXPECT_EQ(parts.kind, c.kind) << TextToUtf8(c.name);
        EXPECT_EQ(parts.storedName, Text(c.name));
        EXPECT_EQ(parts.icon, c.icon);
    }
}

TEST(ListedItemTest, ParsesOddTexts) {
    ListedItemParts noQuote = ParseListedItem(u"1Word.lnk", 0);
    EXPECT_EQ(noQuote.kind, ItemKind::Shortcut);
    EXPECT_EQ(noQuote.storedName, Text(u"Word.lnk"));
    EXPECT_EQ(noQuote.icon, 0);

    EXPECT_EQ(ParseListedItem(u"", 0).kind, ItemKind::Unknown);
    EXPECT_EQ(ParseListedItem(u"5abc\"1", 0).kind, ItemKind::Unknown);
    EXPECT_EQ(ParseListedItem(u"0a\"b\"7", 0).storedName, Text(u"a"));
}

TEST(ListedItemTest, DisplayTextDropsTheLastExtension) {
    struct Case {
        const char16_t* stored;
        const char16_t* shown;
    } cases[] = {
        {u"Tools 1.5", u"Tools 1"}, {u"Word.lnk", u"Word"}, {u"Office 2016.1", u"Office 2016"},
        {u"a.b.url", u"a.b"},       {u"Zubehör", u"Zubehör"}, {u"trailing.", u"trailing"},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(DisplayText(c.stored), Text(c.shown)) << TextToUtf8(c.stored);
}

static std::vector<Text> Sorted(std::vector<Text> items) {
    SortListedItems(items);
    return items;
}

TEST(ListedItemTest, SortsFoldersFirstAndNamesByCodeUnit) {
    std::vector<Text> mode0 = {u"1Foo.lnk\"0", u"1Foo Bar.lnk\"0", u"0Zeta\"0"};
    EXPECT_EQ(Sorted(mode0), (std::vector<Text>{u"0Zeta\"0", u"1Foo Bar.lnk\"0", u"1Foo.lnk\"0"}));

    std::vector<Text> mode1 = {u"0Foo.lnk\"0", u"1Zeta\"0", u"0Alpha.lnk\"0"};
    EXPECT_EQ(Sorted(mode1), (std::vector<Text>{u"0Alpha.lnk\"0", u"0Foo.lnk\"0", u"1Zeta\"0"}));

    std::vector<Text> mixedCase = {u"1gamma.lnk\"3", u"1Beta.lnk\"2", u"1alpha.lnk\"1"};
    EXPECT_EQ(Sorted(mixedCase), (std::vector<Text>{u"1alpha.lnk\"1", u"1Beta.lnk\"2", u"1gamma.lnk\"3"}));

    // Umlauts compare by their UTF-16 value, after every ASCII letter; no Latin-1 folding.
    std::vector<Text> umlauts = {u"0Äpfel\"0", u"0Zoo\"0", u"0äpfel\"0", u"0apfel\"0"};
    EXPECT_EQ(Sorted(umlauts), (std::vector<Text>{u"0apfel\"0", u"0Zoo\"0", u"0Äpfel\"0", u"0äpfel\"0"}));

    // A name sorts after a longer one continued by a blank or "!", before one continued by a letter.
    std::vector<Text> prefixes = {u"0Foo\"0", u"0Foox\"0", u"0Foo!\"0", u"0Foo 2\"0"};
    EXPECT_EQ(Sorted(prefixes), (std::vector<Text>{u"0Foo 2\"0", u"0Foo!\"0", u"0Foo\"0", u"0Foox\"0"}));
}

TEST(ListedItemTest, ParentFolder) {
    struct Case {
        const char16_t* folder;
        const char16_t* parent;
    } cases[] = {
        {u"Programs\\Accessories\\", u"Programs\\"},
        {u"Programs\\", u""},
        {u"ab\\", u"ab\\"},
        {u"", u""},
        {u"abc", u"abc"},
        {u"abcd", u""},
        {u"a\\b\\c", u"a\\b\\"},
        {u"Programs\\\\", u"Programs\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(ParentFolder(c.folder), Text(c.parent)) << TextToUtf8(c.folder);
}

namespace {

// Icon numbers per full path; every call is recorded.
struct FakeIcons {
    std::map<Text, int64_t> icons;
    std::vector<Text> asked;
    IconLookup Lookup() {
        return [this](const Text& path) {
            asked.push_back(path);
            auto it = icons.find(path);
            return it == icons.end() ? int64_t(0) : it->second;
        };
    }
};

const Text UserRoot = u"C:\\Users\\u\\Start Menu\\";
const Text CommonRoot = u"C:\\ProgramData\\Start Menu\\";

}  // namespace

TEST(MergeFolderItemsTest, FirstRootWinsAndKeepsItsIcon) {
    FakeIcons icons;
    icons.icons[UserRoot + u"Programs\\Word.lnk"] = 11;
    icons.icons[CommonRoot + u"Programs\\Word.lnk"] = 22;
    icons.icons[CommonRoot + u"Programs\\Calc.lnk"] = 33;
    std::vector<RootEntries> roots = {
        {UserRoot, {{u"Word.lnk", false}}},
        {CommonRoot, {{u"WORD.LNK", false}, {u"Calc.lnk", false}}},
    };
    CollectedItems got = MergeFolderItems(roots, u"Programs\\", {0, 0}, icons.Lookup());
    EXPECT_EQ(got.items, (std::vector<Text>{u"1Calc.lnk\"33", u"1Word.lnk\"11"}));
    EXPECT_EQ(got.icons, (std::vector<int64_t>{11, 33}));
    EXPECT_EQ(icons.asked, (std::vector<Text>{UserRoot + u"Programs\\Word.lnk", CommonRoot + u"Programs\\Calc.lnk"}));
}

TEST(MergeFolderItemsTest, TranslatesFolderNamesButLooksUpTheRealOne) {
    FakeIcons icons;
    std::vector<RootEntries> roots = {
        {UserRoot, {{u"Programs", true}, {u"Accessories", true}}},
        {CommonRoot, {{u"Programs", true}, {u"programs", true}}},
    };
    CollectedItems on = MergeFolderItems(roots, u"", {0, 1}, icons.Lookup());
    EXPECT_EQ(on.items, (std::vector<Text>{u"0Programme\"0", u"0Zubehör\"0"}));
    EXPECT_EQ(icons.asked, (std::vector<Text>{UserRoot + u"Programs", UserRoot + u"Accessories"}));

    CollectedItems off = MergeFolderItems(roots, u"", {0, 0}, icons.Lookup());
    EXPECT_EQ(off.items, (std::vector<Text>{u"0Accessories\"0", u"0Programs\"0"}));
}

TEST(MergeFolderItemsTest, FiltersNames) {
    struct Case {
        const char16_t* name;
        bool isFolder;
        bool listed;
    } cases[] = {
        {u"desktop.ini", false, false}, {u"Desktop.INI", false, false}, {u"app.exe", false, false},
        {u"readme.txt", false, false},  {u"noextension", false, false}, {u".hidden.lnk", false, false},
        {u".", true, false},            {u"..", true, false},           {u".config", true, false},
        {u"Programme", true, false},    {u"PROGRAMME", true, false},    {u"odd.ini", true, false},
        {u"a.lnk", false, true},        {u"b.URL", false, true},        {u"c.html", false, true},
        {u"d.Htm", false, true},        {u"Programme", false, false},   {u"Programme.lnk", false, true},
        {u"Games", true, true},         {u"Tools 1.5", true, true},     {u"quote\".lnk", false, false},
    };
    for (const Case& c : cases) {
        std::vector<RootEntries> roots = {{UserRoot, {{c.name, c.isFolder}}}};
        CollectedItems got = MergeFolderItems(roots, u"", {0, 1}, nullptr);
        EXPECT_EQ(got.items.size(), c.listed ? 1u : 0u) << TextToUtf8(c.name);
    }
}

TEST(MergeFolderItemsTest, SortModeOrdersKinds) {
    std::vector<RootEntries> roots = {{UserRoot, {{u"Foo.lnk", false}, {u"Zeta", true}, {u"Foo Bar.lnk", false}}}};
    EXPECT_EQ(MergeFolderItems(roots, u"", {0, 0}, nullptr).items,
              (std::vector<Text>{u"0Zeta\"0", u"1Foo Bar.lnk\"0", u"1Foo.lnk\"0"}));
    EXPECT_EQ(MergeFolderItems(roots, u"", {1, 0}, nullptr).items,
              (std::vector<Text>{u"0Foo Bar.lnk\"0", u"0Foo.lnk\"0", u"1Zeta\"0"}));
}

TEST(MergeFolderItemsTest, FolderAndShortcutOfTheSameNameAreBothListed) {
    std::vector<RootEntries> roots = {{UserRoot, {{u"Tools", true}}}, {CommonRoot, {{u"Tools.lnk", false}}}};
    EXPECT_EQ(MergeFolderItems(roots, u"", {0, 0}, nullptr).items, (std::vector<Text>{u"0Tools\"0", u"1Tools.lnk\"0"}));
}

TEST(MergeFolderItemsTest, LongAndNonBmpNames) {
    Text longName(246, u'x');
    longName += u".lnk";  // 250 characters
    Text cake = u"test\U0001F370und\u2764.lnk";
    std::vector<RootEntries> roots = {{UserRoot, {{longName, false}, {cake, false}}}, {CommonRoot, {{cake, false}}}};
    FakeIcons icons;
    icons.icons[UserRoot + cake] = 5;
    CollectedItems got = MergeFolderItems(roots, u"", {0, 0}, icons.Lookup());
    ASSERT_EQ(got.items.size(), 2u);
    ListedItemParts second = ParseListedItem(got.items[0], 0);
    ListedItemParts first = ParseListedItem(got.items[1], 0);
    EXPECT_EQ(second.storedName, cake);
    EXPECT_EQ(second.icon, 5);
    EXPECT_EQ(first.storedName, longName);
    EXPECT_EQ(DisplayText(first.storedName).size(), 246u);
}

TEST(MergeFolderItemsTest, NoRootsOrEmptyRootsGiveNothing) {
    EXPECT_TRUE(MergeFolderItems({}, u"", {0, 0}, nullptr).items.empty());
    std::vector<RootEntries> roots = {{UserRoot, {}}, {CommonRoot, {}}};
    EXPECT_TRUE(MergeFolderItems(roots, u"Programs\\", {0, 0}, nullptr).items.empty());
}
