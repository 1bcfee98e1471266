#include "app/launchers.h"

const std::array<Launcher, LauncherCount> LauncherTable = {{
    {2, u"Dieser PC", u"explorer.exe", u"/e,", u""},
    {3, u"Systemsteuerung", u"control.exe", u"", u""},
    {4, u"Eigene Dateien", nullptr, u"", u""},
    {8, u"Geräte Manager", u"control.exe", u"hdwwiz.cpl", u""},
    {21, u"Geräte & Drucker", u"control.exe", u"printers", u""},
    {22, u"Netzwerke", u"control.exe", u"netconnections", u""},
    {23, u"App Deinstallieren", u"control.exe", u"/name Microsoft.ProgramsAndFeatures", u""},
    {24, u"Windows Update", u"control.exe", u"/name Microsoft.WindowsUpdate", u""},
    {27, u"Datenträgerverwaltung", u"diskmgmt.msc", u"", u""},
    {28, u"PC-Einstellungen", u"ms-settings:", u"", u""},
}};

const Launcher* FindLauncher(int control) {
  for (const Launcher& launcher : LauncherTable)
    if (launcher.control == control) return &launcher;
  return nullptr;
}

LaunchRequest LauncherRequest(const Launcher& launcher, const Text& profileFolder) {
  return {launcher.file ? Text(launcher.file) : profileFolder, launcher.parameters, launcher.workingFolder};
}

Text BuildCommandLine(const Text& file, const Text& parameters) {
  Text line = StartsWith(file, u"\"") ? file : u"\"" + file + u"\"";
  if (!parameters.empty()) line += u" " + parameters;
  return line;
}

Text ShellWorkingFolder(const Text& file, const Text& workingFolder) {
  if (!workingFolder.empty()) return workingFolder;
  size_t last = file.rfind(u'\\');
  if (last == Text::npos || last == 0) return {};
  return file.substr(0, last + 1);
}
