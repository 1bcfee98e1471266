#include "browser/folder_listing.h"
#include "browser/item_icons.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/shell_icons.h"
#include "tests/browser/browser_test_files.h"

namespace {

const Text TestRoot = u"C:\\orvanto-listing-test\\";

class FolderListingTest : public ::testing::Test {
protected:
    MadePaths made;
    void TearDown() override { RemoveMade(made); }
};

// Distinct fake handles per path; nothing is destroyed.
struct FakeIcons {
    std::map<Text, HICON> handles;
    ItemIconLookup Lookup() {
        return [this](const Text& path) {
            HICON& icon = handles[path];
            if (!icon) icon = reinterpret_cast<HICON>(intptr_t(0x1000 + handles.size()));
            return icon;
        };
    }
};

}  // namespace

TEST_F(FolderListingTest, MergesTwoRootsOnDisk) {
    const Text user = TestRoot + u"user\\", common = TestRoot + u"common\\";
    for (const Text& root : {user, common}) {
        ASSERT_TRUE(MakeFile(made, root + u"Programs\\Word.lnk", "L"));
        ASSERT_TRUE(MakeFolders(made, root + u"Programs\\Accessories\\"));
        ASSERT_TRUE(MakeFolders(made, root + u"Programs\\Programme\\"));
    }
    ASSERT_TRUE(MakeFile(made, common + u"Programs\\Calc.lnk", "L"));
    ASSERT_TRUE(MakeFile(made, common + u"Programs\\desktop.ini", "x"));
    ASSERT_TRUE(MakeFile(made, common + u"Programs\\tool.exe", "MZ"));
    ASSERT_TRUE(MakeFile(made, common + u"Programs\\.hidden.lnk", "L"));
    ASSERT_TRUE(MakeFile(made, common + u"Programs\\Guide.htm", "<p>"));

    FakeIcons icons;
    std::vector<Text> roots = {user, common, TestRoot + u"missing\\"};
    FolderListing listing = CollectFolderItems(roots, u"Programs\\", {0, 1}, icons.Lookup());
    HICON userWord = icons.handles[user + u"Programs\\Word.lnk"];
    HICON calc = icons.handles[common + u"Programs\\Calc.lnk"];
    HICON guide = icons.handles[common + u"Programs\\Guide.htm"];
    HICON accessories = icons.handles[user + u"Programs\\Accessories"];
    ASSERT_TRUE(userWord && calc && guide && accessories);
    EXPECT_EQ(icons.handles.count(common + u"Programs\\Word.lnk"), 0u);
    auto number = [](HICON h) { return DecimalText(int64_t(reinterpret_cast<intptr_t>(h))); };
    EXPECT_EQ(listing.items, (std::vector<Text>{u"0Zubehör\"" + number(accessories), u"1Calc.lnk\"" + number(calc),
                                                u"1Guide.htm\"" + number(guide), u"1Word.lnk\"" + number(userWord)}));
    std::vector<HICON> obtained = listing.icons;
    std::sort(obtained.begin(), obtained.end());
    std::vector<HICON> expected = {userWord, calc, guide, accessories};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(obtained, expected);

    FolderListing none = CollectFolderItems({TestRoot + u"missing\\"}, u"", {0, 1}, icons.Lookup());
    EXPECT_TRUE(none.items.empty());
    EXPECT_TRUE(none.icons.empty());
}

TEST_F(FolderListingTest, LongAndNonBmpNamesOnDisk) {
    const Text root = TestRoot + u"long\\";
    Text longName = Text(246, u'n') + u".lnk";  // 250 characters; the full path is past 260
    Text cake = u"Kuchen \U0001F370.lnk";
    ASSERT_TRUE(MakeFile(made, root + longName, "L"));
    ASSERT_TRUE(MakeFile(made, root + cake, "L"));
    std::vector<Text> asked;
    PictureIconMaker maker = [](int picture) { return reinterpret_cast<HICON>(intptr_t(picture)); };
    ItemIconLookup stock = [&](const Text& path) {
        asked.push_back(path);
        return StockItemIcon(path, maker);
    };
    FolderListing listing = CollectFolderItems({root}, u"", {0, 0}, stock);
    EXPECT_EQ(listing.items, (std::vector<Text>{u"1" + cake + u"\"3", u"1" + longName + u"\"3"}));
    EXPECT_EQ(listing.icons.size(), 2u);
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (std::vector<Text>{root + cake, root + longName}));
}

