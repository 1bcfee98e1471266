#include "sysinfo/hardware_facts.h"

#include "platform/files.h"
#include "platform/wide.h"
#include "sysinfo/memory_figures.h"

#include <array>
#include <bit>

#include <cpuid.h>
#include <windows.h>

const Text kGpuClassKey0000 = u"SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}\\0000";
const Text kGpuClassKey0001 = u"SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}\\0001";

namespace {

const Text kUnknown = u"<Unbekannt>";
const Text kEnvironmentKey = u"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
const uint32_t kOfferedRoom = 255;

MEMORYSTATUS ReadMemoryStatus() {
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return status;
}

int64_t GpuMemoryUnder(const Text& key) {
    return MebibytesFromRegistryText(
        ReadRegistryString(RegistryRoot::LocalMachine, key, u"HardwareInformation.qwMemorySize", kRegistryNumber));
}

}  // namespace

Text ReadRegistryString(RegistryRoot root, const Text& keyPath, const Text& valueName, int kind) {
    // The zero fill ends every text that fits and widens 4-byte numbers.
    std::array<uint8_t, 1024> buffer{};
    if (!ReadRegistryBytes(root, keyPath, valueName, kOfferedRoom, buffer.data())) return u"Error";
    return RegistryBufferText(buffer.data(), buffer.size(), kind);
}

Text ReadComputerName() {
    wchar_t name[16] = {};
    DWORD size = 16;
    if (!GetComputerNameW(name, &size)) return Text();
    return FromWide(name, size < 16 ? size : 15);
}

Text ReadCpuName() {
    unsigned int highest = __get_cpuid_max(0x80000000u, nullptr);
    if (highest < 0x80000004u) return Text();
    char brand[48] = {};
    for (unsigned int leaf = 0; leaf < 3; ++leaf) {
        unsigned int registers[4] = {};
        __get_cpuid(0x80000002u + leaf, &registers[0], &registers[1], &registers[2], &registers[3]);
        for (int r = 0; r < 4; ++r)
            for (int b = 0; b < 4; ++b) brand[leaf * 16 + r * 4 + b] = char((registers[r] >> (8 * b)) & 0xFF);
    }
    return CpuBrandText(brand, sizeof brand);
}

Text ReadCpuClock() {
    return ReadRegistryString(RegistryRoot::LocalMachine, u"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", u"~MHz",
                              kRegistryNumber);
}

int64_t CountLogicalProcessors() {
    DWORD_PTR process = 0, system = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system)) return 1;
    return std::popcount(uint64_t(system));
}

Text ReadProcessorValue(const Text& name) {
    Text value = ReadEnvironmentVariable(name);
    if (!value.empty()) return value;
    value = ReadRegistryString(RegistryRoot::LocalMachine, kEnvironmentKey, name, kRegistryText);
    return value.empty() ? kUnknown : value;
}

Text ReadGpuName() {
    DISPLAY_DEVICEW device{};
    device.cb = sizeof device;
    Text name;
    if (EnumDisplayDevicesW(nullptr, 0, &device, 0)) {
        device.DeviceString[std::size(device.DeviceString) - 1] = 0;
        name = FromWide(device.DeviceString);
    }
    if (name.empty()) name = ReadRegistryString(RegistryRoot::LocalMachine, kGpuClassKey0000, u"DriverDesc", kRegistryText);
    return name.empty() ? kUnknown : name;
}

int64_t ReadGpuMemory() {
    int64_t mebibytes = GpuMemoryUnder(kGpuClassKey0000);
    return mebibytes != 0 ? mebibytes : GpuMemoryUnder(kGpuClassKey0001);
}

int64_t ReadTotalMemory() { return int64_t(ReadMemoryStatus().dwTotalPhys); }
int64_t ReadFreeMemory() { return int64_t(ReadMemoryStatus().dwAvailPhys); }
int64_t ReadUsedMemory() {
    MEMORYSTATUS status = ReadMemoryStatus();
    return int64_t(status.dwTotalPhys) - int64_t(status.dwAvailPhys);
}
