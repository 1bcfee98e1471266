#include "platform/files.h"

#include "tests/settings/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using SettingsFiles = ScratchFolderTest;

TEST_F(SettingsFiles, ExistenceTellsFilesFromFolders) {
    ASSERT_TRUE(WriteBytes(folder + u"a.txt", "x"));
    ASSERT_TRUE(CreateFolder(folder + u"sub"));
    EXPECT_TRUE(CreateFolder(folder + u"sub"));  // already there
    EXPECT_FALSE(CreateFolder(folder + u"no\\deeper"));
    struct Case { Text path; bool any, file, isFolder; };
    const Case cases[] = {{folder + u"a.txt", true, true, false}, {folder + u"sub", true, false, true},
                          {folder + u"none", false, false, false}, {u"", false, false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(PathExists(c.path), c.any) << TextToUtf8(c.path);
        EXPECT_EQ(FileExists(c.path), c.file) << TextToUtf8(c.path);
        EXPECT_EQ(FolderExists(c.path), c.isFolder) << TextToUtf8(c.path);
    }
}

TEST_F(SettingsFiles, EnumerationListsEntriesWithTheirKind) {
    ASSERT_TRUE(WriteBytes(folder + u"tool.exe", "MZ"));
    ASSERT_TRUE(WriteBytes(folder + u"readme.txt", ""));
    ASSERT_TRUE(CreateFolder(folder + u"Programs"));
    std::vector<FolderEntry> entries = EnumerateFolder(folder);
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, u"Programs");
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_EQ(entries[1].name, u"readme.txt");
    EXPECT_FALSE(entries[1].isFolder);
    std::vector<FolderEntry> programs = EnumerateFiles(folder, u"*.exe");
    ASSERT_EQ(programs.size(), 1u);
    EXPECT_EQ(programs[0].name, u"tool.exe");
    EXPECT_TRUE(EnumerateFolder(folder + u"none\\").empty());
    EXPECT_TRUE(EnumerateFolder(u"").empty());
}

TEST_F(SettingsFiles, WholeFileReadsHonourExclusiveAccess) {
    const Text path = folder + u"data.bin";
    const std::string content("\0\x01\xFF text\r\n", 10);
    ASSERT_TRUE(WriteBytes(path, content));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes, true));
    EXPECT_EQ(bytes, content);
    HANDLE other = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadWholeFile(path, bytes, true));
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(ReadWholeFile(path, bytes, false));
    EXPECT_EQ(bytes, content);
    CloseHandle(other);
    EXPECT_FALSE(ReadWholeFile(folder, bytes, false));
    EXPECT_FALSE(ReadWholeFile(folder + u"none", bytes, false));
}

TEST_F(SettingsFiles, PathsBeyondTheClassicLimitWorkOrFailCleanly) {
    Text deep = folder;
    while (deep.size() < 300) {
        deep += Text(40, u'd') + u"\\";
        ASSERT_TRUE(CreateFolder(deep)) << deep.size();
    }
    const Text file = deep + u"Settings.ini";
    EXPECT_TRUE(CanCreateOrReplaceFile(file));
    ASSERT_TRUE(ReplaceFileContent(file, "long"));
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(file, bytes, false));
    EXPECT_EQ(bytes, "long");
    EXPECT_TRUE(FileExists(file));
    ASSERT_EQ(EnumerateFolder(deep).size(), 1u);
    EXPECT_TRUE(RemoveFile(file));
    const Text tooLong = folder + Text(40000, u'z') + u"\\x.ini";
    EXPECT_FALSE(FileExists(tooLong));
    EXPECT_FALSE(ReadWholeFile(tooLong, bytes, false));
    EXPECT_FALSE(CanCreateOrReplaceFile(tooLong));
    EXPECT_FALSE(ReplaceFileContent(tooLong, "x"));
    // The scratch clean-up cannot walk this deep without the long form.
    for (Text level = deep; level.size() > folder.size(); level = FolderPart(level.substr(0, level.size() - 1)))
        RemoveDirectoryW(Wide(u"\\\\?\\" + level));
}

TEST_F(SettingsFiles, ReplaceProbeChangesNothing) {
    const Text path = folder + u"Settings.ini";
    EXPECT_TRUE(CanCreateOrReplaceFile(path));
    EXPECT_TRUE(EnumerateFolder(folder).empty());
    ASSERT_TRUE(WriteBytes(path, "old"));
    EXPECT_TRUE(CanCreateOrReplaceFile(path));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(EnumerateFolder(folder).size(), 1u);
}

TEST(SettingsEnvironment, VariablesAndFoldersOfTheRunningProgram) {
    SetEnvironmentVariableW(L"ORVANTO_TEST_VALUE", L"w\u00FCrde");
    EXPECT_EQ(ReadEnvironmentVariable(u"ORVANTO_TEST_VALUE"), u"w\u00FCrde");
    const Text longValue(5000, u'v');
    SetEnvironmentVariableW(L"ORVANTO_TEST_VALUE", Wide(longValue));
    EXPECT_EQ(ReadEnvironmentVariable(u"ORVANTO_TEST_VALUE"), longValue);
    SetEnvironmentVariableW(L"ORVANTO_TEST_VALUE", nullptr);
    EXPECT_EQ(ReadEnvironmentVariable(u"ORVANTO_TEST_VALUE"), u"");
    EXPECT_EQ(ReadEnvironmentVariable(u""), u"");

    Text exeFolder = ExecutableFolder();
    EXPECT_TRUE(EndsWith(exeFolder, u"\\"));
    EXPECT_TRUE(FolderExists(exeFolder));
    Text profile = ReadProfileFolder();
    EXPECT_TRUE(EndsWith(profile, u"\\"));
    EXPECT_TRUE(FolderExists(profile));
    int day = ReadLocalDayOfMonth();
    EXPECT_GE(day, 1);
    EXPECT_LE(day, 31);
}

}  // namespace
