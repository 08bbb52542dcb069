#pragma once
// The six shape figures. Circles and squares keep their aspect: given a size they take the
// smaller side for both. Every kind is drawn at its current size, so a group that resizes one
// stretches it.

#include "kiln/Graphics/Figure/ShapeFigureAdapter.h"
#include "kiln/Graphics/Shape.h"

namespace kiln {

template <ShapePainter Painter> class PolygonFigure : public ShapeFigureAdapter<Polygon, Painter> {
public:
    // Two points at (0, 0).
    explicit PolygonFigure(Painter* painter) : ShapeFigureAdapter<Polygon, Painter>(painter) {}
    bool KeepsAspect() const override { return false; }

    // Adds a point after the last one of the base geometry; the size is not changed.
    void AppendControlPoint(const Point& point) {
        Polygon& shape = this->MutableShape();
        shape.InsertControlPoint(point, shape.ControlPointCount());
    }
};

template <ShapePainter Painter>
class RectangleFigure : public ShapeFigureAdapter<Rectangle, Painter> {
public:
    explicit RectangleFigure(Painter* painter) : ShapeFigureAdapter<Rectangle, Painter>(painter) {}
    bool KeepsAspect() const override { return false; }
};

template <ShapePainter Painter> class EllipseFigure : public ShapeFigureAdapter<Ellipse, Painter> {
public:
    explicit EllipseFigure(Painter* painter) : ShapeFigureAdapter<Ellipse, Painter>(painter) {}
    bool KeepsAspect() const override { return false; }
};

template <ShapePainter Painter>
class RoundRectFigure : public ShapeFigureAdapter<RoundRect, Painter> {
public:
    explicit RoundRectFigure(Painter* painter) : ShapeFigureAdapter<RoundRect, Painter>(painter) {}
    bool KeepsAspect() const override { return false; }

    // The corners' quarter ellipses, as wide and high as given at every size.
    void SetCorner(int width, int height) { this->MutableShape().SetCorner(width, height); }
};

template <ShapePainter Painter> class CircleFigure : public ShapeFigureAdapter<Circle, Painter> {
public:
    CircleFigure(int left, int top, int diameter, Painter* painter)
        : ShapeFigureAdapter<Circle, Painter>(painter, Circle(left, top, diameter)) {
        this->SetSize(diameter, diameter);
    }
    bool KeepsAspect() const override { return true; }
};

template <ShapePainter Painter> class SquareFigure : public ShapeFigureAdapter<Square, Painter> {
public:
    SquareFigure(int left, int top, int side, Painter* painter)
        : ShapeFigureAdapter<Square, Painter>(painter, Square(left, top, side)) {
        this->SetSize(side, side);
    }
    bool KeepsAspect() const override { return true; }
};

} // namespace kiln
