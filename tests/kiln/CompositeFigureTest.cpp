// Groups of figures: drawing as one, proportional resizing from the base geometry, and the
// checks that keep members inside their group.

#include "kiln/Graphics/Figure/ShapeFigures.h"
#include "kiln/Graphics/FigureBase.h"
#include "tests/kiln/PaintedSurface.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

template <class Painter> kiln::PolygonFigure<Painter> Box(Painter* painter, TRect r) {
    kiln::PolygonFigure<Painter> figure(painter);
    figure.SetControlPoint(kiln::Point{r.left, r.top}, 0);
    figure.SetControlPoint(kiln::Point{r.right, r.top}, 1);
    figure.AppendControlPoint(kiln::Point{r.right, r.bottom});
    figure.AppendControlPoint(kiln::Point{r.left, r.bottom});
    figure.Resize(figure.OriginalWidth(), figure.OriginalHeight());
    return figure;
}

std::string Geometry(const kiln::Figure& f) {
    return std::to_string(f.Left()) + "," + std::to_string(f.Top()) + " " +
           std::to_string(f.Width()) + "x" + std::to_string(f.Height());
}

class ScalableGroup : public testing::Test {
protected:
    void SetUp() override {
        group.AddChild(&wide);
        group.AddChild(&small);
    }

    RecordingPainter painter;
    kiln::PolygonFigure<RecordingPainter> wide = Box(&painter, TRect(2, 4, 8, 6));
    kiln::PolygonFigure<RecordingPainter> small = Box(&painter, TRect(3, 3, 5, 5));
    kiln::CompositeScalableFig group{0, 0, 18, 22};
};

TEST_F(ScalableGroup, PlacesAndSizesMembersFromTheirBaseGeometryEveryTime) {
    struct Case {
        int width, height;
        const char* wide;
        const char* small;
    };
    for (Case c : {Case{36, 44, "4,8 12x4", "6,6 4x4"}, Case{18, 22, "2,4 6x2", "3,3 2x2"},
                   // Factors 0.5: an offset of 3 becomes 1, truncated.
                   Case{9, 11, "1,2 3x1", "1,1 1x1"},
                   // Width 0 stacks every member at the left edge.
                   Case{0, 22, "0,4 0x2", "0,3 0x2"}, Case{27, 33, "3,6 9x3", "4,4 3x3"},
                   Case{18, 22, "2,4 6x2", "3,3 2x2"}}) {
        group.Resize(c.width, c.height);
        EXPECT_EQ(Geometry(wide), c.wide) << c.width << "x" << c.height;
        EXPECT_EQ(Geometry(small), c.small) << c.width << "x" << c.height;
        EXPECT_EQ(Geometry(group),
                  "0,0 " + std::to_string(c.width) + "x" + std::to_string(c.height));
        EXPECT_EQ(group.OriginalWidth(), 18);
        EXPECT_EQ(group.OriginalHeight(), 22);
    }
}

TEST_F(ScalableGroup, RebasingMakesTheCurrentGeometryTheBase) {
    kiln::PolygonFigure<RecordingPainter> stranger = Box(&painter, TRect(0, 0, 1, 1));
    group.Resize(36, 44);
    group.RemoveChild(&stranger); // not a member, yet the group rebases
    EXPECT_EQ(group.OriginalWidth(), 36);
    EXPECT_EQ(wide.OriginalWidth(), 12);
    group.Resize(18, 22);
    EXPECT_EQ(Geometry(wide), "2,4 6x2");

    group.RemoveChild(&wide);
    group.Resize(36, 44);
    EXPECT_EQ(Geometry(wide), "2,4 6x2");
    EXPECT_EQ(Geometry(small), "6,6 4x4");
}

TEST_F(ScalableGroup, MovesAndDrawsItsMembersInOrder) {
    group.Offset(5, 5);
    EXPECT_EQ(Geometry(group), "5,5 18x22");
    EXPECT_EQ(Geometry(wide), "7,9 6x2");
    group.Resize(36, 44);
    EXPECT_EQ(Geometry(small), "11,11 4x4");
    painter.calls.clear();
    group.Draw();
    group.Erase();
    EXPECT_THAT(painter.calls,
                ElementsAre("Color FFFFFFFF", "FillPolygon (9,13) (21,13) (21,17) (9,17)",
                            "Color FF000000", "FramePolygon (9,13) (21,13) (21,17) (9,17)",
                            "Color FFFFFFFF", "FillPolygon (11,11) (15,11) (15,15) (11,15)",
                            "Color FF000000", "FramePolygon (11,11) (15,11) (15,15) (11,15)",
                            "Color FFFF0000", "FillPolygon (9,13) (21,13) (21,17) (9,17)",
                            "Color FFFF0000", "FramePolygon (9,13) (21,13) (21,17) (9,17)",
                            "Color FFFF0000", "FillPolygon (11,11) (15,11) (15,15) (11,15)",
                            "Color FFFF0000", "FramePolygon (11,11) (15,11) (15,15) (11,15)"));
}

