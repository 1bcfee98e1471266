#include "sysinfo/fact_text.h"

Text RegistryBufferText(const uint8_t* buffer, size_t size, int kind) {
    if (kind == kRegistryNumber) {
        uint64_t bits = 0;
        for (size_t i = 0; i < 8 && i < size; ++i) bits |= uint64_t(buffer[i]) << (8 * i);
        return DecimalText(int64_t(bits));
    }
    if (kind == kRegistryText) {
        Text text;
        for (size_t i = 0; i + 1 < size; i += 2) {
            char16_t c = char16_t(buffer[i] | (buffer[i + 1] << 8));
            if (c == 0) break;
            text.push_back(c);
        }
        return text;
    }
    return Text();
}

Text CpuBrandText(const char* bytes, size_t size) {
    size_t end = 0;
    while (end < size && bytes[end] != 0) ++end;
    size_t start = 0;
    while (start < end && (bytes[start] == ' ' || bytes[start] == '\t')) ++start;
    Text text;
    for (size_t i = start; i < end; ++i) text.push_back(char16_t(static_cast<unsigned char>(bytes[i])));
    return text;
}
