#pragma once
// A figure is the library's unit of drawing: something that occupies a rectangle of its
// painter's surface, draws and erases itself through a painter it does not own, and can be
// moved. Coordinates are surface pixels, x to the right and y downwards; the right edge
// (Left() + Width()) and the bottom edge (Top() + Height()) lie outside the figure, as in a
// TRect. Moving a figure never repaints: its user erases and draws it as needed.

namespace kiln {

class Figure {
public:
    virtual ~Figure();

    virtual void Draw() = 0;
    // Paints the figure's area in the background colour of the painter's layer.
    virtual void Erase() = 0;
    virtual void Offset(int dx, int dy) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A figure with a position of its own, (0, 0) at first; what it shows and its size are left
// to the kinds of bitmap figure.
class BitmapFigure : public Figure {
public:
    void Offset(int dx, int dy) override;
    int Left() const override { return m_left; }
    int Top() const override { return m_top; }

private:
    int m_left = 0;
    int m_top = 0;
};

} // namespace kiln
