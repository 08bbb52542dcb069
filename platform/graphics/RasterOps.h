#pragma once
// GDI's raster operations on surface pixels. A binary operation (ROP2, 1 to 16) combines the
// pen or brush P with the destination D; a ternary one (ROP3, the high word of a BitBlt code)
// combines the brush P, the source S and the destination D. Either code is a truth table over
// its operands' bits, read here bit by bit for all 24 colour bits at once.

#include <cstdint>

inline uint32_t ApplyRop2(int rop2, uint32_t pen, uint32_t dst) {
    const unsigned table = unsigned(rop2 - 1) & 0xF;
    uint32_t result = 0;
    if (table & 1)
        result |= ~pen & ~dst;
    if (table & 2)
        result |= ~pen & dst;
    if (table & 4)
        result |= pen & ~dst;
    if (table & 8)
        result |= pen & dst;
    return result & 0xFFFFFF;
}

inline uint32_t ApplyRop3(uint32_t rop3, uint32_t pattern, uint32_t src, uint32_t dst) {
    const unsigned table = (rop3 >> 16) & 0xFF;
    uint32_t result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (table & (1u << index)) {
            uint32_t p = (index & 4) ? pattern : ~pattern;
            uint32_t s = (index & 2) ? src : ~src;
            uint32_t d = (index & 1) ? dst : ~dst;
            result |= p & s & d;
        }
    }
    return result & 0xFFFFFF;
}

constexpr int kRop2CopyPen = 13;
constexpr uint32_t kRop3SourceCopy = 0x00CC0020;
