#include "browser/shortcut_target.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/environment_text.h"
#include "platform/files.h"
#include "platform/wide.h"
#include "tests/browser/browser_test_files.h"

using namespace std::string_literals;

namespace {

const Text TestRoot = u"C:\\orvanto-browser-test\\";

class ShortcutTargetTest : public ::testing::Test {
protected:
    MadePaths made;
    void TearDown() override { RemoveMade(made); }

    // A copy of the fixture under the test root; the path of the copy.
    Text CopyFixture(const char* relative, const Text& name) {
        std::string bytes = ReadFixture(relative);
        EXPECT_FALSE(bytes.empty()) << relative;
        Text path = TestRoot + name;
        EXPECT_TRUE(MakeFile(made, path, bytes));
        return path;
    }
    Text Crafted(const Text& name, const std::string& bytes) {
        Text path = TestRoot + name;
        EXPECT_TRUE(MakeFile(made, path, bytes));
        return path;
    }
};

std::string Utf16Bytes(const Text& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

}  // namespace

// Each real shortcut with the targets made for it, and what both operations give.
TEST_F(ShortcutTargetTest, RealShortcutFiles) {
    const Text pf = ExpandEnvironmentText(u"%ProgramFiles%");
    struct Case {
        const char* fixture;
        std::vector<Text> makeFiles;
        std::vector<Text> makeFolders;
        Text target;  // ReadShortcutTarget
        Text icon;    // ResolveIconSource; empty means the shortcut's own path
    } cases[] = {
        // The IDList's bare C:\ comes first and is passed over; wordpad.exe is in every prefix.
        {"real/lnk/ez_winxp_wordpad.lnk", {}, {},
         u"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe",
         u"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"},
        {"real/lnk/plaso_NeroInfoTool.lnk", {u"C:\\Program Files (x86)\\Nero\\Nero 9\\Nero InfoTool\\InfoTool.exe"}, {},
         u"C:\\Program Files (x86)\\Nero\\Nero 9\\Nero InfoTool\\InfoTool.exe",
         u"C:\\Program Files (x86)\\Nero\\Nero 9\\Nero InfoTool\\InfoTool.exe"},
        // Only the icon block's %ProgramFiles% copy exists: found by the second pass only.
        {"real/lnk/plaso_NeroInfoTool.lnk", {pf + u"\\Nero\\Nero 9\\Nero InfoTool\\InfoTool.exe"}, {}, u"",
         pf + u"\\Nero\\Nero 9\\Nero InfoTool\\InfoTool.exe"},
        {"real/lnk/plaso_NeroInfoTool.lnk", {}, {}, u"", u""},
        {"real/lnk/ez_win7_downloads_folder.lnk", {}, {u"C:\\Users\\e\\Downloads\\"}, u"C:\\Users\\e\\Downloads", u""},
        {"real/lnk/ez_win10_wmplayer_envonly.lnk", {}, {}, u"",
         pf + u"\\Windows Media Player\\wmplayer.exe"},
        {"real/lnk/ez_vista_chess_linkinfo_envvar.lnk", {pf + u"\\Microsoft Games\\chess\\chess.exe"}, {}, u"",
         pf + u"\\Microsoft Games\\chess\\chess.exe"},
        {"real/lnk/ez_win7_control_panel_idlist.lnk", {}, {}, u"", u""},
        // The 8-bit path holds '?' for the emoji and the UTF-16 one starts with no '%'.
        {"real/lnk/pylnk_local_emoji.lnk", {u"C:\\Users\\Public\\Downloads\\test\u2764\uFE0Fand\U0001F370.txt"}, {},
         u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        MadePaths targets;
        for (const Text& folder : c.makeFolders) ASSERT_TRUE(MakeFolders(targets, folder));
        for (const Text& file : c.makeFiles) ASSERT_TRUE(MakeFile(targets, file, "MZ"));
        Text shortcut = CopyFixture(c.fixture, u"case.lnk");
        EXPECT_EQ(ReadShortcutTarget(shortcut), c.target);
        EXPECT_EQ(ResolveIconSource(shortcut), c.icon.empty() ? shortcut : c.icon);
        RemoveMade(targets);
    }
}

TEST_F(ShortcutTargetTest, EnvironmentOnlyNotepad) {
    Text shortcut = CopyFixture("real/lnk/ez_win10_notepad_envonly.lnk", u"Notepad.lnk");
    EXPECT_EQ(ReadShortcutTarget(shortcut), Text());
    Text expected = ExpandEnvironmentText(u"%windir%\\system32\\notepad.exe");
    EXPECT_EQ(ResolveIconSource(shortcut), expected);
}

TEST_F(ShortcutTargetTest, AnsiFolderPathFromAFrenchSystem) {
    if (GetACP() != 1252) GTEST_SKIP() << "the fixture's path is in code page 1252, the system has " << GetACP();
    Text folder = u"C:\\Documents and Settings\\All Users\\Documents\\Mes images\\Échantillons d'images";
    ASSERT_TRUE(MakeFolders(made, folder + u"\\"));
    Text shortcut = CopyFixture("real/lnk/ez_xp_french_cp1252_folder.lnk", u"images.lnk");
    EXPECT_EQ(ReadShortcutTarget(shortcut), folder);
    EXPECT_EQ(ResolveIconSource(shortcut), shortcut);  // a folder, and not UTF-8
}

TEST_F(ShortcutTargetTest, Utf8PathFromASystemWithTheUtf8CodePage) {
    // The fixture's target is on D:, which the test prefix lacks; the copy
    // gets the drive letter C at the LinkInfo path (offset 0x17D).
    std::string bytes = ReadFixture("real/lnk/pylnk_diacritic_symbols_utf8.lnk");
    ASSERT_GT(bytes.size(), 0x17Fu);
    ASSERT_EQ(bytes.substr(0x17D, 3), "D:\\");
    bytes[0x17D] = 'C';
    Text target = u"C:\\ööö\\äöüàéèíïóòúü.txt";
    ASSERT_TRUE(MakeFile(made, target, "x"));
    Text shortcut = Crafted(u"diacritic.lnk", bytes);
    EXPECT_EQ(ResolveIconSource(shortcut), target);
    if (GetACP() != 65001) {
        EXPECT_EQ(ReadShortcutTarget(shortcut), Text());  // the UTF-8 bytes decode to other letters
    }
}

TEST_F(ShortcutTargetTest, CraftedFiles) {
    const Text pf = ExpandEnvironmentText(u"%ProgramFiles%");
    const Text bucher = TestRoot + u"Bücher\\a.txt";
    const Text app = pf + u"\\OrvantoBrowserTest\\app.exe";
    const Text shell32 = ExpandEnvironmentText(u"%SystemRoot%\\system32\\shell32.dll");
    ASSERT_TRUE(MakeFile(made, bucher, "a"));
    ASSERT_TRUE(MakeFile(made, app, "MZ"));
    std::string ansiBucher = "\0\0C:\\orvanto-browser-test\\B\xFC" "cher\\a.txt\0"s;
    std::string utf16App = "L\0\0"s;  // the text starts at an odd offset
    utf16App += Utf16Bytes(u"%ProgramFiles%\\OrvantoBrowserTest\\app.exe");
    utf16App += "\0\0"s;
    std::string url = "[InternetShortcut]\r\nURL=http://example.invalid/\r\nIconFile=" + TextToUtf8(shell32);
    struct Case {
        const char16_t* name;
        std::string bytes;
        Text target;
        Text icon;  // empty: the file's own path
    } cases[] = {
        {u"ansi.lnk", ansiBucher, GetACP() == 1252 ? bucher : Text(), u""},
        {u"utf16.lnk", utf16App, u"", app},
        {u"short.lnk", "xC:\\"s, u"", u""},
        {u"four.lnk", "C:\\a"s, u"", u""},
        {u"empty.lnk", "", u"", u""},
        {u"icon.url", url, shell32, u""},
        // The text runs on to the line end, so it names nothing.
        {u"crlf.url", url + "\r\nIconIndex=0\r\n", u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TextToUtf8(c.name));
        Text path = Crafted(c.name, c.bytes);
        EXPECT_EQ(ReadShortcutTarget(path), c.target);
        EXPECT_EQ(ResolveIconSource(path), c.icon.empty() ? path : c.icon);
    }
}

TEST_F(ShortcutTargetTest, RealInternetShortcutWithAnHttpIcon) {
    Text path = CopyFixture("real/url/happysolver_Homepage.url", u"Homepage.url");
    EXPECT_EQ(ReadShortcutTarget(path), Text());
    EXPECT_EQ(ResolveIconSource(path), path);
}

TEST_F(ShortcutTargetTest, FoldersAndMissingFilesCannotBeRead) {
    ASSERT_TRUE(MakeFolders(made, TestRoot + u"folder.lnk\\"));
    EXPECT_EQ(ReadShortcutTarget(TestRoot + u"folder.lnk"), Text());
    EXPECT_EQ(ResolveIconSource(TestRoot + u"folder.lnk"), Text());
    EXPECT_EQ(ReadShortcutTarget(TestRoot + u"missing.lnk"), Text());
    EXPECT_EQ(ResolveIconSource(TestRoot + u"missing.lnk"), Text());
    EXPECT_EQ(ResolveIconSource(TestRoot + u"missing.exe"), TestRoot + u"missing.exe");
    EXPECT_EQ(ReadShortcutTarget(Text()), Text());
}

TEST_F(ShortcutTargetTest, AFileHeldOpenElsewhereCannotBeRead) {
    Text shortcut = CopyFixture("real/lnk/ez_winxp_wordpad.lnk", u"held.lnk");
    HANDLE other = CreateFileW(Wide(shortcut), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    Text whileHeld = ReadShortcutTarget(shortcut);
    Text iconWhileHeld = ResolveIconSource(shortcut);
    CloseHandle(other);
    EXPECT_EQ(whileHeld, Text());
    EXPECT_EQ(iconWhileHeld, Text());
    EXPECT_EQ(ReadShortcutTarget(shortcut), Text(u"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"));
}

TEST_F(ShortcutTargetTest, LargeFileWithTheTargetAtTheEnd) {
    std::string bytes(50u << 20, '\0');
    for (size_t i = 1000; i + 4 < bytes.size(); i += 4096) bytes.replace(i, 3, "C:\\");
    const std::string wordpad = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe";
    bytes.replace(bytes.size() - wordpad.size() - 1, wordpad.size(), wordpad);
    Text path = Crafted(u"large.lnk", bytes);
    bytes.clear();
    EXPECT_EQ(ReadShortcutTarget(path), AsciiText(wordpad));
    EXPECT_EQ(ResolveIconSource(path), AsciiText(wordpad));
}
