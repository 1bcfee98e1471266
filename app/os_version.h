// The operating-system version code that classifies the running Windows.
#pragma once

#include <cstdint>

struct VersionFacts {
    bool readable = false;
    bool win9x = false;        // the 9x platform rather than NT
    uint32_t major = 0, minor = 0, build = 0;
    bool workstation = true;   // product type workstation; false for servers
};

int OsVersionCode(const VersionFacts& facts);

// The facts of the running system: RtlGetVersion, else GetVersionExW with
// build 0. Read once and kept.
VersionFacts ReadVersionFacts();
int RunningOsVersionCode();
bool IsWindows11OrLater();  // NT 10.0 build 22000 or more, or any later version
