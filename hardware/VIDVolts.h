#pragma once
// The VID-to-volts table: entry i is 1.55 - 0.025 * (i + 1) V, so VID 0 reads 1.525 V and
// VID 31 reads 0.750 V. Filled once at start-up, before the first reading.

extern float VIDVolts[32];

void FillVIDVolts();
