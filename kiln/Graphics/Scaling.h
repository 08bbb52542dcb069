#pragma once
// The rounding rules of scaled geometry, each in one place. Groups scale by a factor kept in
// single precision and truncate; shapes scale by a factor in double precision and round half up.
// Every size is derived from a base size with one factor, so resizing never accumulates error.

#include <cmath>

namespace kiln {

// target / base, kept as a single-precision float. base must not be 0.
inline float GroupFactor(int target, int base) {
    return static_cast<float>(static_cast<double>(target) / base);
}

// value × factor in extended precision, truncated toward zero.
inline int TruncScaled(int value, float factor) {
    return static_cast<int>(static_cast<long double>(value) * static_cast<long double>(factor));
}

// The nearest integer, halves rounded up (towards positive infinity).
inline int RoundHalfUp(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

} // namespace kiln
