#include "app/BitmapToRegion.h"

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kCapacityStep = 100;
// Rectangles are turned into a region and merged in pieces of this many.
constexpr DWORD kPieceSize = 2000;

// The rectangle buffer: an RGNDATA header followed by room for the rectangles, kept in
// RECT-sized cells so that the header and the rectangles are aligned as GDI reads them.
class RectangleBuffer {
public:
    RectangleBuffer() : m_cells(2 + kCapacityStep) { Reset(); }

    RGNDATA* Data() { return reinterpret_cast<RGNDATA*>(m_cells.data()); }
    DWORD Count() { return Data()->rdh.nCount; }
    // The whole buffer, as ExtCreateRegion is given it.
    DWORD Bytes() const { return DWORD(m_cells.size() * sizeof(RECT)); }

    void Add(const RECT& r) {
        if (Count() >= Capacity()) {
            m_cells.resize(m_cells.size() + kCapacityStep); // keeps the contents
        }
        RGNDATAHEADER& header = Data()->rdh;
        m_cells[2 + header.nCount] = r;
        header.rcBound.left = std::min(header.rcBound.left, r.left);
        header.rcBound.top = std::min(header.rcBound.top, r.top);
        header.rcBound.right = std::max(header.rcBound.right, r.right);
        header.rcBound.bottom = std::max(header.rcBound.bottom, r.bottom);
        ++header.nCount;
    }

    void Reset() {
        RGNDATAHEADER& header = Data()->rdh;
        header.dwSize = sizeof(RGNDATAHEADER);
        header.iType = RDH_RECTANGLES;
        header.nCount = 0;
        header.nRgnSize = 0;
        header.rcBound = {MAXLONG, MAXLONG, 0, 0};
    }

private:
    DWORD Capacity() const { return DWORD(m_cells.size() - 2); }

    std::vector<RECT> m_cells;
};

static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT));

// Makes a region of the buffered rectangles and merges it into the result, or makes it the
// result when there is none yet.
void MergePiece(RectangleBuffer& buffer, HRGN& hRgn) {
    HRGN h = ExtCreateRegion(nullptr, buffer.Bytes(), buffer.Data());
    if (h) {
        if (hRgn) {
            CombineRgn(hRgn, hRgn, h, RGN_OR);
            DeleteObject(h);
        } else {
            hRgn = h;
        }
    }
    buffer.Reset();
}

} // namespace

HRGN BitmapToRegion(HBITMAP hBmp, COLORREF cTransparentColor, COLORREF cTolerance) {
    if (!hBmp) {
        return nullptr;
    }
    HDC hMemDC = CreateCompatibleDC(nullptr);
    if (!hMemDC) {
        return nullptr;
    }

    BITMAP bm{};
    GetObject(hBmp, sizeof(bm), &bm);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = bm.bmWidth;
    info.biHeight = bm.bmHeight; // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    void* pbits32 = nullptr;
    HBITMAP hbm32 = CreateDIBSection(hMemDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                     &pbits32, nullptr, 0);
    if (!hbm32) {
        DeleteDC(hMemDC);
        return nullptr;
    }
    HGDIOBJ holdBmp32 = SelectObject(hMemDC, hbm32);

    HDC hDC = CreateCompatibleDC(hMemDC);
    if (!hDC) {
        SelectObject(hMemDC, holdBmp32);
        DeleteObject(hbm32);
        DeleteDC(hMemDC);
        return nullptr;
    }

    BITMAP bm32{};
    GetObject(hbm32, sizeof(bm32), &bm32);
    while (bm32.bmWidthBytes % 4) {
        bm32.bmWidthBytes++;
    }
    HGDIOBJ holdBmp = SelectObject(hDC, hBmp);
    BitBlt(hMemDC, 0, 0, bm.bmWidth, bm.bmHeight, hDC, 0, 0, SRCCOPY);

    const BYTE lr = GetRValue(cTransparentColor);
    const BYTE lg = GetGValue(cTransparentColor);
    const BYTE lb = GetBValue(cTransparentColor);
    const BYTE hr = BYTE(std::min(0xFF, lr + GetRValue(cTolerance)));
    const BYTE hg = BYTE(std::min(0xFF, lg + GetGValue(cTolerance)));
    const BYTE hb = BYTE(std::min(0xFF, lb + GetBValue(cTolerance)));
    auto transparent = [&](const BYTE* p) {
        return p[2] >= lr && p[2] <= hr && p[1] >= lg && p[1] <= hg && p[0] >= lb && p[0] <= hb;
    };

    RectangleBuffer buffer;
    HRGN hRgn = nullptr;
    // The DIB is bottom-up: the picture's top row is the last row in memory.
    const BYTE* p32 =
        static_cast<const BYTE*>(pbits32) + LONG(bm32.bmHeight - 1) * bm32.bmWidthBytes;
    for (LONG y = 0; y < bm.bmHeight; ++y) {
        for (LONG x = 0; x < bm.bmWidth; ++x) {
            const LONG x0 = x;
            const BYTE* p = p32 + 4 * x;
            while (x < bm.bmWidth && !transparent(p)) {
                ++x;
                p += 4;
            }
            if (x > x0) {
                buffer.Add(RECT{x0, y, x, y + 1});
                if (buffer.Count() == kPieceSize) {
                    MergePiece(buffer, hRgn);
                }
            }
        }
        p32 -= bm32.bmWidthBytes;
    }
    MergePiece(buffer, hRgn);

    SelectObject(hDC, holdBmp);
    DeleteDC(hDC);
    SelectObject(hMemDC, holdBmp32);
    DeleteObject(hbm32);
    DeleteDC(hMemDC);
    return hRgn;
}
