// Shapes and shape figures: scaling a copy of the base geometry for drawing, the colours each
// drawing asks for, the pixels each kind of figure paints, and the checks on control points.

#include "kiln/Graphics/Figure/ShapeFigures.h"
#include "kiln/Graphics/Shape.h"
#include "tests/kiln/PaintedSurface.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using testing::ElementsAre;
using Polygon = kiln::PolygonFigure<RecordingPainter>;

Polygon MakePolygon(RecordingPainter* painter, std::initializer_list<kiln::Point> points) {
    Polygon figure(painter);
    std::size_t i = 0;
    for (kiln::Point p : points) {
        if (i < 2) {
            figure.SetControlPoint(p, i);
        } else {
            figure.AppendControlPoint(p);
        }
        ++i;
    }
    figure.Resize(figure.OriginalWidth(), figure.OriginalHeight());
    return figure;
}

TEST(Polygon, StretchesFromItsTopLeftRoundingHalfUp) {
    kiln::Polygon p;
    p.SetControlPoint({4, 2}, 0);
    p.SetControlPoint({12, 2}, 1);
    p.InsertControlPoint({12, 3}, 2);
    p.InsertControlPoint({4, 3}, 3);
    EXPECT_EQ(p.Width(), 8);
    EXPECT_EQ(p.Height(), 1);
    kiln::Polygon stretched = p;
    stretched.Resize(13, 3);                                    // factors 13/8 and 3
    EXPECT_EQ(stretched.ControlPoint(1), (kiln::Point{17, 2})); // 4 + 13
    EXPECT_EQ(stretched.ControlPoint(2), (kiln::Point{17, 5}));
    stretched = p;
    stretched.Resize(5, 1); // 8 × 5/8 = 5
    EXPECT_EQ(stretched.ControlPoint(2), (kiln::Point{9, 3}));

    kiln::Polygon slanted; // (0,0) (3,1) (1,4): x factor 2/3, y factor 1/2
    slanted.SetControlPoint({3, 1}, 1);
    slanted.InsertControlPoint({1, 4}, 2);
    slanted.Resize(2, 2);
    EXPECT_EQ(slanted.ControlPoint(1), (kiln::Point{2, 1})); // 0.5 rounds up
    EXPECT_EQ(slanted.ControlPoint(2), (kiln::Point{1, 2})); // 0.667 rounds to 1
}

TEST(Polygon, WithoutExtentItIsGivenOneByItsFirstPoint) {
    kiln::Polygon p;
    p.SetControlPoint({5, 0}, 0);
    p.SetControlPoint({5, 4}, 1);
    p.Resize(3, 4);
    EXPECT_EQ(p.ControlPoint(0), (kiln::Point{8, 0}));
    EXPECT_EQ(p.ControlPoint(1), (kiln::Point{5, 4}));
}

TEST(Polygon, BoundsAreTheLeastAndGreatestCoordinates) {
    kiln::Polygon p;
    p.SetControlPoint({6, 7}, 0);
    p.SetControlPoint({2, 9}, 1);
    p.InsertControlPoint({9, 1}, 1);
    EXPECT_EQ(p.Left(), 2);
    EXPECT_EQ(p.Top(), 1);
    EXPECT_EQ(p.Right(), 9);
    EXPECT_EQ(p.Bottom(), 9);
    p.Offset(-2, 3);
    EXPECT_EQ(p.ControlPoint(1), (kiln::Point{7, 4}));
}

TEST(TwoPointShapes, ResizeMovesTheSecondPoint) {
    kiln::RoundRect r({1, 2}, {3, 4});
    r.SetCorner(5, 6);
    r.Resize(10, 20);
    EXPECT_EQ(r.ControlPoint(1), (kiln::Point{11, 22}));
    EXPECT_EQ(r.CornerWidth(), 5);
    kiln::Square s(10, 12, 4);
    EXPECT_EQ(s.ControlPoint(1), (kiln::Point{14, 16}));
    s.Resize(7, 7);
    EXPECT_EQ(s.Width(), 7);
}

TEST(PolygonFigure, DrawsItsShapeScaledToItsSizeAndKeepsTheShapeUntilRebase) {
    RecordingPainter painter;
    Polygon figure = MakePolygon(&painter, {{4, 2}, {12, 2}, {12, 3}, {4, 3}});
    figure.SetFillColor(kiln::Color(1, 2, 3));
    figure.SetLineColor(kiln::Color(4, 5, 6));
    figure.Draw();
    figure.Resize(16, 2);
    figure.Draw();
    EXPECT_THAT(painter.calls,
                ElementsAre("Color FF030201", "FillPolygon (4,2) (12,2) (12,3) (4,3)",
                            "Color FF060504", "FramePolygon (4,2) (12,2) (12,3) (4,3)",
                            "Color FF030201", "FillPolygon (4,2) (20,2) (20,4) (4,4)",
                            "Color FF060504", "FramePolygon (4,2) (20,2) (20,4) (4,4)"));
    EXPECT_EQ(figure.GetShape().ControlPoint(2), (kiln::Point{12, 3}));
    EXPECT_EQ(figure.ControlPoint(2), (kiln::Point{20, 4}));
    EXPECT_EQ(figure.OriginalWidth(), 8);
    figure.Rebase();
    EXPECT_EQ(figure.GetShape().ControlPoint(2), (kiln::Point{20, 4}));
    EXPECT_EQ(figure.OriginalWidth(), 16);
}

