// The glyphs: segment tables, the compiled-in descriptions and what the builder makes of them,
// checked on pixels at base size and at scales that are not whole numbers.

#include "kiln/Component/LED/GlyphBuilder.h"
#include "kiln/Component/LED/GlyphDescriptions.h"
#include "kiln/Component/LED/SegmentTables.h"
#include "tests/kiln/PaintedSurface.h"
#include "tests/kiln/RecordingPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

using testing::ElementsAre;
using Painter = PaintedSurface::Painter;
using Glyph = std::unique_ptr<kiln::CompositeScalableLED>;

const kiln::Color dark(14, 38, 62), light(10, 240, 10);
const kiln::Color colours[] = {dark, light};

TEST(SegmentTables, DigitsLightTheirSegments) {
    EXPECT_EQ(kiln::sevenSegTbl.StateCount(), 12);
    EXPECT_EQ(kiln::sevenSegTbl.Value(3, 2), 0); // a 2 has no lower right segment
    EXPECT_EQ(kiln::sevenSegTbl.Value(3, 6), 1); // and has the middle one
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(kiln::sevenSegTbl.Value(0, i), 0);
        EXPECT_EQ(kiln::sevenSegTbl.Value(9, i), 1);
        EXPECT_EQ(kiln::sevenSegTbl.Value(11, i), 1);
    }
    EXPECT_EQ(kiln::sevenSegTbl.Value(2, 0), 0);  // a 1 is b and c only
    EXPECT_EQ(kiln::sevenSegTbl.Value(10, 4), 0); // a 9 has no lower left segment
}

TEST(SegmentTables, TheOtherGlyphsAreLitOrDarkAsAWhole) {
    struct Case {
        const kiln::LED_Director* table;
        int segments;
    };
    for (Case c : {Case{&kiln::singleSegTbl, 1}, Case{&kiln::fourSegBinStateTbl, 4},
                   Case{&kiln::thirteenSegBinStateTbl, 16}}) {
        EXPECT_EQ(c.table->StateCount(), 2);
        for (int i = 0; i < c.segments; ++i) {
            EXPECT_EQ(c.table->Value(0, i), 0);
            EXPECT_EQ(c.table->Value(1, i), 1);
        }
    }
}

TEST(GlyphDescriptions, TheWalkRejectsCountsThatDoNotFit) {
    constexpr int truncated[] = {1, 0, 0, 9, 9, 0, 4, 1, 1, 2, 2};
    constexpr int unknownType[] = {1, 0, 0, 9, 9, 7, 1, 1};
    constexpr int outside[] = {1, 0, 0, 9, 9, 1, 0, 0, 10, 2};
    constexpr int twoGlyphs[] = {1, 0, 0, 9, 9, 4, 1, 1, 3, 1, 0, 0, 5, 5, 5, 0, 0, 2};
    static_assert(kiln::glyph::WalkDescription(truncated).length == 0);
    static_assert(kiln::glyph::WalkDescription(unknownType).length == 0);
    static_assert(kiln::glyph::WalkDescription(outside).length == 10);
    static_assert(!kiln::glyph::WalkDescription(outside).insideBox);
    static_assert(kiln::glyph::WalkDescription(twoGlyphs).length == 9);
    static_assert(kiln::glyph::WalkDescription(std::span(twoGlyphs).subspan(9)).length == 9);
    SUCCEED();
}

// What a glyph's box and segment count are, read from its description's header.
struct Header {
    int segments, width, height;
};

Header HeaderOf(kiln::GlyphKind kind) {
    const std::span<const int> d = kiln::DescriptionOf(kind);
    return Header{d[0], d[3] - d[1], d[4] - d[2]};
}

