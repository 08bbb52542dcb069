#pragma once
// One decoded half of a FID/VID status reading: FID codes are 6 bits wide, VID codes 5 bits.

#include <cstdint>

struct FIDVIDCodes {
    int32_t Max = 0;   // highest code the processor allows
    int32_t Start = 0; // code in force at power-on
    int32_t Curr = 0;  // code in force now
};