TEST(PolygonFigure, SettingAPointWorksOnTheDrawnShape) {
    RecordingPainter painter;
    Polygon figure = MakePolygon(&painter, {{0, 0}, {4, 0}, {4, 2}});
    figure.Resize(8, 4);
    figure.SetControlPoint({10, 6}, 2);
    EXPECT_EQ(figure.GetShape().ControlPoint(1), (kiln::Point{8, 0}));
    EXPECT_EQ(figure.Width(), 10);
    EXPECT_EQ(figure.Height(), 6);
    EXPECT_EQ(figure.OriginalWidth(), 10);
}

TEST(ShapeFigure, OnlyCirclesAndSquaresKeepTheirAspect) {
    RecordingPainter painter;
    kiln::CircleFigure<RecordingPainter> circle(1, 2, 8, &painter);
    kiln::SquareFigure<RecordingPainter> square(1, 2, 8, &painter);
    Polygon polygon(&painter);
    kiln::RectangleFigure<RecordingPainter> rectangle(&painter);
    EXPECT_EQ(circle.Width(), 8);
    for (kiln::ShapeFigure* f : std::initializer_list<kiln::ShapeFigure*>{&circle, &square}) {
        f->SetSize(10, 6);
        EXPECT_EQ(f->Width(), 6);
        EXPECT_EQ(f->Height(), 6);
    }
    for (kiln::ShapeFigure* f : std::initializer_list<kiln::ShapeFigure*>{&polygon, &rectangle}) {
        f->SetSize(10, 6);
        EXPECT_EQ(f->Width(), 10);
        EXPECT_EQ(f->Height(), 6);
    }
}

// What each kind asks of the painter when drawn at twice its base size and erased.
TEST(ShapeFigure, EachKindFillsThenOutlinesItsScaledShape) {
    RecordingPainter painter;
    auto corners = [](auto figure) {
        figure.SetControlPoint({2, 3}, 0);
        figure.SetControlPoint({6, 5}, 1);
        return figure;
    };
    kiln::RoundRectFigure<RecordingPainter> roundRect = corners(kiln::RoundRectFigure(&painter));
    roundRect.SetCorner(3, 2);
    struct Case {
        kiln::ShapeFigure* figure;
        const char* fill;
        const char* outline;
    };
    auto rectangle = corners(kiln::RectangleFigure(&painter));
    auto ellipse = corners(kiln::EllipseFigure(&painter));
    kiln::CircleFigure<RecordingPainter> circle(2, 3, 4, &painter);
    kiln::SquareFigure<RecordingPainter> square(2, 3, 4, &painter);
    Polygon polygon = MakePolygon(&painter, {{2, 3}, {6, 3}, {2, 5}});
    for (Case c :
         {Case{&rectangle, "FillRect (2,3,10,7)", "FrameRect (2,3,10,7)"},
          Case{&ellipse, "FillEllipse (2,3,10,7)", "FrameEllipse (2,3,10,7)"},
          Case{&roundRect, "FillRoundRect (2,3,10,7) 3x2", "FrameRoundRect (2,3,10,7) 3x2"},
          Case{&circle, "FillEllipse (2,3,10,11)", "FrameEllipse (2,3,10,11)"},
          Case{&square, "FillRect (2,3,10,11)", "FrameRect (2,3,10,11)"},
          Case{&polygon, "FillPolygon (2,3) (10,3) (2,7)", "FramePolygon (2,3) (10,3) (2,7)"}}) {
        painter.calls.clear();
        c.figure->SetFillColor(kiln::Color(255, 0, 0));
        c.figure->SetLineColor(kiln::Color(0, 255, 0));
        c.figure->Resize(c.figure->OriginalWidth() * 2, c.figure->OriginalHeight() * 2);
        c.figure->Draw();
        c.figure->Erase();
        EXPECT_THAT(painter.calls,
                    ElementsAre("Color FF0000FF", c.fill, "Color FF00FF00", c.outline,
                                "Color FFFF0000", c.fill, "Color FFFF0000", c.outline))
            << c.fill;
    }
}

