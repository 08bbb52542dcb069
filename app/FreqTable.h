#pragma once
// Frequency in MHz for each FID code pair at a 200 MHz reference clock: multiplier FID / 2 + 4.

#include <cstdint>

constexpr int kFreqTableSize = 22;
extern int32_t FreqTable[kFreqTableSize];

void FillFreqTable();

// FreqTable[FID / 2] for the codes the table covers (0 to 43). Codes above it have no entry;
// they follow the same rule, so a processor reporting one shows its real frequency instead of
// a value read from past the table.
int32_t FrequencyForFid(int32_t fid);
