#pragma once
// What a piece of text asks of its font, in GDI's terms.

#include <compare>
#include <string>

constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;

struct FontRequest {
    std::string name = "MS Sans Serif";
    // Negative: the character height (the em) in pixels. Positive: the cell height (ascent
    // plus descent) in pixels. Zero: the default character height of 11 pixels.
    int height = -11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = DEFAULT_CHARSET;

    friend auto operator<=>(const FontRequest&, const FontRequest&) = default;
};
