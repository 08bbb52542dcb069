#pragma once
// Outlines for the skin, built as polygons fine enough to pass for curves once drawn on the
// fine grid: polygons with rounded corners and insets of them, elliptic arcs, and the
// operations the shading needs (a polygon cut to a band of rows, an edge-offset convex
// polygon).

#include "tools/skin/Vec2.h"

#include <vector>

using Polygon = std::vector<Vec2>;

struct Corner {
    Vec2 at;
    double radius = 0;
};

// The polygon through the corners (in either turning order), each corner rounded with a
// circular fillet of its radius, after every edge was moved inwards by inset pixels (outwards
// for a negative inset). Fillets keep their centres when the outline is inset: convex corners
// lose radius and concave ones gain it, as a parallel outline does.
Polygon RoundedPolygon(const std::vector<Corner>& corners, double inset);

// A rectangle with all four corners rounded by radius, inset like RoundedPolygon.
Polygon RoundedRect(double left, double top, double right, double bottom, double radius,
                    double inset = 0);

// Points of the ellipse centred at centre with radii rx, ry, from angle `from` to `to` (in
// radians, y pointing down, so a growing angle turns clockwise on screen), ends included.
Polygon EllipseArc(Vec2 centre, double rx, double ry, double from, double to, int steps);

// The part of the polygon with top <= y <= bottom.
Polygon ClipToRows(const Polygon& polygon, double top, double bottom);

// A convex polygon with every edge moved outwards by grow pixels (inwards when negative).
Polygon GrownConvex(const Polygon& polygon, double grow);

// Twice the signed area: positive when the corners turn clockwise on screen.
double SignedArea2(const Polygon& polygon);
