#include "browser/start_menu_paths.h"

#include <gtest/gtest.h>

#include <set>

namespace {
ExistenceTest In(const std::set<Text>& present) {
    return [present](const Text& p) { return present.count(p) > 0; };
}
const Text User = u"C:\\users\\u\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\";
const Text Common = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\";
}  // namespace

TEST(StartMenuPathsTest, ResolveTakesTheFirstRootThatHasIt) {
    std::vector<Text> roots = {User, Common};
    struct Case {
        std::set<Text> present;
        const char16_t* relative;
        Text expected;
    } cases[] = {
        {{User + u"Programs\\a.lnk", Common + u"Programs\\a.lnk"}, u"Programs\\a.lnk", User + u"Programs\\a.lnk"},
        {{Common + u"Programs\\a.lnk"}, u"Programs\\a.lnk", Common + u"Programs\\a.lnk"},
        {{Common + u"Programs"}, u"Programs", Common + u"Programs"},
        {{}, u"Programs\\a.lnk", u"Programs\\a.lnk"},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolveStartMenuPath(c.relative, roots, In(c.present)), c.expected);
    EXPECT_EQ(ResolveStartMenuPath(u"x.lnk", {}, In({})), Text(u"x.lnk"));
}

TEST(StartMenuPathsTest, SearchResultsUseSysWow64) {
    EXPECT_EQ(SearchResultItemPath(u"C:\\Windows", u"notepad.exe"), Text(u"C:\\Windows\\SysWOW64\\notepad.exe"));
    EXPECT_EQ(SearchResultItemPath(u"C:\\Windows\\", u"notepad.exe"), Text(u"C:\\Windows\\SysWOW64\\notepad.exe"));
}

TEST(StartMenuPathsTest, ListRowsPreferTheUserFolder) {
    EXPECT_EQ(ListRowItemPath(u"Programs\\a.lnk", User, Common, In({User + u"Programs\\a.lnk"})),
              User + u"Programs\\a.lnk");
    EXPECT_EQ(ListRowItemPath(u"Programs\\a.lnk", User, Common, In({})), Common + u"Programs\\a.lnk");
}

TEST(StartMenuPathsTest, TargetFolderToOpen) {
    const Text shortcut = Common + u"Programs\\App.lnk";
    const Text pf = u"C:\\Program Files", pf86 = u"C:\\Program Files (x86)";
    struct Case {
        const char16_t* what;
        Text target;
        std::set<Text> present;
        Text expected;
    } cases[] = {
        {u"target found", u"C:\\Program Files\\App\\app.exe", {shortcut, u"C:\\Program Files\\App\\app.exe"},
         u"C:\\Program Files\\App\\"},
        {u"target gone", u"C:\\gone\\app.exe", {shortcut}, Common + u"Programs\\"},
        {u"no target, program files", u"", {shortcut, pf + u"\\App.lnk\\"}, pf + u"\\App.lnk\\"},
        {u"no target, x86", u"", {shortcut, pf86 + u"\\App.lnk\\"}, pf86 + u"\\App.lnk\\"},
        {u"no target, neither", u"", {shortcut}, Common + u"Programs\\"},
        {u"nothing exists", u"", {}, u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TargetFolderToOpen(shortcut, c.target, pf, pf86, In(c.present)), c.expected) << TextToUtf8(c.what);
    // A folder row: its name is looked for under Program Files.
    const Text games = Common + u"Programs\\Games";
    EXPECT_EQ(TargetFolderToOpen(games, u"", pf, pf86, In({games, pf + u"\\Games\\"})), pf + u"\\Games\\");
}
