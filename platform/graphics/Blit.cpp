#include "platform/graphics/Blit.h"

#include "platform/graphics/RasterOps.h"

#include <algorithm>
#include <cstring>

namespace {

// Calls combine(destination pixel, source pixel) for every destination pixel inside the clip
// whose nearest source pixel lies inside the source.
template <class Combine>
void ForEachPixel(Surface& target, const RECT& clip, const RECT& to, const Surface* source,
                  const RECT& from, Combine combine) {
    const int64_t tw = int64_t(to.right) - to.left, th = int64_t(to.bottom) - to.top;
    const int64_t sw = int64_t(from.right) - from.left, sh = int64_t(from.bottom) - from.top;
    if (tw <= 0 || th <= 0 || (source && (sw <= 0 || sh <= 0))) {
        return;
    }
    const int64_t left = std::max<int64_t>({to.left, clip.left, 0});
    const int64_t right = std::min<int64_t>({to.right, clip.right, target.Width()});
    const int64_t top = std::max<int64_t>({to.top, clip.top, 0});
    const int64_t bottom = std::min<int64_t>({to.bottom, clip.bottom, target.Height()});
    // Unscaled, the nearest source pixel is a fixed offset away: no division per pixel.
    const bool unscaled = tw == sw && th == sh;
    for (int64_t y = top; y < bottom; ++y) {
        int64_t sy =
            unscaled ? from.top + (y - to.top) : from.top + ((y - to.top) * 2 + 1) * sh / (2 * th);
        if (source && (sy < 0 || sy >= source->Height())) {
            continue;
        }
        uint32_t* out = target.Row(int(y));
        const uint32_t* in = source ? source->Row(int(sy)) : nullptr;
        for (int64_t x = left; x < right; ++x) {
            int64_t sx = unscaled ? from.left + (x - to.left)
                                  : from.left + ((x - to.left) * 2 + 1) * sw / (2 * tw);
            if (source && (sx < 0 || sx >= source->Width())) {
                continue;
            }
            combine(out[x], in ? in[sx] : 0);
        }
    }
}

// A copy of the source when it is the target, so that overlapping copies read the pixels as
// they were before the copy.
const Surface* Unaliased(const Surface& target, const Surface* source, Surface& copy) {
    if (source == &target) {
        copy = *source;
        return &copy;
    }
    return source;
}

// Where a same-size copy from inside the source lands on the target, clipped; false when the
// copy needs scaling or reaches outside the source.
struct UnscaledArea {
    int64_t left, top, right, bottom;
};

bool FindUnscaledArea(const Surface& target, const RECT& clip, const RECT& to,
                      const Surface& source, const RECT& from, UnscaledArea& area) {
    const int64_t width = int64_t(to.right) - to.left, height = int64_t(to.bottom) - to.top;
    if (width != int64_t(from.right) - from.left || height != int64_t(from.bottom) - from.top ||
        from.left < 0 || from.top < 0 || from.right > source.Width() ||
        from.bottom > source.Height()) {
        return false;
    }
    area.left = std::max<int64_t>({to.left, clip.left, 0});
    area.right = std::min<int64_t>({to.right, clip.right, target.Width()});
    area.top = std::max<int64_t>({to.top, clip.top, 0});
    area.bottom = std::min<int64_t>({to.bottom, clip.bottom, target.Height()});
    return true;
}

// The common case of a same-size copy from inside the source, row by row.
bool CopyRows(Surface& target, const RECT& clip, const RECT& to, const Surface& source,
              const RECT& from) {
    UnscaledArea a;
    if (!FindUnscaledArea(target, clip, to, source, from, a)) {
        return false;
    }
    const int64_t left = a.left, right = a.right, top = a.top, bottom = a.bottom;
    for (int64_t y = top; y < bottom && left < right; ++y) {
        std::memcpy(target.Row(int(y)) + left,
                    source.Row(int(from.top + y - to.top)) + (from.left + left - to.left),
                    size_t(right - left) * sizeof(uint32_t));
    }
    return true;
}

} // namespace

void StretchBlit(Surface& target, const RECT& clip, const RECT& targetRect, const Surface* source,
                 const RECT& sourceRect, uint32_t rop3, uint32_t brushPixel) {
    Surface copy;
    source = Unaliased(target, source, copy);
    if (rop3 == kRop3SourceCopy && source &&
        CopyRows(target, clip, targetRect, *source, sourceRect)) {
        return;
    }
    if (rop3 == kRop3SourceCopy) {
        ForEachPixel(target, clip, targetRect, source, sourceRect,
                     [](uint32_t& d, uint32_t s) { d = s; });
        return;
    }
    ForEachPixel(
        target, clip, targetRect, source, sourceRect,
        [rop3, brushPixel](uint32_t& d, uint32_t s) { d = ApplyRop3(rop3, brushPixel, s, d); });
}

namespace {

// The common case of a same-size transparent copy from inside the source, written as a
// select so the compiler can do a row at a time in vector registers.
bool TransparentRows(Surface& target, const RECT& clip, const RECT& to, const Surface& source,
                     const RECT& from, uint32_t transparentPixel, bool& changed) {
    UnscaledArea a;
    if (!FindUnscaledArea(target, clip, to, source, from, a)) {
        return false;
    }
    const int64_t left = a.left, right = a.right, top = a.top, bottom = a.bottom;
    for (int64_t y = top; y < bottom; ++y) {
        uint32_t* out = target.Row(int(y)) + left;
        const uint32_t* in = source.Row(int(from.top + y - to.top)) + (from.left + left - to.left);
        uint32_t differences = 0;
        for (int64_t x = 0; x < right - left; ++x) {
            const uint32_t pixel = in[x] != transparentPixel ? in[x] : out[x];
            differences |= pixel ^ out[x];
            out[x] = pixel;
        }
        changed = changed || differences != 0;
    }
    return true;
}

} // namespace

bool TransparentBlit(Surface& target, const RECT& clip, const RECT& targetRect,
                     const Surface& source, const RECT& sourceRect, uint32_t transparentPixel) {
    Surface copy;
    const Surface* from = Unaliased(target, &source, copy);
    bool changed = false;
    if (TransparentRows(target, clip, targetRect, *from, sourceRect, transparentPixel, changed)) {
        return changed;
    }
    ForEachPixel(target, clip, targetRect, from, sourceRect,
                 [transparentPixel, &changed](uint32_t& d, uint32_t s) {
                     if (s != transparentPixel && s != d) {
                         d = s;
                         changed = true;
                     }
                 });
    return changed;
}
