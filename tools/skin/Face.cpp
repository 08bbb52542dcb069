#include "tools/skin/Face.h"

#include "tools/skin/ArcGauge.h"
#include "tools/skin/Palette.h"
#include "tools/skin/SkinLayout.h"

#include "platform/graphics/ScaledFont.h"

#include <functional>
#include <stdexcept>

namespace {

using namespace skin;

// The two window buttons sit on a diagonal; the body's cut corner and the top-right corner
// of the glass run parallel to the line through their centres.
struct Diagonal {
    Vec2 through; // the minimise button's centre
    Vec2 along;
    Vec2 outward;
    double length; // from one button's centre to the other's

    Diagonal() {
        const Vec2 a{kMinButton.left + kMinButton.width / 2.0,
                     kMinButton.top + kMinButton.height / 2.0};
        const Vec2 b{kCloseButton.left + kCloseButton.width / 2.0,
                     kCloseButton.top + kCloseButton.height / 2.0};
        through = a;
        along = Normalized(b - a);
        length = Length(b - a);
        outward = {along.y, -along.x};
    }

    // Where the line moved outwards by offset crosses the row y, or the column x.
    double XAtRow(double offset, double y) const {
        const Vec2 p = through + outward * offset;
        return p.x + (y - p.y) * along.x / along.y;
    }
    double YAtColumn(double offset, double x) const {
        const Vec2 p = through + outward * offset;
        return p.y + (x - p.x) * along.y / along.x;
    }
};

constexpr double kBodyCutOffset = 21;   // from the buttons' line to the body's cut edge
constexpr double kGlassCutOffset = -17; // ... to the arc glass's cut edge
constexpr double kBevel = 3;

// The arc glass: its flat inside holds the whole arc box, so the frames' own ground and the
// face agree wherever the digits lie.
constexpr double kGlassLeft = 40, kGlassTop = 51, kGlassRight = 374, kGlassBottom = 151;
constexpr double kVoltLeft = 165, kVoltTop = 170, kVoltRight = 344, kVoltBottom = 195;
constexpr double kRim = 2.5;

Polygon ArcGlass(double inset) {
    const Diagonal d;
    return RoundedPolygon({{{kGlassLeft, kGlassTop}, 9},
                           {{d.XAtRow(kGlassCutOffset, kGlassTop), kGlassTop}, 7},
                           {{kGlassRight, d.YAtColumn(kGlassCutOffset, kGlassRight)}, 7},
                           {{kGlassRight, kGlassBottom}, 9},
                           {{kGlassLeft, kGlassBottom}, 9}},
                          inset);
}

Polygon VoltGlass(double inset) {
    return RoundedRect(kVoltLeft, kVoltTop, kVoltRight, kVoltBottom, 6, inset);
}

// The two buttons lie in a channel along the cut corner.
Polygon ButtonRail(double inset) {
    const Diagonal d;
    constexpr double kHalfWidth = 10.5;
    const Vec2 from = d.through - d.along * 12;
    const Vec2 to = d.through + d.along * (d.length + 3.5);
    return RoundedPolygon({{from + d.outward * kHalfWidth, kHalfWidth - 0.01},
                           {to + d.outward * kHalfWidth, kHalfWidth - 0.01},
                           {to - d.outward * kHalfWidth, kHalfWidth - 0.01},
                           {from - d.outward * kHalfWidth, kHalfWidth - 0.01}},
                          inset);
}

// A recess: a dark lip where the light falls in at the top, a bright one at the bottom edge,
// then the ground.
void DrawRecess(FineCanvas& canvas, const std::function<Polygon(double)>& shape, Rgb ground) {
    const Polygon outer = shape(0);
    double top = outer.front().y, bottom = top;
    for (const Vec2& p : outer) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    canvas.FillGradient(outer, top, bottom, Mix(palette::kBevelDark, palette::kBlack, 0.5),
                        Mix(palette::kBodyBottom, palette::kBevelLight, 0.45));
    canvas.FillGradient(shape(1), top, bottom, palette::kEdge,
                        Mix(palette::kEdge, palette::kGlass, 0.5));
    canvas.FillPolygon(shape(kRim), ground);
}

void DrawBody(FineCanvas& canvas) {
    const auto body = [&](double inset) {
        canvas.FillGradient(FaceOutline(inset), 0, kFaceHeight, palette::kBodyTop,
                            palette::kBodyBottom);
    };
    canvas.FillPolygon(FaceOutline(0), palette::kEdge);
    canvas.FillGradient(FaceOutline(1), 0, kFaceHeight, palette::kBevelLight, palette::kBevelDark);
    body(kBevel);
    // An engraved line around the face, a little inside the bevel: its dark and light lips,
    // then the body again inside it, whose gradient depends on the row alone.
    canvas.FillGradient(FaceOutline(6), 0, kFaceHeight,
                        Mix(palette::kBodyTop, palette::kBlack, 0.55),
                        Mix(palette::kBodyBottom, palette::kBlack, 0.55));
    canvas.FillGradient(FaceOutline(7), 0, kFaceHeight,
                        Mix(palette::kBodyTop, palette::kWhite, 0.12),
                        Mix(palette::kBodyBottom, palette::kWhite, 0.08));
    body(8);
}

void DrawScrew(FineCanvas& canvas, Vec2 at) {
    canvas.FillEllipse(at + Vec2{0.3, 0.5}, 4.2, 4.2,
                       Mix(palette::kBodyBottom, palette::kWhite, 0.1));
    canvas.FillEllipse(at, 4, 4, palette::kEdge);
    canvas.FillEllipse(at, 3.2, 3.2, Mix(palette::kBodyTop, palette::kBevelLight, 0.35));
    canvas.FillEllipse(at + Vec2{0.4, 0.4}, 2.6, 2.6,
                       Mix(palette::kBodyTop, palette::kBodyBottom, 0.3));
    const Vec2 slot = Normalized({1, -0.6});
    const Vec2 across{-slot.y, slot.x};
    canvas.FillPolygon({at - slot * 2.8 - across * 0.55, at + slot * 2.8 - across * 0.55,
                        at + slot * 2.8 + across * 0.55, at - slot * 2.8 + across * 0.55},
                       palette::kEdge);
}

// Cooling slots in the lower left corner, slanted like the digits.
void DrawGrille(FineCanvas& canvas) {
    constexpr int kSlots = 7;
    constexpr double kTop = 175, kBottom = 198, kLean = 4, kWidth = 2.6;
    for (int k = 0; k < kSlots; ++k) {
        const double x = 27 + k * 6.5;
        const Polygon slot = RoundedPolygon({{{x + kLean, kTop}, 1.2},
                                             {{x + kLean + kWidth, kTop}, 1.2},
                                             {{x + kWidth, kBottom}, 1.2},
                                             {{x, kBottom}, 1.2}},
                                            0);
        Polygon lip = slot;
        for (Vec2& p : lip) {
            p = p + Vec2{0.5, 0.8};
        }
        canvas.FillPolygon(lip, Mix(palette::kBodyBottom, palette::kWhite, 0.1));
        canvas.FillPolygon(slot, Mix(palette::kBodyBottom, palette::kEdge, 0.75));
    }
}

double Ascent(const TextStyle& style) {
    FontRequest request;
    request.name = style.font;
    request.height = style.height;
    request.bold = style.bold;
    return FontFor(request).Metrics().ascent;
}

// Unit marks stand on the digits' baseline.
void DrawUnit(FineCanvas& canvas, double left, double baseline, std::string_view text, Rgb colour) {
    const TextStyle style{"Arial", -10, true};
    canvas.Text({left, baseline - Ascent(style)}, text, style, colour);
}

void DrawTitle(FineCanvas& canvas) {
    const TextStyle title{"Arial", -12, true};
    const Vec2 at{34, 17};
    canvas.Text(at + Vec2{0, 0.75}, "HUSHWAVE", title, palette::kEdge);
    canvas.Text(at, "HUSHWAVE", title, Mix(palette::kBodyTop, palette::kWhite, 0.5));
    const TextStyle sub{"Arial", -9, true};
    canvas.Text({at.x + canvas.TextWidth("HUSHWAVE", title) + 8, at.y + 3}, "CPU MONITOR", sub,
                Mix(palette::kBodyTop, palette::kAqua, 0.35));
    // A power lamp.
    const Vec2 lamp{25, at.y + 7.5};
    canvas.FillEllipse(lamp, 3.6, 3.6, palette::kEdge);
    canvas.FillEllipse(lamp, 2.7, 2.7, Mix(palette::kLime, palette::kBlack, 0.2));
    canvas.FillEllipse(lamp + Vec2{-0.6, -0.6}, 1.2, 1.2,
                       Mix(palette::kLime, palette::kWhite, 0.6));
}

} // namespace

