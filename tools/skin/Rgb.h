#pragma once
// A colour as the skin's design speaks of it: red, green and blue bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour t of the way from a to b.
inline Rgb Mix(Rgb a, Rgb b, double t) {
    const auto channel = [t](uint8_t from, uint8_t to) {
        return uint8_t(std::clamp(std::lround(from + (to - from) * t), 0L, 255L));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// A TColor (and COLORREF) keeps red in its low byte.
constexpr uint32_t ColorRefOf(Rgb c) {
    return uint32_t(c.r) | (uint32_t(c.g) << 8) | (uint32_t(c.b) << 16);
}
