#pragma once
// A polygon figure drawn on the pixel grid of the scalable group it belongs to, for polygons
// whose corners name pixels of a design, as glyph segments do. Each corner goes to the left
// or right edge of its design pixel's cell on the group's grid, by the side it stands on, so
// the figure covers the scaled cells of exactly the design pixels it covers at base size:
// segments that meet in the design meet at every size, and segments apart stay apart. At base
// size it draws what any polygon figure draws; its position and size are a polygon figure's.

#include "kiln/Graphics/CornerSides.h"
#include "kiln/Graphics/Figure/ShapeFigures.h"
#include "kiln/Graphics/FigureBase.h"
#include "platform/core/Assert.h"

#include <algorithm>
#include <vector>

namespace kiln {

template <ShapePainter Painter> class GridPolygonFigure : public PolygonFigure<Painter> {
public:
    explicit GridPolygonFigure(Painter* painter) : PolygonFigure<Painter>(painter) {}

    // From now on the figure is drawn on the grid's pixels; its shape, taken relative to the
    // grid's corner in the grid's base geometry, is its design. The grid outlives the figure.
    void AttachToGrid(const CompositeScalableFig* grid) {
        m_grid = grid;
        TakeDesign(this->GetShape());
    }

    // Points are set before the figure is placed on a grid.
    void SetControlPoint(const Point& point, std::size_t index) override {
        HUSHWAVE_ASSERT(m_grid == nullptr);
        PolygonFigure<Painter>::SetControlPoint(point, index);
    }

    // The drawn polygon becomes the design; the shape, which gives the figure its place and size,
    // is rebased as any polygon's.
    void Rebase() override {
        const Polygon drawn = Drawn();
        PolygonFigure<Painter>::Rebase();
        if (m_grid != nullptr) {
            TakeDesign(drawn);
        }
    }

protected:
    Polygon Drawn() const override {
        if (m_grid == nullptr) {
            return PolygonFigure<Painter>::Drawn();
        }
        Polygon drawn = this->GetShape();
        for (std::size_t i = 0; i < m_design.size(); ++i) {
            const Point p = m_design[i];
            drawn.SetControlPoint(
                Point{OnGrid(p.x, m_sides[i].right, &CompositeScalableFig::GridX),
                      OnGrid(p.y, m_sides[i].bottom, &CompositeScalableFig::GridY)},
                i);
        }
        return drawn;
    }

private:
    using Grid = int (CompositeScalableFig::*)(int) const;

    // The left or top edge of the design pixel's cell, or the last pixel of the cell for a
    // corner on the right or bottom; a cell shrunk to nothing keeps its left or top edge.
    int OnGrid(int coordinate, bool farSide, Grid grid) const {
        const int nearEdge = (m_grid->*grid)(coordinate);
        return farSide ? std::max(nearEdge, (m_grid->*grid)(coordinate + 1) - 1) : nearEdge;
    }

    void TakeDesign(const Polygon& shape) {
        m_design.clear();
        for (std::size_t i = 0; i < shape.ControlPointCount(); ++i) {
            const Point p = shape.ControlPoint(i);
            m_design.push_back(Point{p.x - m_grid->Left(), p.y - m_grid->Top()});
        }
        m_sides = CornerSidesOf(m_design);
    }

    const CompositeScalableFig* m_grid = nullptr;
    std::vector<Point> m_design;
    std::vector<CornerSide> m_sides;
};

} // namespace kiln