TEST_F(ScalableGroup, NewBaseBoundsKeepTheRightAndBottomEdges) {
    group.Resize(36, 44);
    group.SetOriginalBounds(TRect(0, 0, 20, 30));
    EXPECT_EQ(group.OriginalWidth(), 20);
    EXPECT_EQ(group.OriginalHeight(), 30);
    EXPECT_EQ(Geometry(group), "0,0 36x44");
}

TEST(CompositeFigure, RemoveTellsThePositionAMemberHad) {
    RecordingPainter painter;
    auto a = Box(&painter, TRect(0, 0, 2, 2)), b = Box(&painter, TRect(1, 1, 3, 3));
    kiln::CompositeFigure group(0, 0, 10, 10);
    group.Add(&a);
    group.Add(&b);
    EXPECT_EQ(group.Remove(&b), 1);
    EXPECT_EQ(group.Remove(&b), -1);
    EXPECT_EQ(group.Remove(&a), 0);
    EXPECT_TRUE(group.Figures().empty());
}

// Drawn at twice the base size, each member covers its stretched polygon and one more pixel
// column and row for the outline; nothing else is painted.
TEST(CompositeFigure, PaintsEveryMemberAtItsScaledPlace) {
    PaintedSurface surface(40, 48);
    auto wide = Box(surface.painter.get(), TRect(2, 4, 8, 6));
    auto tall = Box(surface.painter.get(), TRect(10, 2, 12, 12));
    wide.SetFillColor(kiln::Color(255, 0, 0));
    wide.SetLineColor(kiln::Color(255, 0, 0));
    tall.SetFillColor(kiln::Color(0, 255, 0));
    tall.SetLineColor(kiln::Color(0, 255, 0));
    kiln::CompositeScalableFig group(0, 0, 18, 22);
    group.AddChild(&wide);
    group.AddChild(&tall);
    group.Resize(36, 44);
    group.Draw();
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inWide = x >= 4 && x <= 16 && y >= 8 && y <= 12;
            const bool inTall = x >= 20 && x <= 24 && y >= 4 && y <= 24;
            const TColor expected = inWide ? clRed : inTall ? clLime : clBlack;
            ASSERT_EQ(surface.At(x, y), expected) << x << "," << y;
        }
    }
}

TEST(CompositeFigureDeathTest, MembersStayInsideAndSizesArePositive) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string header = ", file .*kiln/Graphics/FigureBase\\.h, line [0-9]+\n";
    const std::string size = "^Assertion failed: m_width >=0 && m_height >=0" + header;
    EXPECT_DEATH(kiln::CompositeFigure(5, 0, 4, 10), size);
    EXPECT_DEATH(kiln::CompositeScalableFig(0, 5, 10, 4), size);

    RecordingPainter painter;
    auto member = Box(&painter, TRect(2, 2, 6, 6));
    kiln::CompositeFigure group(0, 0, 5, 10);
    EXPECT_DEATH(group.Add(&member),
                 "^Assertion failed: figurePtr->Left\\(\\) >= m_left && figurePtr->Top\\(\\) >= "
                 "m_top && figurePtr->Left\\(\\) \\+ figurePtr->Width\\(\\) <= m_left \\+ "
                 "m_width && figurePtr->Top\\(\\) \\+ figurePtr->Height\\(\\) <= m_top \\+ "
                 "m_height" +
                     header);
    kiln::CompositeFigure roomy(0, 0, 10, 10);
    roomy.Add(&member);
    EXPECT_DEATH(roomy.SetBounds(TRect(0, 0, -1, 10)), size);
    EXPECT_DEATH(roomy.SetBounds(TRect(0, 0, 5, 10)),
                 "^Assertion failed: \\(\\*first\\)->Left\\(\\) >= rect\\.left && "
                 "\\(\\*first\\)->Top\\(\\) >= rect\\.top && \\(\\*first\\)->Width\\(\\) \\+ "
                 "\\(\\*first\\)->Left\\(\\) <= rect\\.right && \\(\\*first\\)->Height\\(\\) \\+ "
                 "\\(\\*first\\)->Top\\(\\) <= rect\\.bottom" +
                     header);

    const std::string base = "^Assertion failed: m_originalWidth > 0 && m_originalHeight > 0, "
                             "file .*kiln/Graphics/Source/FigureBase\\.cpp, line [0-9]+\n";
    EXPECT_DEATH(kiln::CompositeScalableFig().Resize(10, 10), base);
    EXPECT_DEATH(kiln::CompositeScalableFig(0, 0, 10, 0).Resize(10, 10), base);
}

} // namespace
