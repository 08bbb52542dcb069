#include "kiln/Graphics/CornerSides.h"

#include <cmath>
#include <cstdint>

namespace kiln {

namespace {

struct Vector {
    double x = 0, y = 0;
};

// The unit normal of the edge from a to b that points into the polygon, whose corners turn
// with the sign orientation; none for an edge of no length.
Vector InteriorNormal(Point a, Point b, int orientation) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0) {
        return {};
    }
    return {orientation * -dy / length, orientation * dx / length};
}

} // namespace

std::vector<CornerSide> CornerSidesOf(const std::vector<Point>& polygon) {
    const std::size_t n = polygon.size();
    int64_t twiceArea = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point& p = polygon[i];
        const Point& q = polygon[(i + 1) % n];
        twiceArea += int64_t(p.x) * q.y - int64_t(q.x) * p.y;
    }
    const int orientation = twiceArea < 0 ? -1 : 1;
    std::vector<CornerSide> sides;
    for (std::size_t i = 0; i < n; ++i) {
        const Point& before = polygon[(i + n - 1) % n];
        const Point& corner = polygon[i];
        const Point& after = polygon[(i + 1) % n];
        const Vector in = InteriorNormal(before, corner, orientation);
        const Vector out = InteriorNormal(corner, after, orientation);
        sides.push_back(CornerSide{in.x + out.x < 0, in.y + out.y < 0});
    }
    return sides;
}

} // namespace kiln
