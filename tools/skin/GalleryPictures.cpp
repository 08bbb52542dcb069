#include "tools/skin/GalleryPictures.h"

#include "tools/skin/FineCanvas.h"
#include "tools/skin/Palette.h"

#include <cmath>
#include <string>

namespace {

constexpr Rgb kForm{0x26, 0x2B, 0x30};

enum class Look { Raised, Sunken, Focused, Disabled };

constexpr Look kLooks[] = {Look::Raised, Look::Sunken, Look::Focused, Look::Disabled};

const char* Suffix(Look look) {
    switch (look) {
    case Look::Sunken:
        return "sunken";
    case Look::Focused:
        return "focused";
    case Look::Disabled:
        return "disabled";
    case Look::Raised:
        break;
    }
    return "raised";
}

struct Shading {
    Rgb rimTop, rimBottom, bodyTop, bodyBottom, mark;
};

Shading ShadingFor(Look look) {
    const Rgb light = palette::kBevelLight, dark = palette::kBevelDark;
    switch (look) {
    case Look::Sunken:
        return {dark,
                Mix(light, palette::kBodyBottom, 0.3),
                {0x16, 0x19, 0x1C},
                {0x30, 0x36, 0x3C},
                Mix(palette::kLime, palette::kBlack, 0.25)};
    case Look::Focused:
        return {Mix(light, palette::kAqua, 0.5),
                Mix(dark, palette::kAqua, 0.35),
                {0x5C, 0x66, 0x6F},
                {0x2A, 0x30, 0x36},
                palette::kAqua};
    case Look::Disabled:
        return {{0x4A, 0x4E, 0x52},
                {0x2C, 0x2F, 0x32},
                {0x36, 0x39, 0x3C},
                {0x30, 0x33, 0x36},
                {0x58, 0x5C, 0x60}};
    case Look::Raised:
        break;
    }
    return {light, dark, {0x52, 0x5B, 0x64}, {0x22, 0x27, 0x2C}, palette::kLime};
}

// A rounded body with a two-colour rim: the rim's gradient, then the body's inside it.
void DrawBody(FineCanvas& canvas, const Polygon& outline, const Polygon& inside, double top,
              double bottom, const Shading& s) {
    canvas.FillGradient(outline, top, bottom, s.rimTop, s.rimBottom);
    canvas.FillGradient(inside, top + 1.5, bottom - 1.5, s.bodyTop, s.bodyBottom);
}

SkinPicture WideButton(Look look) {
    constexpr int kWidth = 104, kHeight = 30;
    FineCanvas canvas(kWidth, kHeight, kForm);
    const Shading s = ShadingFor(look);
    DrawBody(canvas, RoundedRect(0.5, 0.5, kWidth - 0.5, kHeight - 0.5, 7),
             RoundedRect(0.5, 0.5, kWidth - 0.5, kHeight - 0.5, 7, 1.5), 0.5, kHeight - 0.5, s);
    // A thin accent line under the caption's place; the caption itself is the button's text.
    canvas.FillRect(14, kHeight - 6, kWidth - 14, kHeight - 5, Mix(s.bodyBottom, s.mark, 0.6));
    return {std::string("wide_") + Suffix(look) + ".bmp", canvas.Resolve()};
}

// The round button: the play mark on a disc, and every pixel whose centre lies outside the
// disc in the transparent colour, so the button's region is the disc.
SkinPicture RoundButton(Look look) {
    constexpr int kSize = 40;
    constexpr double kRadius = 19.5;
    const Vec2 centre{kSize / 2.0, kSize / 2.0};
    FineCanvas canvas(kSize, kSize, kForm);
    const Shading s = ShadingFor(look);
    canvas.FillGradient(EllipseArc(centre, kRadius, kRadius, 0, 2 * M_PI, 96), 0.5, kSize - 0.5,
                        s.rimTop, s.rimBottom);
    canvas.FillGradient(EllipseArc(centre, kRadius - 2, kRadius - 2, 0, 2 * M_PI, 96), 2.5,
                        kSize - 2.5, s.bodyTop, s.bodyBottom);
    const double shift = look == Look::Sunken ? 1 : 0;
    canvas.FillPolygon(
        {{15.5 + shift, 11.5 + shift}, {29 + shift, 20 + shift}, {15.5 + shift, 28.5 + shift}},
        s.mark);
    Surface pixels = canvas.Resolve();
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) > kRadius) {
                pixels.SetPixel(x, y, PixelFromColorRef(ColorRefOf(palette::kCutAway)));
            }
        }
    }
    return {std::string("round_") + Suffix(look) + ".bmp", pixels};
}

