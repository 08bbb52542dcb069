#include "platform/graphics/Surface.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

bool Surface::IsAcceptableSize(long long width, long long height) {
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide &&
           size_t(width) * size_t(height) * 4 <= kMaxBytes;
}

Surface::Surface(int width, int height, RowOrder order)
    : m_width(width), m_height(height), m_order(order) {
    if (!IsAcceptableSize(width, height)) {
        throw std::length_error("surface size out of range");
    }
    m_pixels.assign(size_t(width) * size_t(height), 0);
}

uint64_t Surface::VersionName::Get() const {
    static std::atomic<uint64_t> last{0};
    if (m_shared) {
        return 0;
    }
    if (m_value == 0) {
        m_value = last.fetch_add(1, std::memory_order_relaxed) + 1;
    }
    return m_value;
}

void Surface::Fill(uint32_t pixel) {
    m_version.Drop();
    std::fill(m_pixels.begin(), m_pixels.end(), pixel);
}

bool operator==(const Surface& a, const Surface& b) {
    if (a.m_width != b.m_width || a.m_height != b.m_height) {
        return false;
    }
    if (a.m_order == b.m_order) {
        return a.m_pixels == b.m_pixels;
    }
    for (int y = 0; y < a.m_height; ++y) {
        if (!std::equal(a.Row(y), a.Row(y) + a.m_width, b.Row(y))) {
            return false;
        }
    }
    return true;
}
