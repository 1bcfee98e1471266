// LaunchProgram under Wine, observed through the recorder stand-in, which
// appends "<command line>\t<current folder>" for every start.
#include "platform/launch.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/wide.h"

namespace {

struct Record {
  Text commandLine;
  Text folder;
};

Text OwnFolder() {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  Text path = FromWide(buffer, length);
  return path.substr(0, path.rfind(u'\\') + 1);
}

Text CurrentFolder() {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
  return FromWide(buffer, length);
}

Text WithoutTrailingBackslash(Text folder) {
  if (folder.size() > 3 && EndsWith(folder, u"\\")) folder.pop_back();
  return folder;
}

bool WriteWholeFile(const Text& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string ReadWholeFile(const Text& path) {
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

// Complete lines only: a record being written has no newline yet.
std::vector<Record> ParseRecords(const std::string& bytes) {
  std::vector<Record> records;
  size_t start = 0;
  for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
    std::string line = bytes.substr(start, end - start);
    size_t tab = line.rfind('\t');
    if (tab != std::string::npos) records.push_back({Utf8ToText(line.substr(0, tab)), Utf8ToText(line.substr(tab + 1))});
    start = end + 1;
  }
  return records;
}

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    recorder_ = OwnFolder() + u"OrvantoRecorder.exe";
    ASSERT_NE(GetFileAttributesW(Wide(recorder_)), INVALID_FILE_ATTRIBUTES)
        << "build the OrvantoRecorder target beside the tests";
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = FromWide(temp) + u"orvanto-launch-" + DecimalText(GetCurrentProcessId()) + u"-" +
            AsciiText(::testing::UnitTest::GetInstance()->current_test_info()->name()) + u"\\";
    ASSERT_TRUE(CreateDirectoryW(Wide(root_), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    start_ = root_ + u"start\\";
    CreateDirectoryW(Wide(start_), nullptr);
    record_ = root_ + u"record.txt";
    DeleteFileW(Wide(record_));
    SetEnvironmentVariableW(L"ORVANTO_RECORD", Wide(record_));
    previousFolder_ = CurrentFolder();
    ASSERT_TRUE(SetCurrentDirectoryW(Wide(start_)));
  }

  void TearDown() override {
    SetCurrentDirectoryW(Wide(previousFolder_));
    SetEnvironmentVariableW(L"ORVANTO_RECORD", nullptr);
    for (const Text& file : created_) DeleteFileW(Wide(file));
    DeleteFileW(Wide(record_));
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) RemoveDirectoryW(Wide(*folder));
    RemoveDirectoryW(Wide(start_));
    RemoveDirectoryW(Wide(root_));
    CoUninitialize();
  }

  Text MakeFolder(const Text& relative) {
    Text folder = root_ + relative;
    CreateDirectoryW(Wide(folder), nullptr);
    folders_.push_back(folder);
    return folder;
  }

  Text CopyRecorder(const Text& path) {
    EXPECT_TRUE(CopyFileW(Wide(recorder_), Wide(path), FALSE)) << TextToUtf8(path);
    created_.push_back(path);
    return path;
  }

  // Waits until `count` records are complete (the stand-ins run on their own).
  std::vector<Record> WaitForRecords(size_t count) {
    std::vector<Record> records;
    for (int poll = 0; poll < 500; ++poll) {
      records = ParseRecords(ReadWholeFile(record_));
      if (records.size() >= count) break;
      Sleep(20);
    }
    return records;
  }

  Text recorder_, root_, start_, record_, previousFolder_;
  std::vector<Text> created_, folders_;
};

}  // namespace

TEST_F(LaunchTest, QuotesTheFileAndAppendsParameters) {
  Text tool = CopyRecorder(MakeFolder(u"with blank\\") + u"stand in.exe");
  LaunchReport report = LaunchProgramReporting(tool, u"/e, x", u"");
  EXPECT_TRUE(report.processCreated);
  EXPECT_FALSE(report.shellUsed);
  EXPECT_TRUE(report.started);
  std::vector<Record> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, u"\"" + tool + u"\" /e, x");
  EXPECT_EQ(records[0].folder, WithoutTrailingBackslash(start_));  // the caller's own folder
}

TEST_F(LaunchTest, FileStartingWithAQuoteIsPassedUnchanged) {
  Text tool = CopyRecorder(MakeFolder(u"quoted dir\\") + u"tool.exe");
  Text line = u"\"" + tool + u"\" -q \"two words\"";
  EXPECT_TRUE(LaunchProgram(line));
  std::vector<Record> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, line);
}