TEST_F(FolderListingTest, MatchingProgramsSkipsFoldersAndOtherFiles) {
    const Text folder = TestRoot + u"System32\\";
    for (const char16_t* name : {u"notepad.exe", u"Netsh.exe", u"calc.exe", u"notes.txt"})
        ASSERT_TRUE(MakeFile(made, folder + name, "MZ"));
    ASSERT_TRUE(MakeFolders(made, folder + u"nfolder.exe\\"));
    struct Case {
        const char16_t* typed;
        std::vector<Text> found;
    } cases[] = {
        {u"n", {u"Netsh.exe", u"notepad.exe"}},
        {u"NO", {u"notepad.exe"}},
        {u"NOTEPAD.EXE", {u"notepad.exe"}},
        {u"notepad.exe.bak", {}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        std::vector<Text> found = MatchingPrograms(folder, c.typed);
        std::sort(found.begin(), found.end());
        std::vector<Text> expected = c.found;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(found, expected) << TextToUtf8(c.typed);
    }
    EXPECT_TRUE(MatchingPrograms(TestRoot + u"missing\\", u"n").empty());
}

TEST_F(FolderListingTest, SystemProgramsFolderIsSystem32) {
    Text folder = SystemProgramsFolder();
    EXPECT_TRUE(EndsWith(folder, u"\\System32\\")) << TextToUtf8(folder);
    EXPECT_FALSE(MatchingPrograms(folder, u"notepad").empty());
}

TEST_F(FolderListingTest, StockIconsByKindOfPath) {
    ASSERT_TRUE(MakeFile(made, TestRoot + u"a.lnk", "L"));
    std::vector<int> asked;
    PictureIconMaker maker = [&](int picture) {
        asked.push_back(picture);
        return reinterpret_cast<HICON>(intptr_t(picture + 1));
    };
    EXPECT_EQ(StockItemIcon(TestRoot + u"a.lnk", maker), reinterpret_cast<HICON>(intptr_t(4)));
    EXPECT_EQ(StockItemIcon(TestRoot, maker), reinterpret_cast<HICON>(intptr_t(19)));
    EXPECT_EQ(StockItemIcon(TestRoot + u"missing.lnk", maker), nullptr);
    EXPECT_EQ(asked, (std::vector<int>{3, 18}));
    for (int64_t setting : {int64_t(0), int64_t(2)})
        EXPECT_EQ(LookupItemIcon(TestRoot + u"a.lnk", setting, maker), reinterpret_cast<HICON>(intptr_t(4)));
}

TEST_F(FolderListingTest, ShellIconsForFilesAndFolders) {
    const Text shortcut = TestRoot + u"Notepad.lnk";
    ASSERT_TRUE(MakeFile(made, shortcut, ReadFixture("real/lnk/ez_win10_notepad_envonly.lnk")));
    PictureIconMaker never = [](int) -> HICON {
        ADD_FAILURE() << "stock icon asked for";
        return nullptr;
    };
    for (const Text& path : {shortcut, TestRoot}) {
        HICON icon = LookupItemIcon(path, 1, never);
        EXPECT_NE(icon, nullptr) << TextToUtf8(path);
        ICONINFO info{};
        EXPECT_TRUE(icon && GetIconInfo(icon, &info));
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        DestroyItemIcon(icon);
        EXPECT_EQ(icon, nullptr);
    }
    EXPECT_EQ(LookupItemIcon(TestRoot + u"missing.lnk", 1, never), nullptr);
    HICON typeIcon = ShellFileTypeIcon(u"C:\\nowhere\\x.exe");  // the file need not exist
    EXPECT_NE(typeIcon, nullptr);
    DestroyItemIcon(typeIcon);
}
