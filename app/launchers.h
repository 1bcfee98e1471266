// The system tools behind the main window's links, and the text rules of LaunchProgram.
#pragma once

#include <array>

#include "app/text.h"

struct Launcher {
  int control;
  const char16_t* label;
  const char16_t* file;  // nullptr: the user profile folder, taken when launched
  const char16_t* parameters;
  const char16_t* workingFolder;
};

inline constexpr int LauncherCount = 10;
extern const std::array<Launcher, LauncherCount> LauncherTable;

const Launcher* FindLauncher(int control);  // nullptr for controls that start no tool

struct LaunchRequest {
  Text file;
  Text parameters;
  Text workingFolder;
};

// The arguments for LaunchProgram; profileFolder ends in a backslash.
LaunchRequest LauncherRequest(const Launcher& launcher, const Text& profileFolder);

// file in double quotes unless it starts with one; then a blank and the
// parameters when there are any.
Text BuildCommandLine(const Text& file, const Text& parameters);

// The folder the shell gets: the given one, or when that is empty and file has a
// backslash after its first character, file up to and including its last backslash.
Text ShellWorkingFolder(const Text& file, const Text& workingFolder);
