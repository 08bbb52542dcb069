#include "platform/core/Exception.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

#include <gtest/gtest.h>

TEST(Colors, SystemColorsResolveToTheClassicScheme) {
    struct Case {
        TColor color;
        COLORREF rgb;
    };
    const Case cases[] = {
        {clBtnFace, 0xC8D0D4},   {clGrayText, 0x808080},  {clWindow, 0xFFFFFF},
        {clWindowText, 0},       {clHighlight, 0x6A240A}, {clInfoBk, 0xE1FFFF},
        {clBtnShadow, 0x808080}, {clRed, 0x0000FF},       {0x00123456, 0x00123456},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToRGB(c.color), c.rgb) << std::hex << c.color;
    }
    EXPECT_EQ(clGrayText, 0x80000011u);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), 0xC8D0D4u);
    EXPECT_EQ(GetSysColor(99), 0u);
}

TEST(Tools, ChangesAreReportedOnlyWhenAValueChanges) {
    int penChanges = 0, brushChanges = 0, fontChanges = 0;
    TPen pen;
    TBrush brush;
    TFont font;
    pen.OnChange = [&](TObject*) { ++penChanges; };
    brush.OnChange = [&](TObject*) { ++brushChanges; };
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++fontChanges;
    };
    pen.SetColor(clBlack); // the default
    pen.SetColor(clRed);
    pen.SetMode(pmXor);
    pen.SetWidth(1);
    brush.SetStyle(bsClear);
    brush.SetColor(clWhite); // the same colour, but a clear brush given a colour turns solid
    EXPECT_EQ(brush.Style(), bsSolid);
    font.SetHeight(-11);
    font.SetStyle({fsBold});
    font.SetCharset(SHIFTJIS_CHARSET);
    EXPECT_EQ(penChanges, 2);
    EXPECT_EQ(brushChanges, 2);
    EXPECT_EQ(fontChanges, 2);
}

TEST(Tools, FontSizeAndHeightAreTiedAtNinetySixPixelsPerInch) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10);
    font.SetStyle({fsBold, fsUnderline});
    FontRequest request = font.Request();
    EXPECT_TRUE(request.bold);
    EXPECT_TRUE(request.underline);
    EXPECT_FALSE(request.italic);
    EXPECT_EQ(request.height, -13);
}

TEST(Tools, AssignCopiesAndRefusesOtherClasses) {
    TFont a, b;
    a.SetName("Arial");
    a.SetColor(clBlue);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(b.Name(), "Arial");
    EXPECT_EQ(b.Color(), clBlue);
    EXPECT_EQ(changes, 1);
    TPen pen;
    try {
        b.Assign(&pen);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TPen to a TFont");
    }
}

TEST(Tools, PenModesSelectTheirBinaryRasterOperations) {
    EXPECT_EQ(Rop2Of(pmBlack), 1);
    EXPECT_EQ(Rop2Of(pmCopy), 13);
    EXPECT_EQ(Rop2Of(pmXor), 7);
    EXPECT_EQ(Rop2Of(pmNotXor), 10);
    EXPECT_EQ(Rop2Of(pmWhite), 16);
    EXPECT_EQ(Rop2Of(pmNop), 11);
}
