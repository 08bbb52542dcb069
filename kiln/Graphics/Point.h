#pragma once
// The library's point: two coordinates, x to the right and y downwards.

namespace kiln {

template <class T> struct BasicPoint {
    T x{};
    T y{};

    friend constexpr bool operator==(const BasicPoint&, const BasicPoint&) = default;
};

using Point = BasicPoint<int>;

} // namespace kiln
