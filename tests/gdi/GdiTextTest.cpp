#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class GdiText : public testing::Test {
protected:
    void SetUp() override {
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateCompatibleBitmap(m_dc, 120, 40);
        m_old = SelectObject(m_dc, m_bitmap);
        Pixels().Fill(0xFFFFFF);
        LOGFONTA font{};
        font.lfHeight = -13;
        font.lfWeight = FW_BOLD;
        std::strcpy(font.lfFaceName, "Arial");
        m_font = CreateFontIndirect(&font);
        m_oldFont = SelectObject(m_dc, m_font);
    }
    void TearDown() override {
        SelectObject(m_dc, m_oldFont);
        SelectObject(m_dc, m_old);
        DeleteObject(m_font);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Surface& Pixels() { return FindBitmap(m_bitmap)->pixels; }

    // The box of the pixels that differ from the background.
    RECT Ink(uint32_t background = 0xFFFFFF) {
        RECT box{1000, 1000, -1, -1};
        for (int y = 0; y < Pixels().Height(); ++y) {
            for (int x = 0; x < Pixels().Width(); ++x) {
                if (Pixels().Pixel(x, y) != background) {
                    box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
                }
            }
        }
        return box;
    }

    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    HFONT m_font;
    HGDIOBJ m_oldFont;
};

} // namespace

TEST_F(GdiText, CentredTextIsCentredWithinAPixel) {
    SetBkMode(m_dc, TRANSPARENT);
    SetTextColor(m_dc, 0x0000FF); // red
    for (const char* text : {"Close", "MHz", "1.550 V"}) {
        SCOPED_TRACE(text);
        Pixels().Fill(0xFFFFFF);
        RECT area{10, 5, 110, 35};
        DrawText(m_dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        RECT ink = Ink();
        // The drawn pixels are centred across the rectangle to within a pixel; down, the text
        // cell is, and the pixels stay inside it.
        double inkCentreX = (ink.left + ink.right) / 2.0;
        EXPECT_NEAR(inkCentreX, 60.0, 1.0) << ink.left << ".." << ink.right;
        SIZE extent;
        GetTextExtentPoint32(m_dc, text, -1, &extent);
        int cellTop = 5 + (30 - extent.cy) / 2;
        EXPECT_GE(ink.top, cellTop);
        EXPECT_LE(ink.bottom, cellTop + extent.cy);
        EXPECT_NEAR((cellTop + cellTop + extent.cy) / 2.0, 20.0, 1.0);
    }
    // Fully covered pixels carry the text colour.
    bool sawRed = false;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            sawRed = sawRed || Pixels().Pixel(x, y) == 0xFF0000;
        }
    }
    EXPECT_TRUE(sawRed);
}

TEST_F(GdiText, OpaqueBackgroundFillsTheTextCell) {
    SetBkMode(m_dc, OPAQUE);
    SetBkColor(m_dc, 0x00FF00);
    TextOut(m_dc, 4, 3, "Hi", -1);
    SIZE extent;
    GetTextExtentPoint32(m_dc, "Hi", -1, &extent);
    EXPECT_EQ(Ink(), (RECT{4, 3, 4 + extent.cx, 3 + extent.cy}));
    EXPECT_EQ(Pixels().Pixel(4, 3), 0x00FF00u);
}

TEST_F(GdiText, DrawTextClipsMeasuresAndUnderlinesPrefixes) {
    SetBkMode(m_dc, TRANSPARENT);
    RECT narrow{0, 0, 12, 40};
    DrawText(m_dc, "WWWWWW", -1, &narrow, DT_LEFT | DT_SINGLELINE);
    EXPECT_LE(Ink().right, 12);

    RECT measured{5, 5, 6, 6};
    int height = DrawText(m_dc, "Line one\nTwo", -1, &measured, DT_CALCRECT);
    SIZE one;
    GetTextExtentPoint32(m_dc, "Line one", -1, &one);
    EXPECT_EQ(height, 2 * one.cy);
    EXPECT_EQ(measured, (RECT{5, 5, 5 + one.cx, 5 + 2 * one.cy}));

    SIZE plain, withPrefix;
    RECT calc{0, 0, 100, 40};
    DrawText(m_dc, "&Close", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    GetTextExtentPoint32(m_dc, "Close", -1, &plain);
    EXPECT_EQ(calc.right, plain.cx); // the '&' is not shown
    calc = {0, 0, 100, 40};
    DrawText(m_dc, "&&", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    GetTextExtentPoint32(m_dc, "&", -1, &withPrefix);
    EXPECT_EQ(calc.right, withPrefix.cx);
}

TEST_F(GdiText, WordBreakWrapsBetweenWords) {
    SIZE word;
    GetTextExtentPoint32(m_dc, "alpha beta", -1, &word);
    RECT area{0, 0, word.cx, 40};
    int height = DrawText(m_dc, "alpha beta gamma", -1, &area, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 2 * word.cy);
}
