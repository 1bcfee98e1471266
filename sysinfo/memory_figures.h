// Memory figures as the system information window shows them. No Windows header.
#pragma once

#include "app/text.h"

#include <cstdint>

// Whole gibibytes, each division rounding down. Total: an odd result gets 1
// added, so usable memory just below an even size shows as that size.
int64_t TotalGibibytes(int64_t totalBytes);
int64_t FreeGibibytes(int64_t freeBytes);
// 0 when free exceeds total (the two are read at slightly different moments).
int64_t UsedGibibytes(int64_t totalBytes, int64_t freeBytes);

// A byte count as registry text ("Error" and other non-numbers read as 0) in
// whole mebibytes, rounding towards zero.
int64_t MebibytesFromRegistryText(TextView text);
