#include "settings/settings_store.h"

#include "platform/files.h"
#include "tests/settings/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

const Text kProfile = u"C:\\Users\\Example\\";

// The file that "OK" writes for an unchanged dialog with the initial values.
const std::string kExampleSettings =
    "\xEF\xBB\xBF\r\n"
    "; Orvanto ConfigurationsFile\r\n"
    "; \r\n"
    "[MenuSettings]\r\n"
    "; \r\n"
    "StartMode = 1\r\n"
    "MenuMode = 0\r\n"
    "SortMode = 1\r\n"
    "RenameFolders = 1\r\n"
    "MenuColor = 0\r\n"
    "ShutdownSkin = 0\r\n"
    "PlayMenuPopupSound = 1\r\n"
    "LogoffDefault = 2\r\n"
    "UseOriginalIcon = 0\r\n"
    "; \r\n"
    "StartMenuFolder0 = C:\\Users\\Example\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\\r\n"
    "StartMenuFolder1 = C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\\r\n";

struct SettingsStore : ScratchFolderTest {
    Text path;
    void SetUp() override {
        ScratchFolderTest::SetUp();
        path = folder + u"Settings.ini";
        InitSettings(kProfile);
    }
};

std::vector<int64_t> IntegerFields() {
    std::vector<int64_t> values;
    for (const SettingsKey& entry : kSettingsKeys) values.push_back(gSettings.*entry.field);
    values.push_back(gSettings.ConfiguredShutdownSkin);
    return values;
}

TEST_F(SettingsStore, SavedInitialValuesAreTheExampleFile) {
    SaveSettings(path);
    EXPECT_EQ(ReadBytes(path), kExampleSettings);
}

TEST_F(SettingsStore, FirstStartWithoutFileKeepsInitialValues) {
    LoadSettingsOnDay(path, 7);
    EXPECT_EQ(IntegerFields(), (std::vector<int64_t>{1, 0, 1, 1, 0, 0, 1, 2, 0, 0}));
    EXPECT_EQ(gSettings.StartMenuFolders, (std::vector<Text>{UserStartMenuFolder(kProfile), CommonStartMenuFolder(kProfile)}));
}

TEST_F(SettingsStore, FilesWithoutTheGroupKeepInitialValues) {
    for (const char* bytes : {"", "StartMode=0\r\n", "[Other]\r\nStartMode=0\r\n", "[ MenuSettings ]\r\nSortMode=0\r\n"}) {
        ASSERT_TRUE(WriteBytes(path, bytes));
        InitSettings(kProfile);
        LoadSettingsOnDay(path, 7);
        EXPECT_EQ(IntegerFields(), (std::vector<int64_t>{1, 0, 1, 1, 0, 0, 1, 2, 0, 0})) << bytes;
        EXPECT_EQ(gSettings.StartMenuFolders.size(), 2u) << bytes;
    }
}

TEST_F(SettingsStore, GroupAloneGivesTheMissingKeyDefaults) {
    ASSERT_TRUE(WriteBytes(path, "[MenuSettings]\r\n"));
    LoadSettingsOnDay(path, 7);
    EXPECT_EQ(IntegerFields(), (std::vector<int64_t>{0, 0, 0, 0, 0, 0, 1, 1, 0, 0}));
    EXPECT_TRUE(gSettings.StartMenuFolders.empty());
}

TEST_F(SettingsStore, DailyShutdownStyleDependsOnTheDay) {
    ASSERT_TRUE(WriteBytes(path, "[MenuSettings]\r\nShutdownSkin=5\r\n"));
    struct Case { int64_t day, skin; };
    for (const Case& c : {Case{7, 1}, Case{30, 4}, Case{31, 0}}) {
        LoadSettingsOnDay(path, c.day);
        EXPECT_EQ(gSettings.ShutdownSkin, c.skin) << "day " << c.day;
        EXPECT_EQ(gSettings.ConfiguredShutdownSkin, 5);
    }
    LoadSettings(path);  // today's date
    EXPECT_GE(gSettings.ShutdownSkin, 0);
    EXPECT_LE(gSettings.ShutdownSkin, 4);
}

