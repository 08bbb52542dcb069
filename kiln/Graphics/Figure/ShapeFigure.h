#pragma once
// A scalable figure made of a shape with a line colour (black at first) and a fill colour
// (white at first). Its shape is its base geometry; its current size is kept apart from it,
// and drawing scales a copy of the shape to that size, anchored at the shape's top-left
// corner, so resizing never changes the stored control points until Rebase().

#include "kiln/Graphics/Color.h"
#include "kiln/Graphics/FigureBase.h"
#include "kiln/Graphics/Point.h"

#include <algorithm>
#include <cstddef>

namespace kiln {

class ShapeFigure : public ScalableFigure {
public:
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void Resize(int width, int height) override { SetSize(width, height); }

    virtual std::size_t ControlPointCount() const = 0;
    // Sets a control point of the shape as it is currently drawn; that becomes the shape,
    // and the size becomes its extent.
    virtual void SetControlPoint(const Point& point, std::size_t index) = 0;
    // A control point of the shape as it is currently drawn.
    virtual Point ControlPoint(std::size_t index) const = 0;
    // Whether the figure stays as wide as high.
    virtual bool KeepsAspect() const = 0;

    // Neither draws anything.
    void SetLineColor(Color c) { m_lineColor = c; }
    void SetFillColor(Color c) { m_fillColor = c; }
    Color LineColor() const { return m_lineColor; }
    Color FillColor() const { return m_fillColor; }

    // A figure that keeps its aspect takes the smaller of the two for both.
    void SetSize(int width, int height) {
        if (KeepsAspect()) {
            width = height = std::min(width, height);
        }
        m_width = width;
        m_height = height;
    }

private:
    Color m_lineColor = Color::FromValue(0xFF000000);
    Color m_fillColor = Color::FromValue(0xFFFFFFFF);
    int m_width = 0;
    int m_height = 0;
};

} // namespace kiln
