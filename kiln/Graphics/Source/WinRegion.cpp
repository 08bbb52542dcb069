#include "kiln/Graphics/WinRegion.h"

namespace kiln {
namespace {

HRGN CreateEmptyRegion() {
    HRGN hrgn = CreateRectRgn(0, 0, 0, 0);
    HUSHWAVE_ASSERT(hrgn != NULL);
    return hrgn;
}

// Moves the cursor to the first pixel of the colour at or after it (or to the end) and returns
// that position; then moves the cursor past every following pixel of the colour.
const uint32_t* FindColorRun(const uint32_t*& cursor, const uint32_t* end, uint8_t red,
                             uint8_t green, uint8_t blue) {
    auto matches = [&](uint32_t pixel) {
        return PixelBlue(pixel) == blue && PixelGreen(pixel) == green && PixelRed(pixel) == red;
    };
    while (cursor != end && !matches(*cursor)) {
        ++cursor;
    }
    const uint32_t* start = cursor;
    while (cursor != end && matches(*cursor)) {
        ++cursor;
    }
    return start;
}

} // namespace

WinRegion::WinRegion() : m_hrgn(CreateEmptyRegion()) {}

WinRegion::~WinRegion() {
    DeleteObject(m_hrgn);
}

HRGN WinRegion::Duplicate() const {
    HRGN copy = CreateEmptyRegion();
    Combine(copy, m_hrgn, copy, RGN_COPY);
    return copy;
}

void WinRegion::FromBitmap(TBitmap* bitmap, uint32_t colour) {
    const uint8_t red = uint8_t(colour), green = uint8_t(colour >> 8), blue = uint8_t(colour >> 16);
    SetRect(0, 0, bitmap->Width(), bitmap->Height());
    for (int y = 0; y < bitmap->Height(); ++y) {
        const uint32_t* cursor = bitmap->PixelRow(y);
        if (cursor == nullptr || bitmap->Width() == 0) {
            continue;
        }
        const uint32_t* const rowStart = cursor;
        const uint32_t* const end = cursor + bitmap->Width();
        while (cursor != end) {
            WinRegion run;
            const uint32_t* start = FindColorRun(cursor, end, red, green, blue);
            if (start != cursor) {
                run.SetRect(int(start - rowStart), y, int(cursor - rowStart), y + 1);
                Subtract(run);
            }
        }
    }
}

void SetWindowRegion(HWND window, const WinRegion& region, bool redraw) {
    SetWindowRgn(window, region.Duplicate(), redraw);
}

} // namespace kiln