TEST(GlyphDescriptions, TheFactoryUsesUpEachDescriptionAndKeepsEverySegmentInItsBox) {
    RecordingPainter painter;
    for (kiln::GlyphKind kind : kiln::kGlyphKinds) {
        const std::span<const int> d = kiln::DescriptionOf(kind);
        Glyph glyph;
        const int* end = kiln::ShapeLedFatory<RecordingPainter>().CreateLED(
            d.data(), &kiln::sevenSegTbl, &painter, colours, 2, glyph);
        EXPECT_EQ(end, d.data() + d.size()) << int(kind);
        const Header header = HeaderOf(kind);
        EXPECT_EQ(int(glyph->Segments().size()), header.segments);
        EXPECT_EQ(glyph->Width(), header.width);
        EXPECT_EQ(glyph->Height(), header.height);
        for (kiln::Figure* segment : glyph->Figure().Members()) {
            EXPECT_GE(segment->Left(), 0);
            EXPECT_GE(segment->Top(), 0);
            EXPECT_LE(segment->Left() + segment->Width(), header.width);
            EXPECT_LE(segment->Top() + segment->Height(), header.height);
        }
    }
}

TEST(GlyphBuilder, FormatCharactersChooseTheirGlyph) {
    for (char c : std::string_view("8DHMSYdhmsy")) {
        EXPECT_EQ(kiln::GlyphFor(c), kiln::GlyphKind::Digit) << c;
    }
    EXPECT_EQ(kiln::GlyphFor('.'), kiln::GlyphKind::DecimalPoint);
    EXPECT_EQ(kiln::GlyphFor('^'), kiln::GlyphKind::DegreeSign);
    EXPECT_EQ(kiln::GlyphFor('C'), kiln::GlyphKind::LetterC);
    EXPECT_EQ(kiln::GlyphFor('&'), kiln::GlyphKind::Rpm);
    for (char c : std::string_view(":c9 -,0x")) {
        EXPECT_EQ(kiln::GlyphFor(c), std::nullopt) << c;
    }
}

TEST(GlyphBuilder, MakesEachGlyphWithItsTableAtItsPlace) {
    EXPECT_EQ(kiln::MakeBuilder<RecordingPainter>(1), nullptr);
    auto builder = kiln::MakeBuilder<RecordingPainter>(kiln::kRectangle7Style);
    ASSERT_NE(builder, nullptr);
    RecordingPainter painter;
    struct Case {
        kiln::GlyphKind kind;
        int states, segments, width, height;
    };
    for (Case c : {Case{kiln::GlyphKind::Digit, 12, 7, 18, 22},
                   Case{kiln::GlyphKind::DecimalPoint, 2, 1, 6, 27},
                   Case{kiln::GlyphKind::DegreeSign, 2, 4, 9, 27},
                   Case{kiln::GlyphKind::LetterC, 2, 4, 19, 27},
                   Case{kiln::GlyphKind::Rpm, 2, 16, 47, 27}}) {
        Glyph glyph = builder->Make(c.kind, 30, &painter, colours, 2);
        EXPECT_EQ(glyph->StateCount(), c.states);
        EXPECT_EQ(int(glyph->Segments().size()), c.segments);
        EXPECT_EQ(glyph->Width(), c.width);
        EXPECT_EQ(glyph->Height(), c.height);
        EXPECT_EQ(glyph->Figure().Left(), 30);
        EXPECT_EQ(glyph->Figure().Top(), 0);
        for (const auto& segment : glyph->Segments()) {
            EXPECT_EQ(segment->StateCount(), 2);
            EXPECT_EQ(segment->State(), 0);
        }
    }
    Glyph rpm = builder->MakeRpm(0, &painter, colours, 2);
    EXPECT_EQ(rpm->Width(), 47);
}

// The pixels of a surface in one colour.
using PixelSet = std::vector<bool>;

PixelSet Lit(PaintedSurface& surface, TColor colour) {
    PixelSet set;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            set.push_back(surface.At(x, y) == colour);
        }
    }
    return set;
}

TEST(DigitGlyph, EachStateLightsTheSegmentsOfItsTableRow) {
    PaintedSurface surface(18, 22);
    auto builder = kiln::MakeBuilder<Painter>(kiln::kRectangle7Style);
    Glyph digit = builder->MakeDigit(0, surface.painter.get(), colours, 2);
    // A pixel inside each segment, a to g.
    const int probes[7][2] = {{8, 2}, {14, 6}, {14, 14}, {8, 19}, {2, 14}, {2, 6}, {8, 10}};
    for (int state = 0; state < 12; ++state) {
        digit->SetState(state);
        surface.layer->Clear();
        digit->Figure().Draw();
        for (int i = 0; i < 7; ++i) {
            const TColor expected =
                kiln::sevenSegTbl.Value(state, i) ? light.ToPlatform() : dark.ToPlatform();
            EXPECT_EQ(surface.At(probes[i][0], probes[i][1]), expected)
                << "state " << state << " segment " << i;
        }
    }
    // Every segment lit: the digit covers x 2 to 15 and y 2 to 19 of its cell.
    const PixelSet lit = Lit(surface, light.ToPlatform());
    int left = 18, right = -1, top = 22, bottom = -1;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 18; ++x) {
            if (lit[std::size_t(y * 18 + x)]) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_THAT((std::vector<int>{left, right, top, bottom}), ElementsAre(2, 15, 2, 19));
}

