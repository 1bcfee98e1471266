#include "app/os_version.h"

namespace {

struct VersionRow {
    uint32_t major, minor;
    int workstationCode, serverCode;
};

// NT versions from 5.0 on; the codes for 10.0 depend on the build.
constexpr VersionRow kNtVersions[] = {
    {5, 0, 50, 50},  {5, 1, 60, 60},  {5, 2, 60, 65},   {6, 0, 70, 75},
    {6, 1, 80, 85},  {6, 2, 90, 95},  {6, 3, 100, 105},
};

struct Win9xRow {
    uint32_t minor;
    int code;
};
constexpr Win9xRow kWin9xVersions[] = {{0, 10}, {10, 30}, {90, 40}};

constexpr int kOtherVersion = 200;

}  // namespace

int OsVersionCode(const VersionFacts& f) {
    if (!f.readable) return kOtherVersion;
    if (f.win9x) {
        if (f.major != 4) return kOtherVersion;
        for (const Win9xRow& row : kWin9xVersions)
            if (row.minor == f.minor) return row.code;
        return kOtherVersion;
    }
    if (f.major == 3) return 5;
    if (f.major == 4 && f.minor == 0) return 20;
    if (f.major == 10 && f.minor == 0) return f.build >= 22000 ? 120 : 110;
    for (const VersionRow& row : kNtVersions)
        if (row.major == f.major && row.minor == f.minor) return f.workstation ? row.workstationCode : row.serverCode;
    return kOtherVersion;
}