TEST_F(LaunchTest, GivenWorkingFolderBecomesTheCurrentFolder) {
  Text tool = CopyRecorder(MakeFolder(u"bin\\") + u"tool.exe");
  Text work = MakeFolder(u"Arbeitsordner äö\\");
  EXPECT_TRUE(LaunchProgram(tool, u"", work));
  std::vector<Record> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, u"\"" + tool + u"\"");
  EXPECT_EQ(records[0].folder, WithoutTrailingBackslash(work));
}

TEST_F(LaunchTest, BareNameIsFoundThroughTheSearchOrder) {
  // The current folder is searched before System32, so this stand-in wins.
  CopyRecorder(start_ + u"control.exe");
  LaunchReport report = LaunchProgramReporting(u"control.exe", u"printers", u"");
  EXPECT_TRUE(report.processCreated);
  std::vector<Record> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].commandLine, u"\"control.exe\" printers");
}

TEST_F(LaunchTest, ShellAddressFallsBackToTheShellWithoutWorkingFolder) {
  LaunchReport report = LaunchProgramReporting(u"ms-settings:", u"", u"");
  EXPECT_FALSE(report.processCreated);
  EXPECT_TRUE(report.shellUsed);
  EXPECT_EQ(report.shellWorkingFolder, u"");
}

TEST_F(LaunchTest, MissingFileFailsSilently) {
  Text missing = root_ + u"nowhere\\missing.exe";
  LaunchReport report = LaunchProgramReporting(missing, u"-a", u"");
  EXPECT_FALSE(report.processCreated);
  EXPECT_TRUE(report.shellUsed);
  EXPECT_EQ(report.shellWorkingFolder, root_ + u"nowhere\\");
  EXPECT_FALSE(report.started);
  EXPECT_FALSE(LaunchProgram(missing));
}

namespace {

// A file type of the tests' own, opened by the stand-in. Windows reads per-user
// classes; Wine 8 reads only the machine-wide ones, so both are written.
const HKEY ClassRoots[] = {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};
const wchar_t* ClassPrefix(HKEY root) { return root == HKEY_CURRENT_USER ? L"Software\\Classes\\" : L""; }

bool SetDefaultValue(HKEY root, const std::wstring& path, const Text& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  LSTATUS status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(char16_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

bool RegisterDocumentType(const Text& opener) {
  bool any = false;
  for (HKEY root : ClassRoots) {
    std::wstring prefix = ClassPrefix(root);
    bool ok = SetDefaultValue(root, prefix + L".orvantodoc", u"OrvantoTestDocument") &&
              SetDefaultValue(root, prefix + L"OrvantoTestDocument\\shell\\open\\command",
                              u"\"" + opener + u"\" open \"%1\"");
    any = any || ok;
  }
  return any;
}

void UnregisterDocumentType() {
  for (HKEY root : ClassRoots) {
    std::wstring prefix = ClassPrefix(root);
    RegDeleteTreeW(root, (prefix + L"OrvantoTestDocument").c_str());
    RegDeleteTreeW(root, (prefix + L".orvantodoc").c_str());
  }
}

}  // namespace

TEST_F(LaunchTest, DocumentOpensThroughTheShellInItsOwnFolder) {
  ASSERT_TRUE(RegisterDocumentType(recorder_));
  Text folder = MakeFolder(u"Dokumente\\");
  Text document = folder + u"Notiz.orvantodoc";
  ASSERT_TRUE(WriteWholeFile(document, "text"));
  created_.push_back(document);

  LaunchReport report = LaunchProgramReporting(document, u"", u"");
  std::vector<Record> records = WaitForRecords(1);
  UnregisterDocumentType();

  EXPECT_FALSE(report.processCreated);
  EXPECT_TRUE(report.shellUsed);
  EXPECT_EQ(report.shellWorkingFolder, folder);
  EXPECT_TRUE(report.started);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_NE(records[0].commandLine.find(document), Text::npos) << TextToUtf8(records[0].commandLine);
  EXPECT_EQ(records[0].folder, WithoutTrailingBackslash(folder));
}

TEST_F(LaunchTest, PropertiesOfAMissingPathShowNothing) {
  EXPECT_FALSE(OpenFileProperties(root_ + u"missing\\nothing.txt"));
}
