#include "platform/graphics/Region.h"

#include <pixman.h>

#include <algorithm>
#include <cstring>
#include <new>

static_assert(sizeof(pixman_region32_t) <= 24 && alignof(pixman_region32_t) <= 8);

namespace {

pixman_region32_t* Native(unsigned char* storage) {
    return std::launder(reinterpret_cast<pixman_region32_t*>(storage));
}
const pixman_region32_t* Native(const unsigned char* storage) {
    return std::launder(reinterpret_cast<const pixman_region32_t*>(storage));
}

// Coordinates are kept well inside 32 bits so that no width or offset pixman computes can
// overflow; GDI's own range is far smaller.
constexpr int kCoordinateLimit = 1 << 30;

int Clamp(int v) {
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

// pixman reports only running out of memory.
void Check(pixman_bool_t ok) {
    if (!ok) {
        throw std::bad_alloc();
    }
}

void InitRect(pixman_region32_t* r, int left, int top, int right, int bottom) {
    left = Clamp(left), top = Clamp(top), right = Clamp(right), bottom = Clamp(bottom);
    if (right <= left || bottom <= top) {
        pixman_region32_init(r);
    } else {
        pixman_region32_init_rect(r, left, top, unsigned(int64_t(right) - left),
                                  unsigned(int64_t(bottom) - top));
    }
}

} // namespace

Region::Region() {
    pixman_region32_init(Native(m_storage));
}

Region::Region(int left, int top, int right, int bottom) {
    InitRect(Native(m_storage), left, top, right, bottom);
}

Region Region::FromRects(std::span<const RECT> rects) {
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(rects.size());
    for (const RECT& r : rects) {
        pixman_box32_t box{Clamp(r.left), Clamp(r.top), Clamp(r.right), Clamp(r.bottom)};
        if (box.x1 < box.x2 && box.y1 < box.y2) {
            boxes.push_back(box);
        }
    }
    Region result;
    pixman_region32_fini(Native(result.m_storage));
    Check(pixman_region32_init_rects(Native(result.m_storage), boxes.data(), int(boxes.size())));
    return result;
}

Region::Region(const Region& other) {
    pixman_region32_init(Native(m_storage));
    Check(pixman_region32_copy(Native(m_storage), Native(other.m_storage)));
}

// A pixman region is a box and a pointer to its rectangle data, so its bytes can move; the
// source is left a fresh empty region.
Region::Region(Region&& other) noexcept {
    std::memcpy(m_storage, other.m_storage, sizeof m_storage);
    pixman_region32_init(Native(other.m_storage));
}

Region& Region::operator=(const Region& other) {
    if (this != &other) {
        Check(pixman_region32_copy(Native(m_storage), Native(other.m_storage)));
    }
    return *this;
}

Region& Region::operator=(Region&& other) noexcept {
    if (this != &other) {
        pixman_region32_fini(Native(m_storage));
        std::memcpy(m_storage, other.m_storage, sizeof m_storage);
        pixman_region32_init(Native(other.m_storage));
    }
    return *this;
}

Region::~Region() {
    pixman_region32_fini(Native(m_storage));
}

void Region::SetRect(int left, int top, int right, int bottom) {
    pixman_region32_fini(Native(m_storage));
    InitRect(Native(m_storage), left, top, right, bottom);
}

bool Region::IsEmpty() const {
    return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(Native(m_storage)));
}

RegionComplexity Region::Complexity() const {
    int count = pixman_region32_n_rects(Native(m_storage));
    return count == 0   ? RegionComplexity::Null
           : count == 1 ? RegionComplexity::Simple
                        : RegionComplexity::Complex;
}

bool Region::Contains(int x, int y) const {
    return pixman_region32_contains_point(Native(m_storage), x, y, nullptr);
}

RECT Region::Bounds() const {
    if (IsEmpty()) {
        return {};
    }
    const pixman_box32_t* e = pixman_region32_extents(Native(m_storage));
    return {e->x1, e->y1, e->x2, e->y2};
}

std::vector<RECT> Region::Rects() const {
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(Native(m_storage), &count);
    std::vector<RECT> rects;
    rects.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        rects.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    }
    return rects;
}

// The offset is limited so that the region stays within the coordinate limit.
void Region::Offset(int dx, int dy) {
    if (IsEmpty()) {
        return;
    }
    RECT b = Bounds();
    dx = int(
        std::clamp<int64_t>(dx, int64_t(-kCoordinateLimit) - b.left, kCoordinateLimit - b.right));
    dy = int(
        std::clamp<int64_t>(dy, int64_t(-kCoordinateLimit) - b.top, kCoordinateLimit - b.bottom));
    pixman_region32_translate(Native(m_storage), dx, dy);
}

Region Region::Combined(const Region& other, RegionOperation operation) const {
    pixman_region32_t* a = const_cast<pixman_region32_t*>(Native(m_storage));
    pixman_region32_t* b = const_cast<pixman_region32_t*>(Native(other.m_storage));
    Region result;
    pixman_region32_t* out = Native(result.m_storage);
    switch (operation) {
    case RegionOperation::Intersect:
        Check(pixman_region32_intersect(out, a, b));
        break;
    case RegionOperation::Unite:
        Check(pixman_region32_union(out, a, b));
        break;
    case RegionOperation::Subtract:
        Check(pixman_region32_subtract(out, a, b));
        break;
    case RegionOperation::Xor: {
        Region onlyInB;
        Check(pixman_region32_subtract(out, a, b));
        Check(pixman_region32_subtract(Native(onlyInB.m_storage), b, a));
        Check(pixman_region32_union(out, out, Native(onlyInB.m_storage)));
        break;
    }
    }
    return result;
}

bool operator==(const Region& a, const Region& b) {
    return pixman_region32_equal(Native(a.m_storage), Native(b.m_storage));
}
