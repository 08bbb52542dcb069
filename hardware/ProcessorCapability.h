#pragma once
// What the processor identification tells: whether the processor has FID and VID control at
// all, and its brand code.

#include <cstdint>

// The brand code from GetBrandCode, set once at start-up; 36 (an FX processor) changes how
// Get_FIDVID reads the maximum FID.
extern int32_t BrandCode;

// True when leaf 0x80000007 reports both FID control (bit 1) and VID control (bit 2).
bool Prepare();

// (word 0 of leaf 0x80000001 AND 0x3F) * 4, from 0 to 252; 0 when the query fails.
int32_t GetBrandCode();