Polygon FaceOutline(double inset) {
    const Diagonal d;
    const double w = kFaceWidth, h = kFaceHeight;
    return RoundedPolygon({{{0, 0}, 18},
                           {{d.XAtRow(kBodyCutOffset, 0), 0}, 10},
                           {{w, d.YAtColumn(kBodyCutOffset, w)}, 10},
                           {{w, h}, 16},
                           {{22, h}, 6},
                           {{0, h - 22}, 6}},
                          inset);
}

FaceDrawing::FaceDrawing()
    : m_base(kFaceWidth, kFaceHeight, palette::kEdge), m_arcOrigin{double(kArcBox.left),
                                                                   double(kArcBox.top)} {
    FineCanvas& canvas = m_base;
    DrawBody(canvas);
    DrawTitle(canvas);
    DrawRecess(canvas, ButtonRail, Mix(palette::kBodyBottom, palette::kEdge, 0.3));
    DrawRecess(canvas, ArcGlass, palette::kGlass);
    DrawRecess(canvas, VoltGlass, palette::kGlass);

    const Box lastFreq = FreqDigit(kFreqDigits - 1);
    DrawUnit(canvas, lastFreq.Right() + 4, lastFreq.Bottom() - 2.5, "MHz",
             Mix(palette::kGlass, palette::kLime, 0.8));
    const Box lastVolt = VoltDigit(kVoltDigits - 1);
    DrawUnit(canvas, lastVolt.Right() + 3, lastVolt.Bottom() - 1, "V",
             Mix(palette::kGlass, palette::kAqua, 0.8));

    DrawGrille(canvas);
    DrawScrew(canvas, {14, 14});
    DrawScrew(canvas, {18, 197});
    DrawScrew(canvas, {369, 199});

    FineCanvas shape(kFaceWidth, kFaceHeight, palette::kBlack);
    shape.FillPolygon(FaceOutline(0), palette::kWhite);
    m_coverage = shape.Resolve();
}

FaceDrawing::~FaceDrawing() = default;

Surface FaceDrawing::WithArc(int litArcSegments) const {
    FineCanvas canvas(m_base);
    ArcGauge(m_arcOrigin).Draw(canvas, litArcSegments);
    Surface face = canvas.Resolve();

    // The window's outline is where at least half a pixel lies inside the body.
    const uint32_t cutAway = PixelFromColorRef(ColorRefOf(palette::kCutAway));
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width(); ++x) {
            if (PixelRed(m_coverage.Pixel(x, y)) < 128) {
                face.SetPixel(x, y, cutAway);
            } else if (face.Pixel(x, y) == cutAway) {
                throw std::logic_error("the face uses the cut-away colour inside its outline");
            }
        }
    }
    return face;
}
