#include "platform/launch.h"

#include <windows.h>
#include <shellapi.h>

#include "app/launchers.h"
#include "platform/wide.h"

namespace {

bool CreateProcessFrom(const Text& file, const Text& parameters, const Text& workingFolder) {
  Text commandLine = BuildCommandLine(file, parameters);  // CreateProcessW may write into it
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  BOOL created = CreateProcessW(nullptr, WideBuffer(commandLine), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                                nullptr, workingFolder.empty() ? nullptr : Wide(workingFolder), &startup, &process);
  if (!created) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool ShellOpen(const Text& file, const Text& parameters, const Text& workingFolder) {
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.hwnd = nullptr;
  info.lpVerb = nullptr;
  info.lpFile = Wide(file);
  info.lpParameters = parameters.empty() ? nullptr : Wide(parameters);
  info.lpDirectory = workingFolder.empty() ? nullptr : Wide(workingFolder);
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) return false;
  if (info.hProcess) CloseHandle(info.hProcess);
  return true;
}

}  // namespace

LaunchReport LaunchProgramReporting(const Text& file, const Text& parameters, const Text& workingFolder) {
  LaunchReport report;
  report.processCreated = CreateProcessFrom(file, parameters, workingFolder);
  if (report.processCreated) {
    report.started = true;
    return report;
  }
  report.shellUsed = true;
  report.shellWorkingFolder = ShellWorkingFolder(file, workingFolder);
  report.started = ShellOpen(file, parameters, report.shellWorkingFolder);
  return report;
}

bool LaunchProgram(const Text& file, const Text& parameters, const Text& workingFolder) {
  return LaunchProgramReporting(file, parameters, workingFolder).started;
}

bool OpenFileProperties(const Text& path) {
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;  // 1100
  info.lpVerb = L"properties";
  info.lpFile = Wide(path);
  info.nShow = 0;
  BOOL shown = ShellExecuteExW(&info);
  // The sheet runs inside this process; a handle, if one comes back, is ours to close.
  if (shown && info.hProcess) CloseHandle(info.hProcess);
  return shown != FALSE;
}
