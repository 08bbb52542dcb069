#include "platform/graphics/ScaledFont.h"
#include "platform/graphics/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

FontRequest Request(const char* name, int height, bool bold = false,
                    int charset = DEFAULT_CHARSET) {
    FontRequest request;
    request.name = name;
    request.height = height;
    request.bold = bold;
    request.charset = charset;
    return request;
}

// The bounding box of the pixels that are no longer white.
RECT InkBounds(const Surface& s) {
    RECT box{s.Width(), s.Height(), 0, 0};
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            if (s.Pixel(x, y) != 0xFFFFFF) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
            }
        }
    }
    return box;
}

Surface Drawn(const ScaledFont& font, const char* text, RECT clip = {0, 0, 200, 60}) {
    Surface s(200, 60);
    s.Fill(0xFFFFFF);
    font.Draw(s, 10, 10, text, 0x000000, clip);
    return s;
}

} // namespace

TEST(Fonts, NamesResolveToTheirLinuxFaces) {
    EXPECT_EQ(FontFor(Request("Arial", -12)).FaceName(), "Liberation Sans");
    if (std::filesystem::exists("/usr/share/wine/fonts/sserife.fon")) {
        EXPECT_EQ(FontFor(Request("MS Sans Serif", -11)).FaceName(), "MS Sans Serif");
    }
    // The Japanese character set outranks the name, as in GDI's font mapper.
    const ScaledFont& japanese = FontFor(Request("Arial", -12, false, SHIFTJIS_CHARSET));
    EXPECT_NE(japanese.FaceName(), "Liberation Sans");
    Surface s = Drawn(japanese, "\xE5\x85\x83"); // U+5143
    EXPECT_GT(InkBounds(s).right - InkBounds(s).left, 6);
}

TEST(Fonts, HeightsFollowGdiConvention) {
    // Negative: the character height; the cell adds the internal leading.
    const FontMetrics& em = FontFor(Request("Arial", -20)).Metrics();
    EXPECT_EQ(em.height - em.internalLeading, 20);
    EXPECT_EQ(em.height, em.ascent + em.descent);
    // Positive: the cell height.
    EXPECT_NEAR(FontFor(Request("Arial", 20)).Metrics().height, 20, 1);
    if (std::filesystem::exists("/usr/share/wine/fonts/sserife.fon")) {
        const FontMetrics& bitmap = FontFor(Request("MS Sans Serif", -11)).Metrics();
        EXPECT_EQ(bitmap.height, 13);
        EXPECT_EQ(bitmap.ascent, 11);
    }
}

TEST(Fonts, TextStaysInsideItsCellAndItsWidth) {
    for (const char* name : {"Arial", "MS Sans Serif"}) {
        SCOPED_TRACE(name);
        const ScaledFont& font = FontFor(Request(name, -13));
        Surface s = Drawn(font, "Hgjq 1.25V");
        RECT ink = InkBounds(s);
        EXPECT_GE(ink.left, 10);
        EXPECT_LE(ink.right, 10 + font.TextWidth("Hgjq 1.25V") + 1);
        EXPECT_GE(ink.top, 10);
        EXPECT_LE(ink.bottom, 10 + font.Metrics().height);
        EXPECT_GT(ink.bottom - ink.top, 8);
    }
}

TEST(Fonts, BoldIsWiderAndClipHolds) {
    for (const char* name : {"Arial", "MS Sans Serif"}) {
        SCOPED_TRACE(name);
        EXPECT_GT(FontFor(Request(name, -11, true)).TextWidth("Close"),
                  FontFor(Request(name, -11)).TextWidth("Close"));
    }
    Surface s = Drawn(FontFor(Request("Arial", -20)), "WWWW", RECT{0, 0, 30, 18});
    RECT ink = InkBounds(s);
    EXPECT_LE(ink.right, 30);
    EXPECT_LE(ink.bottom, 18);
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
    struct Case {
        std::string text;
        std::u32string expected;
    };
    const Case cases[] = {
        {"A\xC3\xA9", U"A\u00E9"},
        {"\xE5\x85\x83", U"\u5143"},
        {"\xF0\x9F\x98\x80", U"\U0001F600"},
        {"\xC3", U"\uFFFD"},                     // cut short
        {"\xC0\xAF", U"\uFFFD\uFFFD"},           // overlong
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"}, // surrogate
        {"\xFF"
         "a",
         U"\uFFFDa"},
    };
    for (const Case& c : cases) {
        std::vector<char32_t> decoded = DecodeUtf8(c.text);
        EXPECT_EQ(std::u32string(decoded.begin(), decoded.end()), c.expected) << c.text;
    }
}
