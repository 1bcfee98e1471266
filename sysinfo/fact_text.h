// Turning raw registry and processor bytes into display text. No Windows header.
#pragma once

#include "app/text.h"

#include <cstddef>
#include <cstdint>

enum RegistryValueKind : int { kRegistryNumber = 0, kRegistryText = 1 };

// kind 0: the first 8 bytes as a little-endian signed 64-bit number in
// decimal; kind 1: UTF-16 up to the first zero character; other kinds: empty.
// Bytes beyond size count as zero.
Text RegistryBufferText(const uint8_t* buffer, size_t size, int kind);

// The processor brand string: ASCII up to the first zero byte, leading blanks
// and tabs dropped, trailing ones kept.
Text CpuBrandText(const char* bytes, size_t size);