// Distance from (px, py) to the closed polygon: 0 inside or on it.
double DistanceToPolygon(double px, double py, const std::vector<kiln::Point>& polygon) {
    bool inside = false;
    double best = INFINITY;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const double xi = polygon[i].x, yi = polygon[i].y, xj = polygon[j].x, yj = polygon[j].y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) {
            inside = !inside;
        }
        const double dx = xj - xi, dy = yj - yi;
        const double length2 = dx * dx + dy * dy;
        const double t =
            length2 == 0 ? 0 : std::clamp(((px - xi) * dx + (py - yi) * dy) / length2, 0.0, 1.0);
        best = std::min(best, std::hypot(px - (xi + t * dx), py - (yi + t * dy)));
    }
    return inside ? 0 : best;
}

std::vector<kiln::Point> Points(const kiln::ShapeFigure& figure) {
    std::vector<kiln::Point> points;
    for (std::size_t i = 0; i < figure.ControlPointCount(); ++i) {
        points.push_back(figure.ControlPoint(i));
    }
    return points;
}

bool Overlap(const PixelSet& a, const PixelSet& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] && b[i]) {
            return true;
        }
    }
    return false;
}

// Whether a pixel of one set is a pixel of the other or one of its neighbours: the four beside
// it, or also the four across its corners.
bool Touch(const PixelSet& a, const PixelSet& b, int width, bool corners = false) {
    const int height = int(a.size()) / width;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!a[std::size_t(y * width + x)]) {
                continue;
            }
            for (auto [dx, dy] : {std::pair{0, 0},
                                  {1, 0},
                                  {-1, 0},
                                  {0, 1},
                                  {0, -1},
                                  {1, 1},
                                  {1, -1},
                                  {-1, 1},
                                  {-1, -1}}) {
                if (!corners && dx != 0 && dy != 0) {
                    continue;
                }
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < width && ny < height &&
                    b[std::size_t(ny * width + nx)]) {
                    return true;
                }
            }
        }
    }
    return false;
}

// Each segment of a lit glyph drawn alone at the glyph's current size, on a surface the size
// of the glyph's base box times four.
std::vector<PixelSet> SegmentPixels(kiln::CompositeScalableLED& glyph, PaintedSurface& surface) {
    std::vector<PixelSet> sets;
    for (kiln::Figure* segment : glyph.Figure().Members()) {
        surface.layer->Clear();
        segment->Draw();
        sets.push_back(Lit(surface, light.ToPlatform()));
    }
    return sets;
}