enum class Mark { None, Tick, Bar, Dot };

// A check box's or radio button's picture, its box or disc at the left and the rest the form's
// colour, where a text variant's caption goes: the mark tells the value.
SkinPicture Indicator(const std::string& name, bool round, Mark mark, int width, Look look) {
    constexpr int kSize = 20;
    FineCanvas canvas(width, kSize, kForm);
    const Shading s = ShadingFor(look);
    if (round) {
        const Vec2 centre{kSize / 2.0, kSize / 2.0};
        canvas.FillGradient(EllipseArc(centre, 9, 9, 0, 2 * M_PI, 64), 1, kSize - 1, s.rimTop,
                            s.rimBottom);
        canvas.FillGradient(EllipseArc(centre, 7.5, 7.5, 0, 2 * M_PI, 64), 2.5, kSize - 2.5,
                            s.bodyTop, s.bodyBottom);
    } else {
        DrawBody(canvas, RoundedRect(1, 1, kSize - 1, kSize - 1, 3),
                 RoundedRect(1, 1, kSize - 1, kSize - 1, 3, 1.5), 1, kSize - 1, s);
    }
    switch (mark) {
    case Mark::Tick:
        canvas.FillPolygon({{4.5, 10}, {7, 7.5}, {9, 10}, {14.5, 4}, {16.5, 6.5}, {9, 15}}, s.mark);
        break;
    case Mark::Bar:
        canvas.FillRect(5, 8.5, 15, 11.5, s.mark);
        break;
    case Mark::Dot:
        canvas.FillEllipse({kSize / 2.0, kSize / 2.0}, 4, 4, s.mark);
        break;
    case Mark::None:
        break;
    }
    return {name + "_" + Suffix(look) + ".bmp", canvas.Resolve()};
}

// Diagonal stripes in two blues with a title bar's gradient: what a transparent display lets
// through is plain to see.
SkinPicture Backdrop() {
    constexpr int kWidth = 160, kHeight = 44;
    FineCanvas canvas(kWidth, kHeight, {0x1C, 0x2C, 0x48});
    for (int band = -kHeight; band < kWidth; band += 16) {
        canvas.FillPolygon({{double(band), 0},
                            {band + 8.0, 0},
                            {band + 8.0 + kHeight, double(kHeight)},
                            {double(band) + kHeight, double(kHeight)}},
                           {0x2E, 0x4A, 0x78});
    }
    return {"backdrop.bmp", canvas.Resolve()};
}

// A sunken outline with room inside: the frame a display keeping its ratio does not fill.
SkinPicture Frame() {
    constexpr int kWidth = 200, kHeight = 44;
    FineCanvas canvas(kWidth, kHeight, palette::kBevelLight);
    canvas.FillRect(0, 0, kWidth - 1, kHeight - 1, palette::kBevelDark);
    canvas.FillRect(1, 1, kWidth - 1, kHeight - 1, kForm);
    return {"frame.bmp", canvas.Resolve()};
}

} // namespace

std::vector<SkinPicture> DrawGalleryPictures() {
    std::vector<SkinPicture> pictures;
    for (Look look : kLooks) {
        pictures.push_back(WideButton(look));
        pictures.push_back(RoundButton(look));
    }
    struct Value {
        const char* name;
        bool round;
        Mark mark;
    };
    constexpr Value kValues[] = {{"box_unchecked", false, Mark::None},
                                 {"box_checked", false, Mark::Tick},
                                 {"box_grayed", false, Mark::Bar},
                                 {"radio_unchecked", true, Mark::None},
                                 {"radio_checked", true, Mark::Dot}};
    for (const Value& value : kValues) {
        for (Look look : kLooks) {
            pictures.push_back(Indicator(value.name, value.round, value.mark, 20, look));
            pictures.push_back(
                Indicator(std::string(value.name) + "_wide", value.round, value.mark, 104, look));
        }
    }
    pictures.push_back(Backdrop());
    pictures.push_back(Frame());
    return pictures;
}
