#include "platform/graphics/Raster.h"

#include "platform/graphics/SpanSet.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The pixels left <= x < right of one row.
struct Span {
    int left;
    int right;
};

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

RECT ClipFor(const Surface& target, const RECT& clip) {
    return Intersect(clip, RECT{0, 0, target.Width(), target.Height()});
}

void PaintRow(uint32_t* row, int left, int right, const Paint& paint) {
    if (paint.rop2 == kRop2CopyPen) {
        std::fill(row + left, row + right, paint.pixel);
        return;
    }
    for (int x = left; x < right; ++x) {
        row[x] = ApplyRop2(paint.rop2, paint.pixel, row[x]);
    }
}

void PaintSpans(Surface& target, const RECT& clip, const SpanSet& spans, const Paint& paint) {
    for (const RowSpan& span : spans.Merged()) {
        if (span.y < clip.top || span.y >= clip.bottom) {
            continue;
        }
        int left = std::max<int>(span.left, clip.left);
        int right = std::min<int>(span.right, clip.right);
        if (left < right) {
            PaintRow(target.Row(span.y), left, right, paint);
        }
    }
}

// Rounds n / d to the nearest integer, halves upwards; d > 0.
int64_t RoundDiv(int64_t n, int64_t d) {
    int64_t twice = 2 * n + d;
    int64_t q = twice / (2 * d);
    return (twice % (2 * d) < 0) ? q - 1 : q;
}

// Adds the pixels of a line (its last point left out), each stamped as a width x width square
// centred on the line, limited to the steps whose square can meet the clip.
void AddLine(SpanSet& spans, const RECT& clip, POINT from, POINT to, int width) {
    const int64_t dx = int64_t(to.x) - from.x, dy = int64_t(to.y) - from.y;
    const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0) {
        return;
    }
    const int before = (width - 1) / 2, after = width / 2;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t majorStart = xMajor ? from.x : from.y;
    const int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t low = (xMajor ? clip.left : clip.top) - int64_t(width);
    const int64_t high = (xMajor ? clip.right : clip.bottom) + int64_t(width);
    // The steps i with majorStart + i * majorStep inside [low, high).
    int64_t first = majorStep > 0 ? low - majorStart : majorStart - high + 1;
    int64_t last = majorStep > 0 ? high - majorStart : majorStart - low + 1;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, steps);
    for (int64_t i = first; i < last; ++i) {
        int64_t major = majorStart + i * majorStep;
        int64_t minor = (xMajor ? from.y : from.x) + RoundDiv(i * minorDelta, steps);
        int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        if (y + after < clip.top || y - before >= clip.bottom) {
            continue;
        }
        for (int64_t row = y - before; row <= y + after; ++row) {
            spans.Add(int(row), int(x - before), int(x + after + 1));
        }
    }
}

// How far in from the left the pixels of one row of a w x h ellipse start; row counts from
// the top and lies in the top half. The rule follows the midpoint algorithm: the ellipse runs
// through the centres of the box's outermost pixels (radii (w - 1) / 2 and (h - 1) / 2), and
// a pixel belongs to it when its centre, moved half a pixel towards the ellipse's centre
// across or down, lies inside.
int64_t EllipseRowInset(int64_t w, int64_t h, int64_t row) {
    const double rx = double(w - 1) / 2, ry = double(h - 1) / 2;
    const double dy = ry - double(row);
    auto across = [rx](double t) { return t >= 1 ? 0.0 : rx * std::sqrt(1 - t * t); };
    double reach = -1;
    if (dy - 0.5 <= 0) {
        reach = rx;
    } else if (dy - 0.5 <= ry) {
        reach = across((dy - 0.5) / ry);
    }
    if (dy <= ry) {
        reach = std::max(reach, 0.5 + (ry > 0 ? across(dy / ry) : rx));
    }
    if (reach < 0) {
        return w;
    }
    return std::max<int64_t>(0, int64_t(std::ceil(rx - reach - 1e-9)));
}

// The pixels of one row of a box with rounded corners; the bottom half mirrors the top half
// and the right side the left, so shapes are exactly symmetric.
std::optional<Span> RoundRow(const RECT& box, int cornerWidth, int cornerHeight, int y) {
    if (y < box.top || y >= box.bottom) {
        return std::nullopt;
    }
    const int64_t width = int64_t(box.right) - box.left, height = int64_t(box.bottom) - box.top;
    const int64_t cw = std::min<int64_t>(std::max(cornerWidth, 0), width);
    const int64_t ch = std::min<int64_t>(std::max(cornerHeight, 0), height);
    int64_t row = y - box.top;
    row = std::min(row, height - 1 - row);
    int64_t inset = 0;
    if (cw > 1 && ch > 1 && row < ch / 2) {
        inset = EllipseRowInset(cw, ch, row);
    }
    int64_t left = box.left + inset, right = int64_t(box.right) - inset; // right is exclusive
    if (left >= right) {
        return std::nullopt;
    }
    return Span{int(left), int(right)};
}

// The part of a row that lies at least `depth` pixels (counted in steps across and down)
// inside the shape: what is left after the outline of that width is taken away.
std::optional<Span> CoreRow(const RECT& box, int cw, int ch, int y, int depth) {
    Span core{INT_MIN, INT_MAX};
    for (int d = -depth; d <= depth; ++d) {
        auto row = RoundRow(box, cw, ch, y + d);
        if (!row) {
            return std::nullopt;
        }
        int k = depth - std::abs(d);
        core.left = std::max(core.left, row->left + k);
        core.right = std::min(core.right, row->right - k);
    }
    if (core.left >= core.right) {
        return std::nullopt;
    }
    return core;
}

