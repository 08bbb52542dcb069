#pragma once
// Reading the processor's FID/VID status register, MSR 0xC0010042, into its current, start-up
// and maximum codes, with log lines for every reading.

#include "hardware/FIDVIDCodes.h"

#include <cstdint>

// Numbers the log lines of the readings: 1 at start, one up after each successful reading.
extern int32_t ReadCount;

// False when the register cannot be read; then neither record is touched and nothing is
// logged.
bool Get_FIDVID(FIDVIDCodes& FID, FIDVIDCodes& VID);
