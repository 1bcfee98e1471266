#include "browser/show_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/wide.h"
#include "settings/settings_store.h"
#include "ui/image_set.h"
#include "ui/main_window_ids.h"

namespace {

const Text TestRoot = u"C:\\orvanto-show-test\\";

// Everything under folder, also beyond MAX_PATH (the extended form).
void RemoveTree(const Text& folder) {
    const Text base = u"\\\\?\\" + folder;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(Wide(base + u"*"), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            Text name = FromWide(found.cFileName);
            if (name == u"." || name == u"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(folder + name + u"\\");
            else
                DeleteFileW(Wide(base + name));
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(Wide(base));
}

// Folders and files in the extended form, so paths beyond MAX_PATH work; the
// whole tree goes in TearDown.
bool MakeFolderTree(const Text& folder) {
    for (size_t slash = folder.find(u'\\', 3); slash != Text::npos; slash = folder.find(u'\\', slash + 1)) {
        Text part = u"\\\\?\\" + folder.substr(0, slash);
        if (!CreateDirectoryW(Wide(part), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return true;
}

bool WriteBytes(const Text& path, const std::string& bytes) {
    if (!MakeFolderTree(FolderPart(path))) return false;
    HANDLE file = CreateFileW(Wide(u"\\\\?\\" + path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() || (WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                                written == bytes.size());
    CloseHandle(file);
    return ok;
}

bool IconIsLive(void* icon) {
    ICONINFO info = {};
    if (!GetIconInfo(static_cast<HICON>(icon), &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

std::vector<Text> Rows() {
    std::vector<Text> rows;
    int count = ListRowCount(MainWindowNumber, ShortcutListId);
    for (int r = 0; r < count; ++r) rows.push_back(ListRowText(MainWindowNumber, ShortcutListId, r));
    return rows;
}

class ShowFolderTest : public ::testing::Test {
protected:
    Settings saved;
    void SetUp() override {
        saved = gSettings;
        static bool platformReady = (InitPlatform(), true);
        (void)platformReady;
        LoadImageSet();
        WindowSpec spec;
        spec.clientWidth = 400;
        spec.clientHeight = 400;
        spec.title = u"ShowFolderTest";
        ASSERT_TRUE(OpenWindow(MainWindowNumber, spec));
        ControlSpec list;
        list.id = ShortcutListId;
        list.kind = ControlKind::ReportList;
        list.width = 300;
        list.height = 300;
        ASSERT_TRUE(CreateControl(MainWindowNumber, list));
        SetListColumn(MainWindowNumber, ShortcutListId, u"", 280);
        RemoveTree(TestRoot);
        gSettings.StartMenuFolders = {TestRoot + u"user\\", TestRoot + u"common\\"};
        gSettings.SortMode = 0;
        gSettings.RenameFolders = 1;
        gSettings.UseOriginalIcon = 0;
    }
    void TearDown() override {
        DestroyListedIcons();
        gListedItems.clear();
        CloseWindowNumber(MainWindowNumber);
        FreeAllPictures();
        RemoveTree(TestRoot);
        gSettings = saved;
    }
};

TEST_F(ShowFolderTest, MergedRootsGiveOneRowPerItemAfterTheUpRow) {
    const Text user = TestRoot + u"user\\", common = TestRoot + u"common\\";
    ASSERT_TRUE(WriteBytes(user + u"Programs\\Word.lnk", "L"));
    ASSERT_TRUE(WriteBytes(common + u"Programs\\Word.lnk", "L"));
    ASSERT_TRUE(WriteBytes(common + u"Programs\\Foo Bar.lnk", "L"));
    ASSERT_TRUE(WriteBytes(common + u"Programs\\notes.txt", "x"));
    ASSERT_TRUE(MakeFolderTree(common + u"Programs\\Tools 1.5\\"));
    ASSERT_TRUE(MakeFolderTree(user + u"Programs\\Accessories\\"));

    ShowFolder(u"Programs\\");
    EXPECT_EQ(Rows(), (std::vector<Text>{u"..", u"Tools 1", u"Zubeh\u00F6r", u"Foo Bar", u"Word"}));
    ASSERT_EQ(gListedItems.size(), 4u);
    // Stock mode: one live copy of a picture per item, and the item carries its number.
    ASSERT_EQ(gListedIcons.size(), 4u);
    std::set<void*> distinct(gListedIcons.begin(), gListedIcons.end());
    EXPECT_EQ(distinct.size(), 4u);
    for (void* icon : gListedIcons) EXPECT_TRUE(IconIsLive(icon));
    for (const Text& item : gListedItems) {
        size_t quote = item.find(u'"');
        ASSERT_NE(quote, Text::npos);
        void* icon = reinterpret_cast<void*>(intptr_t(ParseLeadingInteger(item.substr(quote + 1))));
        EXPECT_TRUE(distinct.count(icon)) << TextToUtf8(item);
    }

    gSettings.RenameFolders = 0;
    gSettings.SortMode = 1;
    ShowFolder(u"Programs\\");
    EXPECT_EQ(Rows(), (std::vector<Text>{u"..", u"Foo Bar", u"Word", u"Accessories", u"Tools 1"}));
}

TEST_F(ShowFolderTest, ThousandRebuildsHoldOnlyTheIconsOfTheLastListing) {
    const Text common = TestRoot + u"common\\";
    for (const char16_t* name : {u"a.lnk", u"b.url", u"c.htm"}) ASSERT_TRUE(WriteBytes(common + name, "L"));
    ASSERT_TRUE(MakeFolderTree(common + u"Sub\\"));
    gSettings.UseOriginalIcon = 1;  // shell icons for the search rows too

    std::vector<void*> previous;
    size_t deadAfterRebuild = 0, stillLive = 0;
    for (int round = 0; round < 1000; ++round) {
        if (round % 2 == 0)
            ShowFolder(u"");
        else
            SearchSystemPrograms(u"notepad");
        for (void* old : previous) (IconIsLive(old) ? stillLive : deadAfterRebuild)++;
        if (round % 2 == 0) {
            ASSERT_EQ(gListedIcons.size(), 4u);
            ASSERT_EQ(ListRowCount(MainWindowNumber, ShortcutListId), 5);
        } else {
            ASSERT_EQ(ListRowCount(MainWindowNumber, ShortcutListId), 1);
            ASSERT_LE(gListedIcons.size(), 1u);
            ASSERT_TRUE(gListedItems.empty());
        }
        previous = gListedIcons;
    }
    EXPECT_EQ(stillLive, 0u);
    EXPECT_GT(deadAfterRebuild, 1000u);
    for (void* icon : previous) EXPECT_TRUE(IconIsLive(icon));
    DestroyListedIcons();
    EXPECT_TRUE(gListedIcons.empty());
    for (void* icon : previous) EXPECT_FALSE(IconIsLive(icon));
}

TEST_F(ShowFolderTest, SearchListsSystemProgramsByPrefixWithoutUpRow) {
    SearchSystemPrograms(u"N");
    std::vector<Text> rows = Rows();
    ASSERT_FALSE(rows.empty());
    bool sawNotepad = false;
    for (const Text& row : rows) {
        EXPECT_TRUE(row[0] == u'n' || row[0] == u'N') << TextToUtf8(row);
        EXPECT_TRUE(EndsWith(AsciiLowerText(row), u".exe"));
        sawNotepad = sawNotepad || EqualsIgnoringAsciiCase(row, u"notepad.exe");
    }
    EXPECT_TRUE(sawNotepad);
    EXPECT_TRUE(gListedIcons.empty());  // stock mode: picture 20, nothing owned

    SearchSystemPrograms(u"NOTEPAD.EXE");
    EXPECT_EQ(Rows().size(), 1u);
    SearchSystemPrograms(u"notepad.exe.bak");
    EXPECT_TRUE(Rows().empty());

    gSettings.UseOriginalIcon = 2;  // neither mode: no rows at all
    SearchSystemPrograms(u"n");
    EXPECT_TRUE(Rows().empty());

    // An empty text changes nothing.
    gSettings.UseOriginalIcon = 0;
    SearchSystemPrograms(u"notepad");
    SearchSystemPrograms(u"");
    EXPECT_EQ(Rows().size(), 1u);
}

// Roots that do not exist, a root that is a file, a root that cannot be
// opened, long and non-BMP names, empty and huge shortcuts in original-icon
// mode, a target on a missing path: the rest is still listed.
TEST_F(ShowFolderTest, BadRootsAndOddEntriesLeaveTheRestListed) {
    const Text good = TestRoot + u"good\\";
    const Text fileRoot = TestRoot + u"plain.txt";
    ASSERT_TRUE(WriteBytes(fileRoot, "not a folder"));
    const Text longName(250, u'n');
    const Text deep = good + longName + u"\\";
    ASSERT_TRUE(WriteBytes(good + u"Zubeh\u00F6r \u00C4rger.lnk", "L"));
    ASSERT_TRUE(WriteBytes(good + u"Smile \U0001F600.lnk", "L"));
    ASSERT_TRUE(WriteBytes(good + longName + u".lnk", "L"));
    ASSERT_TRUE(WriteBytes(good + u"empty.lnk", ""));
    ASSERT_TRUE(WriteBytes(good + u"missing target.lnk", std::string("\0\0C:\\nowhere\\at\\all.exe\0", 25)));
    std::string huge(50u << 20, '\x01');
    huge.replace(1000, 11, std::string("C:\\\0D:\\x\0\0\0", 11));
    ASSERT_TRUE(WriteBytes(good + u"huge.lnk", huge));
    ASSERT_TRUE(WriteBytes(deep + longName + u".lnk", "L"));
    ASSERT_GT((deep + longName + u".lnk").size(), size_t(MAX_PATH));

    gSettings.UseOriginalIcon = 1;
    gSettings.StartMenuFolders = {TestRoot + u"missing\\", fileRoot + u"\\", u"C:\\bad|<>name\\", good};
    ShowFolder(u"");
    std::vector<Text> rows = Rows();
    std::vector<Text> expected = {u"..", longName, u"empty", u"huge", u"missing target", longName,
                                  u"Smile \U0001F600", u"Zubeh\u00F6r \u00C4rger"};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(gListedItems.size(), 7u);

    ShowFolder(longName + u"\\");
    EXPECT_EQ(Rows(), (std::vector<Text>{u"..", longName}));

    // No root can be read: only "..".
    gSettings.StartMenuFolders = {TestRoot + u"missing\\", fileRoot + u"\\"};
    ShowFolder(u"");
    EXPECT_EQ(Rows(), (std::vector<Text>{u".."}));
    EXPECT_TRUE(gListedIcons.empty());
}

TEST_F(ShowFolderTest, FolderOfTenThousandEntriesIsListedWhole) {
    const Text big = TestRoot + u"common\\Big\\";
    ASSERT_TRUE(MakeFolderTree(big));
    for (int n = 0; n < 10000; ++n) {
        HANDLE file = CreateFileW(Wide(big + u"entry " + DecimalText(n) + u".lnk"), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    ShowFolder(u"Big\\");
    ASSERT_EQ(ListRowCount(MainWindowNumber, ShortcutListId), 10001);
    EXPECT_EQ(gListedIcons.size(), 10000u);
    EXPECT_EQ(ListRowText(MainWindowNumber, ShortcutListId, 1), u"entry 0");
    EXPECT_EQ(ListRowText(MainWindowNumber, ShortcutListId, 2), u"entry 1");
    EXPECT_EQ(ListRowText(MainWindowNumber, ShortcutListId, 3), u"entry 10");
}

}  // namespace
