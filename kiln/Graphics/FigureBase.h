#pragma once
// A figure is the library's unit of drawing: something that occupies a rectangle of its
// painter's surface, draws and erases itself through a painter it does not own, and can be
// moved. Coordinates are surface pixels, x to the right and y downwards; the right edge
// (Left() + Width()) and the bottom edge (Top() + Height()) lie outside the figure, as in a
// TRect. Moving a figure never repaints: its user erases and draws it as needed.
//
// Scalable figures keep a base geometry and derive every current size from it, so that
// resizing back to the base size restores the base geometry exactly. Groups draw, erase and
// move their members as one; they never own them.

#include "kiln/Graphics/Point.h"
#include "platform/core/Assert.h"
#include "platform/graphics/TRect.h"

#include <list>
#include <vector>

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

// A figure with a base geometry. Resize keeps Left() and Top().
class ScalableFigure : public Figure {
public:
    // Takes that current size, derived from the base geometry.
    virtual void Resize(int width, int height) = 0;
    // Makes the current geometry the new base geometry; its rounding becomes permanent.
    virtual void Rebase() = 0;
    virtual int OriginalWidth() const = 0;
    virtual int OriginalHeight() const = 0;
};

// Several figures drawn, erased and moved as one, in the order they were added. Every member
// lies inside the group's rectangle, and the group's size is never negative.
class CompositeFigure : public Figure {
public:
    CompositeFigure(int left, int top, int right, int bottom)
        : m_left(left), m_top(top), m_width(right - left), m_height(bottom - top) {
        CheckSize();
    }

    void Draw() override;
    void Erase() override;
    void Offset(int dx, int dy) override;
    int Left() const override { return m_left; }
    int Top() const override { return m_top; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    void Add(Figure* figurePtr) {
        HUSHWAVE_ASSERT(figurePtr->Left() >= m_left && figurePtr->Top() >= m_top &&
                        figurePtr->Left() + figurePtr->Width() <= m_left + m_width &&
                        figurePtr->Top() + figurePtr->Height() <= m_top + m_height);
        m_figures.push_back(figurePtr);
    }

    // The position the figure had (0-based), or -1 when it is not a member.
    int Remove(const Figure* figure);

    // The group takes the rectangle; its members are not moved and must lie inside it.
    void SetBounds(const TRect& rect) {
        m_left = rect.left;
        m_top = rect.top;
        m_width = rect.right - rect.left;
        m_height = rect.bottom - rect.top;
        CheckSize();
        for (auto first = m_figures.begin(); first != m_figures.end(); ++first) {
            HUSHWAVE_ASSERT((*first)->Left() >= rect.left && (*first)->Top() >= rect.top &&
                            (*first)->Width() + (*first)->Left() <= rect.right &&
                            (*first)->Height() + (*first)->Top() <= rect.bottom);
        }
    }

    const std::list<Figure*>& Figures() const { return m_figures; }

private:
    // Reported as the check was first written, without a space after ">=".
    void CheckSize() const {
        HUSHWAVE_ASSERT_TEXT(m_width >= 0 && m_height >= 0, "m_width >=0 && m_height >=0");
    }

    int m_left;
    int m_top;
    int m_width;
    int m_height;
    std::list<Figure*> m_figures;
};

// A group of scalable figures that resizes them in proportion: each member keeps its base
// offset from the group's corner and its base size, and Resize places and sizes it from
// those every time.
class CompositeScalableFig : public ScalableFigure {
public:
    CompositeScalableFig() : CompositeScalableFig(0, 0, 0, 0) {}
    CompositeScalableFig(int left, int top, int right, int bottom)
        : m_originalWidth(right - left), m_originalHeight(bottom - top),
          m_group(left, top, right, bottom) {}

    void Draw() override { m_group.Draw(); }
    void Erase() override { m_group.Erase(); }
    void Offset(int dx, int dy) override { m_group.Offset(dx, dy); }
    int Left() const override { return m_group.Left(); }
    int Top() const override { return m_group.Top(); }
    int Width() const override { return m_group.Width(); }
    int Height() const override { return m_group.Height(); }

    void Resize(int width, int height) override;
    void Rebase() override;
    int OriginalWidth() const override { return m_originalWidth; }
    int OriginalHeight() const override { return m_originalHeight; }

    // Both make the current geometry the base geometry, so callers resize the group to its
    // base size first.
    void AddChild(ScalableFigure* figure);
    void RemoveChild(const ScalableFigure* figure);

    // A new base size; the group's right and bottom edges stay where they were.
    void SetOriginalBounds(const TRect& rect);

    // The members, in the order they were added.
    const std::list<Figure*>& Members() const { return m_group.Figures(); }

    // Where an offset from the group's corner in its base geometry lies now, by the same rule
    // that places the members: the group's pixel grid at its current size.
    int GridX(int baseOffset) const;
    int GridY(int baseOffset) const;

private:
    int m_originalWidth;
    int m_originalHeight;
    // The factors of the last resize; 1 while the current geometry is the base geometry.
    float m_scaleX = 1;
    float m_scaleY = 1;
    std::vector<Point> m_offsets;
    CompositeFigure m_group;
};

} // namespace kiln
