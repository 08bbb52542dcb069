#pragma once
// The owner of one window region: the shape a skinned control gives its window, tests mouse
// positions against and hands a copy of to the window system. Coordinates are pixels of the
// window's client area; a rectangle covers left <= x < right and top <= y < bottom and is empty
// when right <= left or bottom <= top.
//
// The object always holds a region handle, from its construction to its destruction. A region
// call that fails means the window system is out of region resources or a handle is broken,
// so each is checked by an assertion.

#include "platform/core/Assert.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TBitmap.h"

#include <cstdint>

namespace kiln {

class WinRegion {
public:
    // An empty region.
    WinRegion();
    ~WinRegion();
    WinRegion(const WinRegion&) = delete;
    WinRegion& operator=(const WinRegion&) = delete;

    HRGN Handle() const { return m_hrgn; }

    // CombineRgn with a GDI combine mode; the three handles may be the same.
    static void Combine(HRGN destination, HRGN source1, HRGN source2, int mode) {
        int combineResult = CombineRgn(destination, source1, source2, mode);
        HUSHWAVE_ASSERT(combineResult != ERROR);
    }

    // The region becomes exactly the rectangle, which is empty when its corners are not in
    // order.
    void SetRect(int left, int top, int right, int bottom) {
        if (right <= left || bottom <= top) {
            left = top = right = bottom = 0;
        }
        BOOL result = SetRectRgn(m_hrgn, left, top, right, bottom);
        HUSHWAVE_ASSERT(result != 0);
    }
    void SetEmpty() { SetRect(0, 0, 0, 0); }

    // This region minus the other; the other is unchanged.
    void Subtract(const WinRegion& other) { Combine(m_hrgn, m_hrgn, other.m_hrgn, RGN_DIFF); }

    // A new region handle of the same shape, owned by the caller.
    HRGN Duplicate() const;

    bool Contains(int x, int y) const { return PtInRegion(m_hrgn, x, y) == 1; }

    // The bitmap's rectangle minus every pixel whose red, green and blue are exactly those of
    // the colour (bits 0-7, 8-15 and 16-23; the top byte does not count). The bitmap is read
    // as it is: neither its format nor its change notification is touched.
    void FromBitmap(TBitmap* bitmap, uint32_t colour);

private:
    HRGN m_hrgn;
};

// Gives the window a copy of the region as its shape; the window system owns the copy, so the
// region may change or go away afterwards without affecting the window.
void SetWindowRegion(HWND window, const WinRegion& region, bool redraw);

} // namespace kiln
