#include "settings/preference_file.h"

#include "platform/files.h"
#include "tests/settings/reading_cases.h"
#include "tests/settings/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kEmptyFile = "\xEF\xBB\xBF\r\n";
const std::string kOldContent = "\xEF\xBB\xBF\r\n[MenuSettings]\r\nStartMode = 0\r\n";

using SettingsPreferenceFile = ScratchFolderTest;

std::vector<Text> NamesIn(const Text& folder) {
    std::vector<Text> names;
    for (const FolderEntry& entry : EnumerateFolder(folder)) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(SettingsPreferenceFile, ReadsEveryFixtureFileByTheRules) {
    const Text path = folder + u"case.ini";
    for (const ReadingCase& c : ReadingCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        ASSERT_TRUE(PreferenceFile::Open(path));
        if (c.group) {
            EXPECT_EQ(PreferenceFile::SelectGroup(c.group), c.groupFound);
        }
        Text expected = c.text ? Text(c.text) : Text(kMissingText);
        EXPECT_EQ(TextToUtf8(PreferenceFile::ReadString(c.key, kMissingText)), TextToUtf8(expected));
        EXPECT_EQ(PreferenceFile::ReadInteger(c.key, kMissingInteger), c.integer);
        EXPECT_TRUE(PreferenceFile::Close());
        EXPECT_EQ(ReadBytes(path), c.bytes);  // reading never writes
    }
}

TEST_F(SettingsPreferenceFile, CreatedFileWithNothingWrittenIsFiveBytes) {
    const Text path = folder + u"empty.ini";
    ASSERT_TRUE(PreferenceFile::Create(path));
    PreferenceFile::SelectGroup(u"List");  // selected, never written
    PreferenceFile::Close();
    EXPECT_EQ(ReadBytes(path), kEmptyFile);
}

TEST_F(SettingsPreferenceFile, OldContentStaysUntilCloseReplacesIt) {
    const Text path = folder + u"Settings.ini";
    ASSERT_TRUE(WriteBytes(path, kOldContent));
    ASSERT_TRUE(PreferenceFile::Create(path));
    PreferenceFile::SelectGroup(u"G");
    PreferenceFile::WriteInteger(u"K", -5);
    EXPECT_EQ(ReadBytes(path), kOldContent);
    EXPECT_TRUE(PreferenceFile::Close());
    EXPECT_EQ(ReadBytes(path), kEmptyFile + "[G]\r\nK = -5\r\n");
    EXPECT_EQ(NamesIn(folder), std::vector<Text>{u"Settings.ini"});
}

TEST_F(SettingsPreferenceFile, FailedSaveLeavesThePreviousFileByteForByte) {
    const Text path = folder + u"Settings.ini";
    for (ReplaceFault fault : {ReplaceFault::TempWrite, ReplaceFault::Replace}) {
        ASSERT_TRUE(WriteBytes(path, kOldContent));
        ASSERT_TRUE(PreferenceFile::Create(path));
        PreferenceFile::SelectGroup(u"MenuSettings");
        PreferenceFile::WriteString(u"StartMenuFolder0", Text(2000, u'x'));
        InjectReplaceFault(fault);
        EXPECT_FALSE(PreferenceFile::Close());
        EXPECT_EQ(ReadBytes(path), kOldContent);
        EXPECT_EQ(NamesIn(folder), std::vector<Text>{u"Settings.ini"});
    }
}

TEST_F(SettingsPreferenceFile, TemporaryFileThatCannotBeMadeKeepsTheOldFile) {
    const Text path = folder + u"Settings.ini";
    ASSERT_TRUE(WriteBytes(path, kOldContent));
    ASSERT_TRUE(PreferenceFile::Create(path));
    PreferenceFile::AddComment(u"new");
    // Something else takes the temporary name between Create and Close.
    ASSERT_TRUE(CreateDirectoryW(Wide(TemporaryFileFor(path)), nullptr));
    EXPECT_FALSE(PreferenceFile::Close());
    EXPECT_EQ(ReadBytes(path), kOldContent);
    RemoveDirectoryW(Wide(TemporaryFileFor(path)));
}

TEST_F(SettingsPreferenceFile, UncreatableFilesMakeCreateFail) {
    const Text readOnly = folder + u"Settings.ini";
    ASSERT_TRUE(WriteBytes(readOnly, kOldContent));
    ASSERT_TRUE(SetFileAttributesW(Wide(readOnly), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryW(Wide(folder + u"sub"), nullptr));
    const Text cases[] = {readOnly, folder + u"missing\\Settings.ini", folder + u"sub", u"<ERROR>Settings.ini", u""};
    for (const Text& path : cases) {
        SCOPED_TRACE(TextToUtf8(path));
        EXPECT_FALSE(PreferenceFile::Create(path));
        PreferenceFile::AddComment(u"ignored while closed");
        EXPECT_TRUE(PreferenceFile::Close());
    }
    EXPECT_EQ(ReadBytes(readOnly), kOldContent);
    EXPECT_EQ(NamesIn(folder), (std::vector<Text>{u"Settings.ini", u"sub"}));
}

TEST_F(SettingsPreferenceFile, OpenFailsForMissingFilesAndFolders) {
    EXPECT_FALSE(PreferenceFile::Open(folder + u"none.ini"));
    EXPECT_FALSE(PreferenceFile::Open(folder));
    EXPECT_FALSE(PreferenceFile::Open(u"<ERROR>Settings.ini"));
    EXPECT_EQ(PreferenceFile::ReadInteger(u"K", 3), 3);
    EXPECT_FALSE(PreferenceFile::SelectGroup(u"G"));
}

TEST_F(SettingsPreferenceFile, OpeningAnotherFileWritesTheOneThatIsOpen) {
    const Text first = folder + u"first.lst";
    const Text second = folder + u"second.lst";
    ASSERT_TRUE(WriteBytes(second, "[List]\r\n0=a\r\n"));
    ASSERT_TRUE(PreferenceFile::Create(first));
    PreferenceFile::SelectGroup(u"List");
    PreferenceFile::WriteString(u"0", u"Müller");
    ASSERT_TRUE(PreferenceFile::Open(second));
    EXPECT_EQ(ReadBytes(first), kEmptyFile + "[List]\r\n0 = M\xC3\xBCller\r\n");
    ASSERT_TRUE(PreferenceFile::SelectGroup(u"List"));
    EXPECT_EQ(PreferenceFile::ReadString(u"0", u""), u"a");
    PreferenceFile::Close();
}

TEST_F(SettingsPreferenceFile, OpenReadsAFileThatAnotherHandleHolds) {
    const Text path = folder + u"shared.ini";
    ASSERT_TRUE(WriteBytes(path, "[G]\r\nK=1\r\n"));
    HANDLE other = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(PreferenceFile::Open(path));  // another reader does not stop us
    PreferenceFile::Close();
    CloseHandle(other);
}

}  // namespace
