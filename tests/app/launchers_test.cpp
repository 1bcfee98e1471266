#include "app/launchers.h"

#include <gtest/gtest.h>

TEST(LaunchersTest, Table) {
  struct Case {
    int control;
    const char16_t* label;
    const char16_t* file;
    const char16_t* parameters;
  } cases[] = {
      {2, u"Dieser PC", u"explorer.exe", u"/e,"},
      {3, u"Systemsteuerung", u"control.exe", u""},
      {4, u"Eigene Dateien", u"C:\\users\\anna\\", u""},
      {8, u"Geräte Manager", u"control.exe", u"hdwwiz.cpl"},
      {21, u"Geräte & Drucker", u"control.exe", u"printers"},
      {22, u"Netzwerke", u"control.exe", u"netconnections"},
      {23, u"App Deinstallieren", u"control.exe", u"/name Microsoft.ProgramsAndFeatures"},
      {24, u"Windows Update", u"control.exe", u"/name Microsoft.WindowsUpdate"},
      {27, u"Datenträgerverwaltung", u"diskmgmt.msc", u""},
      {28, u"PC-Einstellungen", u"ms-settings:", u""},
  };
  ASSERT_EQ(std::size(cases), LauncherTable.size());
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(LauncherTable[i].control, c.control) << i;
    const Launcher* launcher = FindLauncher(c.control);
    ASSERT_NE(launcher, nullptr) << c.control;
    EXPECT_EQ(Text(launcher->label), Text(c.label)) << c.control;
    LaunchRequest request = LauncherRequest(*launcher, u"C:\\users\\anna\\");
    EXPECT_EQ(request.file, Text(c.file)) << c.control;
    EXPECT_EQ(request.parameters, Text(c.parameters)) << c.control;
    EXPECT_EQ(request.workingFolder, Text()) << c.control;
  }
  // Their own windows and everything else are no launchers.
  for (int control : {0, 1, 9, 26, 11, 29, -1, 1000}) EXPECT_EQ(FindLauncher(control), nullptr) << control;
}

TEST(LaunchersTest, CommandLine) {
  struct Case {
    const char16_t* file;
    const char16_t* parameters;
    const char16_t* line;
  } cases[] = {
      {u"explorer.exe", u"/e,", u"\"explorer.exe\" /e,"},
      {u"control.exe", u"", u"\"control.exe\""},
      {u"C:\\Program Files\\App\\app.exe", u"-x \"a b\"", u"\"C:\\Program Files\\App\\app.exe\" -x \"a b\""},
      {u"\"C:\\Tools\\t.exe\" -q", u"", u"\"C:\\Tools\\t.exe\" -q"},  // starts with a quote: as it is
      {u"\"unclosed", u"p", u"\"unclosed p"},
      {u"", u"", u"\"\""},
      {u"", u"p", u"\"\" p"},
      {u"a\"b", u"", u"\"a\"b\""},  // only a leading quote counts
      {u"notepad.exe", u" ", u"\"notepad.exe\"  "},  // parameters are not trimmed
      {u"Größe.exe", u"ä", u"\"Größe.exe\" ä"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BuildCommandLine(c.file, c.parameters), Text(c.line)) << TextToUtf8(c.file);
}

TEST(LaunchersTest, ShellWorkingFolder) {
  struct Case {
    const char16_t* file;
    const char16_t* workingFolder;
    const char16_t* expected;
  } cases[] = {
      {u"C:\\X\\Y\\app.lnk", u"", u"C:\\X\\Y\\"},
      {u"C:\\X\\Y\\app.lnk", u"D:\\W\\", u"D:\\W\\"},  // a given folder wins
      {u"C:\\Users\\anna\\", u"", u"C:\\Users\\anna\\"},  // a folder: the whole path
      {u"ms-settings:", u"", u""},
      {u"diskmgmt.msc", u"", u""},
      {u"\\share", u"", u""},          // the only backslash is the first character
      {u"\\\\server\\share", u"", u"\\\\server\\"},
      {u"a\\", u"", u"a\\"},
      {u"C:/X/Y/app.lnk", u"", u""},   // slashes do not count
      {u"", u"", u""},
      {u"\\", u"", u""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ShellWorkingFolder(c.file, c.workingFolder), Text(c.expected)) << TextToUtf8(c.file);
}
