// Facts about the computer, read afresh on every call and returned ready for
// display: "Error" when a registry key or value cannot be read, "<Unbekannt>"
// for empty processor and graphics facts.
#pragma once

#include "app/text.h"
#include "platform/registry.h"
#include "sysinfo/fact_text.h"

#include <cstdint>

// kind: kRegistryNumber (0) or kRegistryText (1).
Text ReadRegistryString(RegistryRoot root, const Text& keyPath, const Text& valueName, int kind);

Text ReadComputerName();
Text ReadCpuName();
Text ReadCpuClock();
int64_t CountLogicalProcessors();
Text ReadProcessorValue(const Text& name);
Text ReadGpuName();
int64_t ReadGpuMemory();  // mebibytes
int64_t ReadTotalMemory();  // bytes
int64_t ReadFreeMemory();
int64_t ReadUsedMemory();

extern const Text kGpuClassKey0000;
extern const Text kGpuClassKey0001;