// One figure of each kind on a black surface, red inside and green outline, at twice its
// base size: the centre is red, the outline reaches the last column and row of its box, the
// top-left pixel is painted only where the kind has a corner, and nothing outside the box is
// painted. Erasing turns exactly the painted pixels into the background.
TEST(ShapeFigure, EachKindPaintsInsideItsScaledBoxAndErasesToTheBackground) {
    using Painter = PaintedSurface::Painter;
    using Make = std::function<std::unique_ptr<kiln::ShapeFigure>(Painter*)>;
    struct Case {
        const char* name;
        Make make;
        bool cornerPainted;
        int right, bottom; // last column and row of the box
    };
    auto corners = [](auto figure) {
        figure->SetControlPoint({2, 2}, 0);
        figure->SetControlPoint({8, 6}, 1);
        return figure;
    };
    auto roundRect = [&](Painter* p) {
        auto f = corners(std::make_unique<kiln::RoundRectFigure<Painter>>(p));
        f->SetCorner(4, 4);
        return f;
    };
    auto polygon = [](Painter* p) {
        auto f = std::make_unique<kiln::PolygonFigure<Painter>>(p);
        f->SetControlPoint({2, 2}, 0);
        f->SetControlPoint({8, 2}, 1);
        f->AppendControlPoint({8, 6});
        f->AppendControlPoint({2, 6});
        f->Resize(f->OriginalWidth(), f->OriginalHeight());
        return f;
    };
    const Case cases[] = {
        {"rectangle",
         [&](Painter* p) { return corners(std::make_unique<kiln::RectangleFigure<Painter>>(p)); },
         true, 13, 9},
        {"ellipse",
         [&](Painter* p) { return corners(std::make_unique<kiln::EllipseFigure<Painter>>(p)); },
         false, 13, 9},
        {"round rectangle", roundRect, false, 13, 9},
        {"circle",
         [](Painter* p) { return std::make_unique<kiln::CircleFigure<Painter>>(2, 2, 5, p); },
         false, 11, 11},
        {"square",
         [](Painter* p) { return std::make_unique<kiln::SquareFigure<Painter>>(2, 2, 5, p); }, true,
         11, 11},
        // A polygon's outline runs through its last points, one column and row further.
        {"polygon", polygon, true, 14, 10},
    };
    for (const Case& c : cases) {
        PaintedSurface surface(24, 24);
        std::unique_ptr<kiln::ShapeFigure> figure = c.make(surface.painter.get());
        figure->Resize(figure->OriginalWidth() * 2, figure->OriginalHeight() * 2);
        figure->SetFillColor(kiln::Color(255, 0, 0));
        figure->SetLineColor(kiln::Color(0, 255, 0));
        figure->Draw();
        EXPECT_EQ(surface.At((2 + c.right) / 2, (2 + c.bottom) / 2), clRed) << c.name;
        EXPECT_EQ(surface.At(2, 2), c.cornerPainted ? clLime : clBlack) << c.name;
        bool lastColumn = false, lastRow = false;
        std::vector<bool> painted;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const TColor at = surface.At(x, y);
                painted.push_back(at != clBlack);
                lastColumn = lastColumn || (x == c.right && at == clLime);
                lastRow = lastRow || (y == c.bottom && at == clLime);
                if (x < 2 || y < 2 || x > c.right || y > c.bottom) {
                    ASSERT_EQ(at, clBlack) << c.name << " " << x << "," << y;
                }
            }
        }
        EXPECT_TRUE(lastColumn && lastRow) << c.name;

        surface.layer->SetBackgroundColor(kiln::Color(0, 0, 255));
        figure->Erase();
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                ASSERT_EQ(surface.At(x, y), painted[std::size_t(y * 24 + x)] ? clBlue : clBlack)
                    << c.name << " " << x << "," << y;
            }
        }
    }
}

TEST(ShapeDeathTest, ControlPointIndexesAndEqualSidesAreChecked) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto report = [](const std::string& expression) {
        return "^Assertion failed: " + expression +
               ", file .*kiln/Graphics/Shape\\.h, line [0-9]+\n";
    };
    kiln::Polygon polygon;
    EXPECT_DEATH(polygon.InsertControlPoint({0, 0}, 3),
                 report("index <= m_controlPoints\\.size\\(\\)"));
    EXPECT_DEATH(polygon.ControlPoint(2), report("index < ControlPointCount\\(\\)"));
    EXPECT_DEATH(polygon.SetControlPoint({0, 0}, 2), report("index < ControlPointCount\\(\\)"));
    kiln::Rectangle rectangle;
    EXPECT_DEATH(rectangle.ControlPoint(2), report("index < CONTROL_POINT_COUNT"));
    EXPECT_DEATH(rectangle.SetControlPoint({0, 0}, 2), report("index < CONTROL_POINT_COUNT"));
    kiln::Circle circle(0, 0, 4);
    EXPECT_DEATH(circle.Resize(4, 5), report("width == height"));
    EXPECT_DEATH(circle.ControlPoint(2), report("index < CONTROL_POINT_COUNT"));

    RecordingPainter painter;
    kiln::SquareFigure<RecordingPainter> square(10, 12, 4, &painter);
    EXPECT_DEATH(square.SetControlPoint({20, 20}, 1),
                 report("m_data\\.Width\\(\\) == m_data\\.Height\\(\\)"));
}

} // namespace
