#include "platform/controls/PaintContext.h"

#include "platform/graphics/Surface.h"

#include <algorithm>

namespace {

void CopyRect(const Surface& from, POINT fromAt, Surface& to, POINT toAt, int width, int height) {
    for (int y = 0; y < height; ++y) {
        const uint32_t* source = from.Row(fromAt.y + y) + fromAt.x;
        std::copy(source, source + width, to.Row(toAt.y + y) + toAt.x);
    }
}

} // namespace

void PaintConfined(const PaintContext& Context,
                   const std::function<void(const DrawingTarget&)>& Paint) {
    RECT box = Context.clip.Bounds();
    if (Context.clip.IsEmpty()) {
        return;
    }
    if (Context.clip.Complexity() == RegionComplexity::Simple) {
        Paint(DrawingTarget{&Context.surface, Context.origin, box});
        return;
    }
    int width = box.right - box.left;
    int height = box.bottom - box.top;
    Surface scratch(width, height);
    CopyRect(Context.surface, POINT{box.left, box.top}, scratch, POINT{0, 0}, width, height);
    POINT origin{Context.origin.x - box.left, Context.origin.y - box.top};
    Paint(DrawingTarget{&scratch, origin, RECT{0, 0, width, height}});
    for (const RECT& r : Context.clip.Rects()) {
        CopyRect(scratch, POINT{r.left - box.left, r.top - box.top}, Context.surface,
                 POINT{r.left, r.top}, r.right - r.left, r.bottom - r.top);
    }
}
