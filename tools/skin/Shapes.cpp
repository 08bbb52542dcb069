#include "tools/skin/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

// The fine grid is a quarter pixel, so arcs get a point every half fine pixel of length.
int ArcSteps(double radius, double angle) {
    return std::max(2, int(std::ceil(std::abs(angle) * radius * 8)));
}

Vec2 Intersection(Vec2 p, Vec2 dirP, Vec2 q, Vec2 dirQ) {
    const double denominator = Cross(dirP, dirQ);
    if (std::abs(denominator) < 1e-12) {
        return q;
    }
    return p + dirP * (Cross(q - p, dirQ) / denominator);
}

// The edges moved inwards by inset, as the corners where neighbouring moved edges meet.
std::vector<Vec2> InsetCorners(const std::vector<Vec2>& points, double inset) {
    const size_t n = points.size();
    double area2 = 0;
    for (size_t i = 0; i < n; ++i) {
        area2 += Cross(points[i], points[(i + 1) % n]);
    }
    // Clockwise on screen (positive area with y down) has the inside on the right of each edge.
    const double side = area2 > 0 ? 1 : -1;
    std::vector<Vec2> moved(n);
    for (size_t i = 0; i < n; ++i) {
        const Vec2 prev = points[(i + n - 1) % n], here = points[i], next = points[(i + 1) % n];
        const Vec2 dirIn = Normalized(here - prev), dirOut = Normalized(next - here);
        const Vec2 normalIn = Vec2{-dirIn.y, dirIn.x} * side;
        const Vec2 normalOut = Vec2{-dirOut.y, dirOut.x} * side;
        moved[i] = Intersection(prev + normalIn * inset, dirIn, here + normalOut * inset, dirOut);
    }
    return moved;
}

} // namespace

double SignedArea2(const Polygon& polygon) {
    double area2 = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        area2 += Cross(polygon[i], polygon[(i + 1) % polygon.size()]);
    }
    return area2;
}

Polygon RoundedPolygon(const std::vector<Corner>& corners, double inset) {
    if (corners.size() < 3) {
        throw std::invalid_argument("an outline needs three corners");
    }
    std::vector<Vec2> sharp;
    for (const Corner& c : corners) {
        sharp.push_back(c.at);
    }
    const double side = SignedArea2(sharp) > 0 ? 1 : -1;
    const std::vector<Vec2> moved = InsetCorners(sharp, inset);
    const size_t n = moved.size();

    Polygon outline;
    for (size_t i = 0; i < n; ++i) {
        const Vec2 here = moved[i];
        const Vec2 toPrev = Normalized(moved[(i + n - 1) % n] - here);
        const Vec2 toNext = Normalized(moved[(i + 1) % n] - here);
        const bool convex = Cross(toNext, toPrev) * side > 0;
        const double radius = std::max(0.0, corners[i].radius + (convex ? -inset : inset));
        const double halfAngle = std::acos(std::clamp(Dot(toPrev, toNext), -1.0, 1.0)) / 2;
        if (radius <= 0 || halfAngle <= 1e-6 || halfAngle >= std::numbers::pi / 2 - 1e-6) {
            outline.push_back(here);
            continue;
        }
        const Vec2 centre = here + Normalized(toPrev + toNext) * (radius / std::sin(halfAngle));
        const Vec2 start = here + toPrev * (radius / std::tan(halfAngle));
        const Vec2 end = here + toNext * (radius / std::tan(halfAngle));
        const double from = std::atan2(start.y - centre.y, start.x - centre.x);
        double sweep = std::atan2(end.y - centre.y, end.x - centre.x) - from;
        while (sweep > std::numbers::pi) {
            sweep -= 2 * std::numbers::pi;
        }
        while (sweep < -std::numbers::pi) {
            sweep += 2 * std::numbers::pi;
        }
        const int steps = ArcSteps(radius, sweep);
        for (int s = 0; s <= steps; ++s) {
            const double angle = from + sweep * s / steps;
            outline.push_back(centre + Vec2{std::cos(angle), std::sin(angle)} * radius);
        }
    }
    return outline;
}

Polygon RoundedRect(double left, double top, double right, double bottom, double radius,
                    double inset) {
    return RoundedPolygon({{{left, top}, radius},
                           {{right, top}, radius},
                           {{right, bottom}, radius},
                           {{left, bottom}, radius}},
                          inset);
}

Polygon EllipseArc(Vec2 centre, double rx, double ry, double from, double to, int steps) {
    Polygon arc;
    for (int s = 0; s <= steps; ++s) {
        const double angle = from + (to - from) * s / steps;
        arc.push_back(centre + Vec2{rx * std::cos(angle), ry * std::sin(angle)});
    }
    return arc;
}

Polygon ClipToRows(const Polygon& polygon, double top, double bottom) {
    const auto clip = [](const Polygon& in, auto inside, auto cut) {
        Polygon out;
        for (size_t i = 0; i < in.size(); ++i) {
            const Vec2 a = in[i], b = in[(i + 1) % in.size()];
            if (inside(a)) {
                out.push_back(a);
                if (!inside(b)) {
                    out.push_back(cut(a, b));
                }
            } else if (inside(b)) {
                out.push_back(cut(a, b));
            }
        }
        return out;
    };
    const auto cutAt = [](double y) {
        return [y](Vec2 a, Vec2 b) { return Lerp(a, b, (y - a.y) / (b.y - a.y)); };
    };
    const Polygon below = clip(
        polygon, [top](Vec2 p) { return p.y >= top; }, cutAt(top));
    return clip(
        below, [bottom](Vec2 p) { return p.y <= bottom; }, cutAt(bottom));
}

Polygon GrownConvex(const Polygon& polygon, double grow) {
    return InsetCorners(polygon, -grow);
}
