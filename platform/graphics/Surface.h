#pragma once
// The 32-bit pixel surface every window and bitmap draws on. A pixel is 0x00RRGGBB held as a
// native uint32, so its bytes in memory are blue, green, red and an unused byte: the layout of
// a 32-bit BI_RGB DIB row, which window systems can show without conversion. Rows are addressed
// top-down; a surface made for a bottom-up DIB keeps its last row first in memory, as such a
// DIB does, and still answers Row(0) with the top row.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

enum class RowOrder { TopDown, BottomUp };

class Surface {
public:
    // The largest surface the platform makes: 32768 pixels a side and 256 MiB of pixels.
    static constexpr int kMaxSide = 32768;
    static constexpr size_t kMaxBytes = size_t{256} << 20;
    static bool IsAcceptableSize(long long width, long long height);

    Surface() = default;
    // A black surface; throws std::length_error for a size IsAcceptableSize refuses.
    Surface(int width, int height, RowOrder order = RowOrder::TopDown);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RowOrder Order() const { return m_order; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    uint32_t* Row(int y) {
        m_version.Drop();
        return m_pixels.data() + MemoryRow(y) * size_t(m_width);
    }
    const uint32_t* Row(int y) const { return m_pixels.data() + MemoryRow(y) * size_t(m_width); }
    uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, uint32_t pixel) { Row(y)[x] = pixel; }
    void Fill(uint32_t pixel);

    // The pixels in memory order, for code that hands them on as a DIB. Pixels handed out
    // writable may change unseen at any time, so from then on the surface has no version.
    uint32_t* Bits() {
        m_version.Share();
        return m_pixels.data();
    }
    const uint32_t* Bits() const { return m_pixels.data(); }

    // A name for the pixels as they stand: two calls answer the same number only when no
    // non-const accessor was used in between, and surfaces holding the same number hold the
    // same pixels (a copy shares its original's name until either changes). A row pointer
    // from Row() is good for writing until the next call. 0, which names nothing, once the
    // pixels were handed out through the writable Bits().
    uint64_t Version() const { return m_version.Get(); }
    size_t StrideBytes() const { return size_t(m_width) * 4; }

    // Same size and same pixels, whatever the row order.
    friend bool operator==(const Surface& a, const Surface& b);

private:
    size_t MemoryRow(int y) const {
        return size_t(m_order == RowOrder::TopDown ? y : m_height - 1 - y);
    }

    // Named on demand from one sequence for all surfaces, so that pixels that changed never
    // get an earlier name back. A moved-from surface loses its name with its pixels.
    class VersionName {
    public:
        VersionName() = default;
        VersionName(const VersionName&) = default;
        // Assigned pixels may go into the buffer this surface already handed out.
        VersionName& operator=(const VersionName& other) {
            m_value = other.m_value;
            m_shared = m_shared || other.m_shared;
            return *this;
        }
        VersionName(VersionName&& other) noexcept
            : m_value(std::exchange(other.m_value, 0)), m_shared(other.m_shared) {}
        VersionName& operator=(VersionName&& other) noexcept {
            m_value = std::exchange(other.m_value, 0);
            m_shared = other.m_shared;
            return *this;
        }

        void Drop() { m_value = 0; }
        void Share() { m_shared = true; }
        uint64_t Get() const;

    private:
        mutable uint64_t m_value = 0;
        bool m_shared = false;
    };

    int m_width = 0;
    int m_height = 0;
    RowOrder m_order = RowOrder::TopDown;
    std::vector<uint32_t> m_pixels;
    VersionName m_version;
};

// A COLORREF (and a TColor holding an RGB value) keeps red in its low byte; a surface pixel
// keeps blue there.
constexpr uint32_t PixelFromColorRef(uint32_t colorRef) {
    return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}
constexpr uint32_t ColorRefFromPixel(uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}
constexpr uint32_t PixelFromRgb(uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}
constexpr uint8_t PixelRed(uint32_t pixel) {
    return uint8_t(pixel >> 16);
}
constexpr uint8_t PixelGreen(uint32_t pixel) {
    return uint8_t(pixel >> 8);
}
constexpr uint8_t PixelBlue(uint32_t pixel) {
    return uint8_t(pixel);
}
