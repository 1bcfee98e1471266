#include "app/os_version.h"

#include <windows.h>

namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOEXW*);

VersionFacts ReadFactsOnce() {
    VersionFacts facts;
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                                     reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                               : nullptr;
    if (rtlGetVersion && rtlGetVersion(&info) == 0) {
        facts.readable = true;
        facts.build = info.dwBuildNumber;
    } else {
        info = {};
        info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return facts;
#pragma GCC diagnostic pop
        facts.readable = true;
        facts.build = 0;
    }
    facts.win9x = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    facts.major = info.dwMajorVersion;
    facts.minor = info.dwMinorVersion;
    facts.workstation = info.wProductType == VER_NT_WORKSTATION || info.wProductType == 0;
    return facts;
}

}  // namespace

VersionFacts ReadVersionFacts() {
    static const VersionFacts facts = ReadFactsOnce();
    return facts;
}

int RunningOsVersionCode() { return OsVersionCode(ReadVersionFacts()); }

bool IsWindows11OrLater() {
    VersionFacts f = ReadVersionFacts();
    if (!f.readable || f.win9x) return false;
    if (f.major != 10) return f.major > 10;
    return f.minor > 0 || f.build >= 22000;
}
