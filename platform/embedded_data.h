// Blocks of bytes carried in the executable as RCDATA resources.
#pragma once

#include <cstdint>
#include <span>

// The bytes of RCDATA resource id in the running executable; empty when it is
// missing. The memory belongs to the loaded module and lives as long as it.
std::span<const uint8_t> EmbeddedBytes(int id);
