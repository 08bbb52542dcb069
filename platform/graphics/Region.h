#pragma once
// A set of pixels made of rectangles: a window's shape and what the GDI region calls work on.
// Rectangles are half-open, as GDI's are: (left, top, right, bottom) holds the pixels
// left <= x < right and top <= y < bottom, and a rectangle with right <= left or
// bottom <= top holds none. Held as a pixman region; its y-x banded rectangles are the ones
// GDI's region data lists.

#include "platform/kernel/Types.h"

#include <span>
#include <vector>

// The values are GDI's NULLREGION, SIMPLEREGION and COMPLEXREGION.
enum class RegionComplexity { Null = 1, Simple = 2, Complex = 3 };
enum class RegionOperation { Intersect, Unite, Xor, Subtract };

class Region {
public:
    Region();
    Region(int left, int top, int right, int bottom);
    explicit Region(const RECT& rect) : Region(rect.left, rect.top, rect.right, rect.bottom) {}
    // The union of the rectangles; empty ones add nothing.
    static Region FromRects(std::span<const RECT> rects);

    Region(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(const Region& other);
    Region& operator=(Region&& other) noexcept;
    ~Region();

    void SetRect(int left, int top, int right, int bottom);
    void SetEmpty() { SetRect(0, 0, 0, 0); }

    bool IsEmpty() const;
    RegionComplexity Complexity() const;
    bool Contains(int x, int y) const;
    // The smallest rectangle holding the region; (0, 0, 0, 0) when it is empty.
    RECT Bounds() const;
    // The region's rectangles, sorted by top then left, none overlapping.
    std::vector<RECT> Rects() const;

    void Offset(int dx, int dy);
    // This region combined with another; the operands may be the same object.
    Region Combined(const Region& other, RegionOperation operation) const;

    friend bool operator==(const Region& a, const Region& b);

private:
    // Room for a pixman_region32_t, which must not be named here.
    alignas(8) unsigned char m_storage[24];
};
