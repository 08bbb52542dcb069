#pragma once
// The class library's point and rectangle: the Win32 records with constructors and sizes.

#include "platform/kernel/Types.h"

struct TPoint : POINT {
    constexpr TPoint() = default;
    constexpr TPoint(LONG X, LONG Y) : POINT{X, Y} {}
};

struct TRect : RECT {
    constexpr TRect() = default;
    constexpr TRect(LONG Left, LONG Top, LONG Right, LONG Bottom)
        : RECT{Left, Top, Right, Bottom} {}
    constexpr TRect(const RECT& r) : RECT(r) {}
    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
};

constexpr TPoint Point(LONG X, LONG Y) {
    return TPoint(X, Y);
}
constexpr TRect Rect(LONG Left, LONG Top, LONG Right, LONG Bottom) {
    return TRect(Left, Top, Right, Bottom);
}
