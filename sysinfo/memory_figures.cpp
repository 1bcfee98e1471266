#include "sysinfo/memory_figures.h"

namespace {

int64_t WholeGibibytes(int64_t bytes) { return bytes <= 0 ? 0 : bytes / 1024 / 1024 / 1024; }

}  // namespace

int64_t TotalGibibytes(int64_t totalBytes) {
    int64_t gibibytes = WholeGibibytes(totalBytes);
    return gibibytes % 2 == 1 ? gibibytes + 1 : gibibytes;
}

int64_t FreeGibibytes(int64_t freeBytes) { return WholeGibibytes(freeBytes); }

int64_t UsedGibibytes(int64_t totalBytes, int64_t freeBytes) {
    return freeBytes >= totalBytes ? 0 : WholeGibibytes(totalBytes - freeBytes);
}

int64_t MebibytesFromRegistryText(TextView text) { return ParseLeadingInteger(text) / 1024 / 1024; }
