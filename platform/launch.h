// Starting programs, documents, folders and shell targets; the properties sheet.
#pragma once

#include "app/text.h"

// What one start did, for the tests; LaunchProgram returns only `started`.
struct LaunchReport {
  bool processCreated = false;
  bool shellUsed = false;
  Text shellWorkingFolder;  // as handed to the shell (empty: none)
  bool started = false;
};

// CreateProcessW first, the shell's default verb when that fails. Never waits.
LaunchReport LaunchProgramReporting(const Text& file, const Text& parameters, const Text& workingFolder);
bool LaunchProgram(const Text& file, const Text& parameters = {}, const Text& workingFolder = {});

// The shell's properties sheet of a file or folder; it lives in this process.
bool OpenFileProperties(const Text& path);
