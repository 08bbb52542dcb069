#pragma once
// Filling the entry points' 8-byte result buffers, byte by byte in little-endian order.

#include <cstdint>

inline void StoreWords(uint8_t* buffer, uint32_t word0, uint32_t word1) {
    for (int i = 0; i < 4; ++i) {
        buffer[i] = static_cast<uint8_t>(word0 >> (8 * i));
        buffer[4 + i] = static_cast<uint8_t>(word1 >> (8 * i));
    }
}

// The CPUID result the program reads: EBX without its low byte, and EDX.
inline void StoreCpuIdResult(uint8_t* buffer, uint32_t ebx, uint32_t edx) {
    StoreWords(buffer, ebx >> 8, edx);
}