// At scales from 1 to 4 that are not whole numbers (a few chosen, more drawn from a seeded
// generator), every glyph stays within its design: each segment's
// pixels lie within a pixel of its scaled polygon and inside the glyph's scaled box; segments
// that meet side by side at base size still do, segments that share no pixel never come to
// share one, and segments with a pixel between them keep a gap.
TEST(GlyphsAtScale, SegmentsStayWithinTheirPolygonsAndKeepTheirContacts) {
    std::vector<std::array<double, 2>> scales = {{1.37, 1.37}, {1.5, 1.5},   {2.28, 2.27},
                                                 {3.72, 3.68}, {1.72, 2.59}, {2.5, 1.2},
                                                 {1.05, 3.3}};
    std::mt19937 random(13);
    std::uniform_real_distribution<double> factor(1.0, 4.0);
    for (int i = 0; i < 24; ++i) {
        scales.push_back({factor(random), factor(random)});
    }
    auto builder = kiln::MakeBuilder<Painter>(kiln::kRectangle7Style);
    for (kiln::GlyphKind kind : kiln::kGlyphKinds) {
        const Header header = HeaderOf(kind);
        PaintedSurface surface(header.width * 4, header.height * 4);
        Glyph glyph = builder->Make(kind, 0, surface.painter.get(), colours, 2);
        glyph->SetState(glyph->StateCount() - 1);
        const std::vector<PixelSet> base = SegmentPixels(*glyph, surface);
        for (const auto& scale : scales) {
            const int width = int(header.width * scale[0]), height = int(header.height * scale[1]);
            glyph->Figure().Resize(width, height);
            const std::vector<PixelSet> scaled = SegmentPixels(*glyph, surface);
            std::size_t i = 0;
            for (kiln::Figure* member : glyph->Figure().Members()) {
                const std::vector<kiln::Point> polygon =
                    Points(dynamic_cast<kiln::ShapeFigure&>(*member));
                for (int y = 0; y < surface.Height(); ++y) {
                    for (int x = 0; x < surface.Width(); ++x) {
                        if (!scaled[i][std::size_t(y * surface.Width() + x)]) {
                            continue;
                        }
                        ASSERT_TRUE(x < width && y < height)
                            << int(kind) << " segment " << i << " at " << x << "," << y;
                        ASSERT_LE(DistanceToPolygon(x, y, polygon), 1.0)
                            << int(kind) << " segment " << i << " at " << x << "," << y << " scale "
                            << scale[0] << "x" << scale[1];
                    }
                }
                ++i;
            }
            for (std::size_t a = 0; a < base.size(); ++a) {
                for (std::size_t b = a + 1; b < base.size(); ++b) {
                    const int w = surface.Width();
                    const std::string pair = std::to_string(int(kind)) + " segments " +
                                             std::to_string(a) + ", " + std::to_string(b);
                    if (Touch(base[a], base[b], w)) {
                        EXPECT_TRUE(Touch(scaled[a], scaled[b], w)) << pair << " part";
                    }
                    if (!Overlap(base[a], base[b])) {
                        EXPECT_FALSE(Overlap(scaled[a], scaled[b])) << pair << " overlap";
                    }
                    if (!Touch(base[a], base[b], w, true)) {
                        EXPECT_FALSE(Touch(scaled[a], scaled[b], w, true)) << pair << " meet";
                    }
                }
            }
        }
    }
}

// Glyphs whose segments have only upright and level edges are scaled exactly: a pixel is lit
// when the design pixel whose scaled cell holds it is lit, and in the light colour.
TEST(GlyphsAtScale, UprightGlyphsLightExactlyTheCellsOfTheirDesignPixels) {
    const double scales[][2] = {{1.37, 1.37}, {2.28, 2.27}, {1.72, 2.59}, {3.5, 1.1}};
    auto builder = kiln::MakeBuilder<Painter>(kiln::kRectangle7Style);
    for (kiln::GlyphKind kind :
         {kiln::GlyphKind::Digit, kiln::GlyphKind::DecimalPoint, kiln::GlyphKind::DegreeSign}) {
        const Header header = HeaderOf(kind);
        PaintedSurface surface(header.width * 4, header.height * 4);
        Glyph glyph = builder->Make(kind, 0, surface.painter.get(), colours, 2);
        glyph->SetState(glyph->StateCount() - 1);
        glyph->Figure().Draw();
        const PixelSet design = Lit(surface, light.ToPlatform());
        for (const auto& scale : scales) {
            const int width = int(header.width * scale[0]), height = int(header.height * scale[1]);
            surface.layer->Clear();
            glyph->Figure().Resize(width, height);
            glyph->Figure().Draw();
            const kiln::CompositeScalableFig& grid = glyph->Figure();
            for (int row = 0; row < header.height; ++row) {
                for (int column = 0; column < header.width; ++column) {
                    const bool lit = design[std::size_t(row * surface.Width() + column)];
                    for (int y = grid.GridY(row); y < grid.GridY(row + 1); ++y) {
                        for (int x = grid.GridX(column); x < grid.GridX(column + 1); ++x) {
                            ASSERT_EQ(surface.At(x, y), lit ? light.ToPlatform() : clBlack)
                                << int(kind) << " at " << x << "," << y << " scale " << scale[0]
                                << "x" << scale[1];
                        }
                    }
                }
            }
        }
    }
}

} // namespace