TEST_F(SettingsStore, FolderListStopsAtTheFirstGapOrEmptyValue) {
    struct Case { const char* bytes; std::vector<Text> folders; };
    const Case cases[] = {
        {"[MenuSettings]\r\nStartMenuFolder0=C:\\A\\\r\nStartMenuFolder1=C:\\B\\\r\nStartMenuFolder3=C:\\D\\\r\n",
         {u"C:\\A\\", u"C:\\B\\"}},
        {"[MenuSettings]\r\nStartMenuFolder0=C:\\A\\\r\nStartMenuFolder1=\r\nStartMenuFolder2=C:\\C\\\r\n", {u"C:\\A\\"}},
        {"[MenuSettings]\r\nstartmenufolder0 = C:\\A\\\r\n", {u"C:\\A\\"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        LoadSettingsOnDay(path, 1);
        EXPECT_EQ(gSettings.StartMenuFolders, c.folders) << c.bytes;
    }
}

TEST_F(SettingsStore, KeysAreFoundInAnyLetterCase) {
    ASSERT_TRUE(WriteBytes(path, "[menusettings]\r\nstartmode = 0\r\nMENUCOLOR=11\r\nlogoffdefault=3\r\n"));
    LoadSettingsOnDay(path, 1);
    EXPECT_EQ(gSettings.StartMode, 0);
    EXPECT_EQ(gSettings.MenuColor, 11);
    EXPECT_EQ(gSettings.LogoffDefault, 3);
}

TEST_F(SettingsStore, HandEditedFileResavedHoldsOnlyWhatTheProgramWrites) {
    ASSERT_TRUE(WriteBytes(path,
                           "; my notes\r\n\r\n[Extra]\r\nA=1\r\n"
                           "[MenuSettings]\n\tStartMode=1\nMenuMode = 0 \nSortMode=1\nRenameFolders=1\n; keep?\n"
                           "PlayMenuPopupSound=1\nLogoffDefault=2\nUnknownKey=9\n"
                           "StartMenuFolder0=C:\\Users\\Example\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\\n"
                           "StartMenuFolder1=C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\\n[Later]\nB=2\n"));
    LoadSettingsOnDay(path, 1);
    SaveSettings(path);
    EXPECT_EQ(ReadBytes(path), kExampleSettings);
}

TEST_F(SettingsStore, RemovedFolderIsSavedWithoutAGap) {
    gSettings.StartMenuFolders = {u"C:\\0\\", u"C:\\1\\", u"C:\\2\\", u"C:\\3\\", u"C:\\4\\"};
    gSettings.StartMenuFolders.erase(gSettings.StartMenuFolders.begin() + 2);
    gSettings.ShutdownSkin = 5;
    gSettings.MenuColor = int64_t(1) << 40;  // beyond the file's 32 bits
    SaveSettings(path);
    InitSettings(kProfile);
    LoadSettingsOnDay(path, 2);
    EXPECT_EQ(gSettings.StartMenuFolders, (std::vector<Text>{u"C:\\0\\", u"C:\\1\\", u"C:\\3\\", u"C:\\4\\"}));
    EXPECT_EQ(gSettings.ConfiguredShutdownSkin, 5);
    EXPECT_EQ(gSettings.ShutdownSkin, 1);
    EXPECT_EQ(gSettings.MenuColor, 2147483647);
}

TEST_F(SettingsStore, UnwritableFileLosesTheChoicesButNotTheOldFile) {
    ASSERT_TRUE(WriteBytes(path, kExampleSettings));
    ASSERT_TRUE(SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_READONLY));
    gSettings.StartMode = 0;
    SaveSettings(path);
    EXPECT_EQ(ReadBytes(path), kExampleSettings);
    SaveSettings(u"<ERROR>Settings.ini");
    SaveSettings(folder + u"missing\\Settings.ini");
    EXPECT_FALSE(PathExists(folder + u"missing"));
}

}  // namespace
