// Reading the registry. Nothing of the program writes to it.
#pragma once

#include "app/text.h"

#include <cstdint>

enum class RegistryRoot { LocalMachine, CurrentUser };

// Opens key under root with KEY_READ (the native 64-bit view) and queries the
// value (empty name: the key's default value) into buffer, offering room
// bytes, without asking for the type. False when the key cannot be opened or
// the value is missing or longer than room.
bool ReadRegistryBytes(RegistryRoot root, const Text& key, const Text& value, uint32_t room, uint8_t* buffer);

bool RegistryKeyExists(RegistryRoot root, const Text& path);

// A DWORD value of the current user, else of the machine (SHRegGetUSValueW);
// false when neither holds a 4-byte value.
bool ReadUserDword(const Text& subkey, const Text& value, int64_t& out);
