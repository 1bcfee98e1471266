#include "settings/settings_store.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsValues, StyleOfTheDayCyclesThroughFiveStyles) {
    const int64_t expected[32] = {-1, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0,
                                  1,  2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0};
    for (int64_t day = 1; day <= 31; ++day) EXPECT_EQ(ShutdownSkinOfTheDay(day), expected[day]) << "day " << day;
    EXPECT_EQ(ShutdownSkinOfTheDay(0), 4);  // no valid date still gives a style
    EXPECT_EQ(ShutdownSkinOfTheDay(-3), 1);
}

TEST(SettingsValues, DailyStyleKeepsTheStoredValue) {
    struct Case { int64_t stored, day, skin; };
    const Case cases[] = {{5, 7, 1}, {5, 30, 4}, {5, 31, 0}, {5, 1, 0}, {3, 7, 3}, {9, 7, 9}, {0, 30, 0}};
    for (const Case& c : cases) {
        Settings settings;
        ResolveShutdownSkin(settings, c.stored, c.day);
        EXPECT_EQ(settings.ShutdownSkin, c.skin) << c.stored << " on " << c.day;
        EXPECT_EQ(settings.ConfiguredShutdownSkin, c.stored);
    }
}

TEST(SettingsValues, StartMenuFoldersFollowTheProfileDrive) {
    EXPECT_EQ(UserStartMenuFolder(u"C:\\Users\\Example\\"),
              u"C:\\Users\\Example\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\");
    EXPECT_EQ(CommonStartMenuFolder(u"C:\\Users\\Example\\"), u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\");
    EXPECT_EQ(CommonStartMenuFolder(u"D:\\Profile\\"), u"D:\\ProgramData\\Microsoft\\Windows\\Start Menu\\");
    EXPECT_EQ(CommonStartMenuFolder(u""), u"ProgramData\\Microsoft\\Windows\\Start Menu\\");
}

TEST(SettingsValues, InitialValuesReplaceWhateverWasThere) {
    gSettings.StartMode = 7;
    gSettings.LogoffDefault = 0;
    gSettings.ConfiguredShutdownSkin = 5;
    gSettings.StartMenuFolders = {u"X:\\"};
    InitSettings(u"C:\\Users\\Example\\");
    const int64_t expected[] = {1, 0, 1, 1, 0, 0, 1, 2, 0};
    for (size_t i = 0; i < std::size(kSettingsKeys); ++i)
        EXPECT_EQ(gSettings.*kSettingsKeys[i].field, expected[i]) << TextToUtf8(kSettingsKeys[i].key);
    EXPECT_EQ(gSettings.ConfiguredShutdownSkin, 0);
    ASSERT_EQ(gSettings.StartMenuFolders.size(), 2u);
    EXPECT_EQ(gSettings.StartMenuFolders[0], UserStartMenuFolder(u"C:\\Users\\Example\\"));
    EXPECT_EQ(gSettings.StartMenuFolders[1], CommonStartMenuFolder(u"C:\\Users\\Example\\"));
}

TEST(SettingsValues, FolderKeysCountInDecimal) {
    EXPECT_EQ(StartMenuFolderKey(0), u"StartMenuFolder0");
    EXPECT_EQ(StartMenuFolderKey(12), u"StartMenuFolder12");
}

}  // namespace
