#include "tools/skin/WindowButtons.h"

#include "tools/skin/FineCanvas.h"
#include "tools/skin/Palette.h"

namespace {

constexpr Vec2 kCentre{8, 8};

struct CapColours {
    Rgb bevelTop, bevelBottom, bodyTop, bodyBottom, glyph;
};

CapColours ColoursFor(ButtonLook look) {
    const Rgb light = palette::kBevelLight, dark = palette::kBevelDark;
    switch (look) {
    case ButtonLook::Hot:
        return {Mix(light, palette::kAqua, 0.45),
                dark,
                {0x5C, 0x66, 0x6F},
                {0x2A, 0x30, 0x36},
                palette::kAqua};
    case ButtonLook::Sunken:
        return {dark,
                Mix(light, palette::kBodyBottom, 0.3),
                {0x1A, 0x1E, 0x22},
                {0x34, 0x3A, 0x41},
                Mix(palette::kAqua, palette::kBlack, 0.25)};
    case ButtonLook::Raised:
        break;
    }
    return {light, dark, {0x52, 0x5B, 0x64}, {0x24, 0x29, 0x2E}, {0xC4, 0xCE, 0xD4}};
}

Polygon Stroke(Vec2 a, Vec2 b, double width) {
    const Vec2 along = Normalized(b - a), across = Vec2{-along.y, along.x} * (width / 2);
    return {a - across, b - across, b + across, a + across};
}

void DrawGlyph(FineCanvas& canvas, ButtonGlyph glyph, Vec2 shift, Rgb colour) {
    if (glyph == ButtonGlyph::Minimise) {
        canvas.FillRect(4.5 + shift.x, 7 + shift.y, 11.5 + shift.x, 9 + shift.y, colour);
        return;
    }
    const double r = 2.9, width = 1.8;
    canvas.FillPolygon(Stroke(kCentre + shift + Vec2{-r, -r}, kCentre + shift + Vec2{r, r}, width),
                       colour);
    canvas.FillPolygon(Stroke(kCentre + shift + Vec2{-r, r}, kCentre + shift + Vec2{r, -r}, width),
                       colour);
}

} // namespace

Surface DrawWindowButton(ButtonGlyph glyph, ButtonLook look, const Surface& face,
                         const skin::Box& place) {
    FineCanvas canvas(place.width, place.height, palette::kBlack);
    canvas.DrawPicture(face, -place.left, -place.top);

    const CapColours c = ColoursFor(look);
    const double top = kCentre.y - 7.5, bottom = kCentre.y + 7.5;
    canvas.FillEllipse(kCentre + Vec2{0, 0.4}, 7.7, 7.7,
                       Mix(palette::kBodyBottom, palette::kWhite, 0.12));
    canvas.FillEllipse(kCentre, 7.5, 7.5, palette::kEdge);
    canvas.FillGradient(EllipseArc(kCentre, 6.7, 6.7, 0, 6.2832, 96), top, bottom, c.bevelTop,
                        c.bevelBottom);
    canvas.FillGradient(EllipseArc(kCentre, 5.7, 5.7, 0, 6.2832, 96), top + 2, bottom - 2,
                        c.bodyTop, c.bodyBottom);
    const Vec2 shift = look == ButtonLook::Sunken ? Vec2{1, 1} : Vec2{};
    if (look != ButtonLook::Sunken) {
        DrawGlyph(canvas, glyph, shift + Vec2{0, 0.75}, Mix(c.bodyBottom, palette::kBlack, 0.5));
    }
    DrawGlyph(canvas, glyph, shift, c.glyph);
    return canvas.Resolve();
}
