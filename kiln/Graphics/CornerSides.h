#pragma once
// A polygon drawn with its one-pixel outline covers the pixel at each of its corners, so a
// corner's coordinates name a pixel rather than a point between pixels. When such a polygon is
// drawn on a coarser grid, a corner on the polygon's right side belongs to the right edge of
// its pixel's scaled cell, one on its left side to the left edge; likewise bottom and top. The
// side is where the polygon's interior is not: a corner whose interior lies to its left stands
// on the right.

#include "kiln/Graphics/Point.h"

#include <cstddef>
#include <vector>

namespace kiln {

struct CornerSide {
    bool right = false;
    bool bottom = false;
};

// For each corner of the closed polygon, from the interior normals of its two edges; a corner
// with the interior straight above or beside it counts as left or top.
std::vector<CornerSide> CornerSidesOf(const std::vector<Point>& polygon);

} // namespace kiln