// The clip's rows that a stroke of the width through the points can reach.
std::pair<int, int> RowsNear(const RECT& clip, std::span<const POINT> points, int width) {
    int64_t top = points[0].y, bottom = points[0].y;
    for (const POINT& p : points) {
        top = std::min<int64_t>(top, p.y);
        bottom = std::max<int64_t>(bottom, p.y);
    }
    const int reach = std::max(1, width);
    return {int(std::max<int64_t>(clip.top, top - reach)),
            int(std::min<int64_t>(clip.bottom, bottom + reach + 1))};
}

RECT Ordered(RECT r) {
    if (r.left > r.right) {
        std::swap(r.left, r.right);
    }
    if (r.top > r.bottom) {
        std::swap(r.top, r.bottom);
    }
    return r;
}

} // namespace

void FillRectangle(Surface& target, const RECT& clip, const RECT& rect, const Paint& paint) {
    RECT r = Intersect(rect, ClipFor(target, clip));
    for (int y = r.top; y < r.bottom; ++y) {
        if (r.left < r.right) {
            PaintRow(target.Row(y), r.left, r.right, paint);
        }
    }
}

void DrawLine(Surface& target, const RECT& clip, POINT from, POINT to, const Stroke& stroke) {
    RECT c = ClipFor(target, clip);
    if (c.left >= c.right || c.top >= c.bottom) {
        return;
    }
    const POINT ends[] = {from, to};
    SpanSet spans(RowsNear(c, ends, stroke.width));
    AddLine(spans, c, from, to, std::max(1, stroke.width));
    PaintSpans(target, c, spans, stroke.paint);
}

void DrawRoundShape(Surface& target, const RECT& clip, RECT box, int cornerWidth, int cornerHeight,
                    const Stroke* stroke, const Paint* fill) {
    RECT c = ClipFor(target, clip);
    box = Ordered(box);
    if (c.left >= c.right || c.top >= c.bottom) {
        return;
    }
    if (stroke == nullptr) {
        if (fill != nullptr) {
            RECT smaller{box.left, box.top, box.right - 1, box.bottom - 1};
            SpanSet spans(std::max(c.top, smaller.top), std::min(c.bottom, smaller.bottom));
            for (int y = spans.Top(); y < spans.Bottom(); ++y) {
                if (auto row = RoundRow(smaller, cornerWidth, cornerHeight, y)) {
                    spans.Add(y, row->left, row->right);
                }
            }
            PaintSpans(target, c, spans, *fill);
        }
        return;
    }
    const int width = std::max(1, stroke->width);
    RECT outer = box;
    if (width > 1 && !stroke->insideFrame) {
        int grow = (width - 1) / 2;
        outer = {box.left - grow, box.top - grow, box.right + grow, box.bottom + grow};
    }
    const int top = std::max(c.top, outer.top), bottom = std::min(c.bottom, outer.bottom);
    SpanSet edge(top, bottom), inside(top, bottom);
    for (int y = top; y < bottom; ++y) {
        auto row = RoundRow(outer, cornerWidth, cornerHeight, y);
        if (!row) {
            continue;
        }
        if (auto core = CoreRow(outer, cornerWidth, cornerHeight, y, width)) {
            inside.Add(y, core->left, core->right);
            edge.Add(y, row->left, core->left);
            edge.Add(y, core->right, row->right);
        } else {
            edge.Add(y, row->left, row->right);
        }
    }
    if (fill != nullptr) {
        PaintSpans(target, c, inside, *fill);
    }
    PaintSpans(target, c, edge, stroke->paint);
}

void DrawPolygon(Surface& target, const RECT& clip, std::span<const POINT> points,
                 const Stroke* stroke, const Paint* fill) {
    RECT c = ClipFor(target, clip);
    if (points.size() < 2 || c.left >= c.right || c.top >= c.bottom) {
        return;
    }
    if (fill != nullptr) {
        int64_t minY = points[0].y, maxY = points[0].y;
        for (const POINT& p : points) {
            minY = std::min<int64_t>(minY, p.y);
            maxY = std::max<int64_t>(maxY, p.y);
        }
        const int top = int(std::max<int64_t>(c.top, minY));
        const int bottom = int(std::min<int64_t>(c.bottom, maxY));
        SpanSet spans(top, bottom);
        std::vector<double> crossings;
        for (int y = top; y < bottom; ++y) {
            crossings.clear();
            for (size_t i = 0; i < points.size(); ++i) {
                const POINT& p = points[i];
                const POINT& q = points[(i + 1) % points.size()];
                if ((p.y <= y) != (q.y <= y)) {
                    crossings.push_back(p.x + (double(y) - p.y) * (double(q.x) - p.x) /
                                                  (double(q.y) - p.y));
                }
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                // Pixels whose top-left corners x lie in [crossing, next crossing).
                double left = std::max(std::ceil(crossings[i]), double(c.left));
                double right = std::min(std::ceil(crossings[i + 1]), double(c.right));
                if (left < right) {
                    spans.Add(y, int(left), int(right));
                }
            }
        }
        PaintSpans(target, c, spans, *fill);
    }
    if (stroke != nullptr) {
        SpanSet spans(RowsNear(c, points, stroke->width));
        for (size_t i = 0; i < points.size(); ++i) {
            AddLine(spans, c, points[i], points[(i + 1) % points.size()],
                    std::max(1, stroke->width));
        }
        PaintSpans(target, c, spans, stroke->paint);
    }
}
