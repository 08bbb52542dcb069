#pragma once
// A shape figure over one shape type, drawn through a painter it does not own. A copy of the
// shape resized to the figure's current size is what is drawn and what control points are
// read from; the shape itself changes only by moving, by Rebase() and by setting a point.

#include "kiln/Graphics/Figure/PainterConcepts.h"
#include "kiln/Graphics/Figure/ShapeFigure.h"
#include "kiln/Graphics/Shape.h"
#include "platform/core/Assert.h"
#include "platform/graphics/TRect.h"

namespace kiln {

namespace detail {

template <class T, class Painter> void FillShape(Painter& p, const BasicPolygon<T>& s) {
    p.FillPolygon(s.Points(), int(s.ControlPointCount()));
}
template <class T, class Painter> void OutlineShape(Painter& p, const BasicPolygon<T>& s) {
    p.FramePolygon(s.Points(), int(s.ControlPointCount()));
}

template <class Shape> TRect BoundsOf(const Shape& s) {
    return TRect(s.Left(), s.Top(), s.Right(), s.Bottom());
}

template <class T, class Painter> void FillShape(Painter& p, const BasicRectangle<T>& s) {
    p.FillRect(BoundsOf(s));
}
template <class T, class Painter> void OutlineShape(Painter& p, const BasicRectangle<T>& s) {
    p.FrameRect(BoundsOf(s));
}
template <class T, class Painter> void FillShape(Painter& p, const BasicSquare<T>& s) {
    p.FillRect(BoundsOf(s));
}
template <class T, class Painter> void OutlineShape(Painter& p, const BasicSquare<T>& s) {
    p.FrameRect(BoundsOf(s));
}

template <class T, class Painter> void FillShape(Painter& p, const BasicEllipse<T>& s) {
    p.FillEllipse(BoundsOf(s));
}
template <class T, class Painter> void OutlineShape(Painter& p, const BasicEllipse<T>& s) {
    p.FrameEllipse(BoundsOf(s));
}
template <class T, class Painter> void FillShape(Painter& p, const BasicCircle<T>& s) {
    p.FillEllipse(BoundsOf(s));
}
template <class T, class Painter> void OutlineShape(Painter& p, const BasicCircle<T>& s) {
    p.FrameEllipse(BoundsOf(s));
}

template <class T, class Painter> void FillShape(Painter& p, const BasicRoundRect<T>& s) {
    p.FillRoundRect(BoundsOf(s), s.CornerWidth(), s.CornerHeight());
}
template <class T, class Painter> void OutlineShape(Painter& p, const BasicRoundRect<T>& s) {
    p.FrameRoundRect(BoundsOf(s), s.CornerWidth(), s.CornerHeight());
}

} // namespace detail

template <class Shape, ShapePainter Painter> class ShapeFigureAdapter : public ShapeFigure {
public:
    explicit ShapeFigureAdapter(Painter* painter, const Shape& shape = Shape())
        : m_shape(shape), m_painterPtr(painter) {}

    // The fill first, then the outline over it.
    void Draw() override { Paint(FillColor(), LineColor()); }
    // Interior and outline in the layer's background colour.
    void Erase() override {
        HUSHWAVE_ASSERT(m_painterPtr);
        const Color background = m_painterPtr->BackgroundColor();
        Paint(background, background);
    }

    void Offset(int dx, int dy) override { m_shape.Offset(dx, dy); }
    int Left() const override { return m_shape.Left(); }
    int Top() const override { return m_shape.Top(); }

    void Rebase() override { m_shape.Resize(Width(), Height()); }
    int OriginalWidth() const override { return m_shape.Width(); }
    int OriginalHeight() const override { return m_shape.Height(); }

    std::size_t ControlPointCount() const override { return m_shape.ControlPointCount(); }
    void SetControlPoint(const Point& point, std::size_t index) override {
        Shape drawn = Drawn();
        drawn.SetControlPoint(point, index);
        SetSize(drawn.Width(), drawn.Height());
        m_shape = drawn;
    }
    Point ControlPoint(std::size_t index) const override { return Drawn().ControlPoint(index); }

    // The base geometry.
    const Shape& GetShape() const { return m_shape; }

protected:
    Shape& MutableShape() { return m_shape; }

    // The shape as it is drawn: a copy resized to the current size.
    virtual Shape Drawn() const {
        Shape drawn = m_shape;
        drawn.Resize(Width(), Height());
        return drawn;
    }

private:
    void Paint(Color fill, Color line) {
        HUSHWAVE_ASSERT(m_painterPtr);
        const Shape drawn = Drawn();
        m_painterPtr->SetColor(fill);
        detail::FillShape(*m_painterPtr, drawn);
        m_painterPtr->SetColor(line);
        detail::OutlineShape(*m_painterPtr, drawn);
    }

    Shape m_shape;
    Painter* m_painterPtr;
};

} // namespace kiln
