#include "platform/registry.h"

#include "platform/wide.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

const wchar_t* ValueName(const Text& value) { return value.empty() ? nullptr : Wide(value); }

}  // namespace

bool ReadRegistryBytes(RegistryRoot root, const Text& key, const Text& value, uint32_t room, uint8_t* buffer) {
    if (!buffer) return false;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(RootKey(root), Wide(key), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    DWORD size = room;
    LSTATUS status = RegQueryValueExW(opened, ValueName(value), nullptr, nullptr, buffer, &size);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

bool RegistryKeyExists(RegistryRoot root, const Text& path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(RootKey(root), Wide(path), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

bool ReadUserDword(const Text& subkey, const Text& value, int64_t& out) {
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    if (SHRegGetUSValueW(Wide(subkey), ValueName(value), &type, &data, &size, FALSE, nullptr, 0) != ERROR_SUCCESS)
        return false;
    if (size != sizeof data) return false;
    out = int64_t(data);
    return true;
}
