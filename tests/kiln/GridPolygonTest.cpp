// Polygons drawn on the pixel grid of their group: which side of its pixel each corner stands
// on, and where the corners go when the group is resized.

#include "kiln/Graphics/CornerSides.h"
#include "kiln/Graphics/Figure/GridPolygonFigure.h"
#include "kiln/Graphics/FigureBase.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing::ElementsAre;
using Grid = kiln::GridPolygonFigure<RecordingPainter>;

// "r" or "l" for the horizontal side, "b" or "t" for the vertical one, per corner.
std::vector<std::string> Sides(const std::vector<kiln::Point>& polygon) {
    std::vector<std::string> sides;
    for (kiln::CornerSide side : kiln::CornerSidesOf(polygon)) {
        sides.push_back(std::string(side.right ? "r" : "l") + (side.bottom ? "b" : "t"));
    }
    return sides;
}

TEST(CornerSides, EachCornerStandsWhereTheInteriorIsNot) {
    // Either winding of a rectangle.
    EXPECT_THAT(Sides({{4, 2}, {12, 2}, {12, 3}, {4, 3}}), ElementsAre("lt", "rt", "rb", "lb"));
    EXPECT_THAT(Sides({{4, 2}, {4, 3}, {12, 3}, {12, 2}}), ElementsAre("lt", "lb", "rb", "rt"));
    // An L: its inner corner (6, 10) starts the cells below and to the right of it.
    EXPECT_THAT(Sides({{6, 7}, {8, 7}, {8, 11}, {2, 11}, {2, 10}, {6, 10}}),
                ElementsAre("lt", "rt", "rb", "lb", "lt", "lt"));
    // A bar with slanted ends and a triangle: the slant decides the side across it.
    EXPECT_THAT(Sides({{2, 12}, {9, 12}, {8, 13}, {3, 13}}), ElementsAre("lt", "rt", "rb", "lb"));
    EXPECT_THAT(Sides({{8, 20}, {10, 23}, {6, 20}}), ElementsAre("rt", "rb", "lt"));
}

class GridPolygon : public testing::Test {
protected:
    // The lower part of a degree sign's ring, in a cell of 9 × 27.
    void SetUp() override {
        figure.SetControlPoint({6, 7}, 0);
        figure.SetControlPoint({8, 7}, 1);
        for (kiln::Point p : {kiln::Point{8, 11}, {2, 11}, {2, 10}, {6, 10}}) {
            figure.AppendControlPoint(p);
        }
        figure.Resize(figure.OriginalWidth(), figure.OriginalHeight());
        figure.AttachToGrid(&group);
        group.AddChild(&figure);
    }

    std::vector<kiln::Point> Drawn() const {
        std::vector<kiln::Point> points;
        for (std::size_t i = 0; i < figure.ControlPointCount(); ++i) {
            points.push_back(figure.ControlPoint(i));
        }
        return points;
    }

    RecordingPainter painter;
    Grid figure{&painter};
    kiln::CompositeScalableFig group{0, 0, 9, 27};
};

TEST_F(GridPolygon, AtBaseSizeItIsDrawnAsAnyPolygon) {
    EXPECT_THAT(Drawn(), ElementsAre(kiln::Point{6, 7}, kiln::Point{8, 7}, kiln::Point{8, 11},
                                     kiln::Point{2, 11}, kiln::Point{2, 10}, kiln::Point{6, 10}));
}

TEST_F(GridPolygon, ResizedItCoversTheCellsOfItsDesignPixels) {
    group.Resize(18, 54); // cells of 2 × 2
    EXPECT_THAT(Drawn(), ElementsAre(kiln::Point{12, 14}, kiln::Point{17, 14}, kiln::Point{17, 23},
                                     kiln::Point{4, 23}, kiln::Point{4, 20}, kiln::Point{12, 20}));
    // Factors 1.444 and 1.481 in single precision: the cell edges are where the group puts
    // its members, and 9 × 1.444 falls just short of 13.
    group.Resize(13, 40);
    EXPECT_EQ(group.GridX(6), 8);
    EXPECT_EQ(group.GridX(9), 12);
    EXPECT_EQ(group.GridY(12), 17);
    EXPECT_THAT(Drawn(), ElementsAre(kiln::Point{8, 10}, kiln::Point{11, 10}, kiln::Point{11, 16},
                                     kiln::Point{2, 16}, kiln::Point{2, 14}, kiln::Point{8, 14}));
    EXPECT_EQ(figure.Left(), 2); // placed as any member of the group
    EXPECT_EQ(figure.Width(), 8);
    group.Offset(3, 1);
    EXPECT_EQ(figure.ControlPoint(0), (kiln::Point{11, 11}));
    group.Resize(5, 13); // cells shrunk below a pixel keep their near edge
    EXPECT_EQ(figure.ControlPoint(1), (kiln::Point{3 + 4, 1 + 3}));
}

TEST_F(GridPolygon, RebasingKeepsWhatIsDrawn) {
    group.Resize(18, 54);
    const std::vector<kiln::Point> before = Drawn();
    group.Rebase();
    EXPECT_EQ(Drawn(), before);
    group.Resize(9, 27);
    EXPECT_EQ(figure.ControlPoint(1), (kiln::Point{8, 7}));
}

TEST_F(GridPolygon, DrawsAndErasesTheGridPolygon) {
    group.Resize(18, 54);
    figure.Draw();
    EXPECT_THAT(painter.calls,
                ElementsAre("Color FFFFFFFF",
                            "FillPolygon (12,14) (17,14) (17,23) (4,23) (4,20) (12,20)",
                            "Color FF000000",
                            "FramePolygon (12,14) (17,14) (17,23) (4,23) (4,20) (12,20)"));
}

TEST_F(GridPolygon, PointsAreSetBeforeItIsPlacedOnTheGrid) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(figure.SetControlPoint({0, 0}, 0), "^Assertion failed: m_grid == nullptr");
}

} // namespace
