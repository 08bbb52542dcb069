#pragma once
// A numeric LED display on a black form of the headless window system, and what its picture
// shows: each glyph's segments read at one interior pixel apiece, at a whole scale factor.

#include "kiln/Component/LED/SegmentTables.h"
#include "package/ZvNumLed.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TPicture.h"
#include "platform/graphics/Surface.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

inline constexpr TColor kLit = 0x0AF00A;   // (10, 240, 10)
inline constexpr TColor kUnlit = 0x3E260E; // (14, 38, 62)

// One pixel inside every segment of a glyph, in its design grid, in segment order.
struct GlyphSamples {
    int width;
    std::vector<std::pair<int, int>> points;
};

inline GlyphSamples SamplesOf(char c) {
    switch (c) {
    case '.':
        return {6, {{3, 23}}};
    case '^':
        return {9, {{5, 2}, {2, 6}, {7, 4}, {7, 10}}};
    case 'C':
        return {19, {{10, 4}, {2, 9}, {2, 18}, {10, 23}}};
    default:
        return {18, {{8, 2}, {14, 6}, {14, 14}, {8, 18}, {2, 14}, {2, 6}, {8, 10}}};
    }
}

class NumLedFixture : public testing::Test {
protected:
    static constexpr int kLeft = 10, kTop = 6;

    void SetUp() override {
        form->SetBounds(0, 0, 500, 300);
        form->SetColor(clBlack);
        form->Show();
        display = new ZvNumLed(form.get());
        display->SetParent(form.get());
        MessageLoop::Instance().ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }

    TColor Drawn(int x, int y) {
        return display->Image()->Picture()->Bitmap()->Canvas()->Pixels(x, y);
    }
    TColor OnScreen(int x, int y) {
        Surface& surface = FindWindow(form->Handle())->GetSurface();
        return ColorRefFromPixel(surface.Pixel(x, y));
    }

    // Sizes the display to scale times the base size of its format.
    void AtScale(int scale) {
        int width = 0;
        int height = 22;
        for (char c : display->GetFormat()) {
            width += SamplesOf(c).width;
            height = SamplesOf(c).width == 18 ? height : 27;
        }
        display->SetBounds(kLeft, kTop, width * scale, height * scale);
    }

    // What every glyph of the format shows, one character per glyph: a digit, ' ' for a blank
    // digit, '*' for all lit, '_' for all dark, and the glyph's own character for a lit one.
    void ExpectShows(const std::string& shown, int scale = 1) {
        const std::string& format = display->GetFormat();
        ASSERT_EQ(shown.size(), format.size());
        int x = 0;
        for (std::size_t k = 0; k < format.size(); ++k) {
            const GlyphSamples glyph = SamplesOf(format[k]);
            int state = shown[k] == '_' ? 0 : 1;
            if (glyph.width == 18) {
                state = shown[k] == '*'                      ? 11
                        : shown[k] == ' ' || shown[k] == '_' ? 0
                                                             : shown[k] - '0' + 1;
            }
            for (std::size_t s = 0; s < glyph.points.size(); ++s) {
                const bool lit =
                    glyph.width == 18 ? kiln::sevenSegTbl.Value(state, int(s)) == 1 : state == 1;
                const auto [px, py] = glyph.points[s];
                EXPECT_EQ(Drawn((x + px) * scale + scale / 2, py * scale + scale / 2),
                          lit ? kLit : kUnlit)
                    << "glyph " << k << " segment " << s << " of \"" << shown << "\"";
            }
            x += glyph.width;
        }
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    ZvNumLed* display = nullptr;
};
