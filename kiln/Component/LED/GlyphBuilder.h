#pragma once
// Makes the glyph a format character asks for: one composite LED per glyph, built by the shape
// LED factory from the glyph's description and switched by its segment table.
//
//   "8" "D" "H" "M" "S" "Y" "d" "h" "m" "s" "y"   digit           seven-segment table
//   "."                                             decimal point   single-segment table
//   "^"                                             degree sign     four-segment table
//   "C"                                             letter C        four-segment table
//   "&"                                             RPM             sixteen-segment table
//
// Every other character has no glyph.

#include "kiln/Component/LED.h"
#include "kiln/Component/LED/GlyphDescriptions.h"
#include "kiln/Component/LED/SegmentTables.h"
#include "kiln/Component/LED/ShapeLED.h"
#include "kiln/Graphics/Color.h"

#include <memory>
#include <optional>
#include <string_view>

namespace kiln {

// The rectangular seven-segment style, the only glyph style there is.
inline constexpr int kRectangle7Style = 0;

constexpr std::optional<GlyphKind> GlyphFor(char c) {
    if (std::string_view("8DHMSYdhmsy").find(c) != std::string_view::npos) {
        return GlyphKind::Digit;
    }
    switch (c) {
    case '.':
        return GlyphKind::DecimalPoint;
    case '^':
        return GlyphKind::DegreeSign;
    case 'C':
        return GlyphKind::LetterC;
    case '&':
        return GlyphKind::Rpm;
    default:
        return std::nullopt;
    }
}

// Each make operation builds a glyph at x whose segments draw through painter in colours[0]
// to colours[stateCount - 1]; the caller owns the glyph.
template <ShapePainter Painter> class Builder {
public:
    using Glyph = std::unique_ptr<CompositeScalableLED>;

    virtual ~Builder() = default;

    virtual Glyph MakeDigit(int x, Painter* painter, const Color* colours, int stateCount) = 0;
    virtual Glyph MakeDot(int x, Painter* painter, const Color* colours, int stateCount) = 0;
    virtual Glyph MakeDegree(int x, Painter* painter, const Color* colours, int stateCount) = 0;
    virtual Glyph MakeLetterC(int x, Painter* painter, const Color* colours, int stateCount) = 0;
    virtual Glyph MakeRpm(int x, Painter* painter, const Color* colours, int stateCount) = 0;

    Glyph Make(GlyphKind kind, int x, Painter* painter, const Color* colours, int stateCount) {
        switch (kind) {
        case GlyphKind::Digit:
            return MakeDigit(x, painter, colours, stateCount);
        case GlyphKind::DecimalPoint:
            return MakeDot(x, painter, colours, stateCount);
        case GlyphKind::DegreeSign:
            return MakeDegree(x, painter, colours, stateCount);
        case GlyphKind::LetterC:
            return MakeLetterC(x, painter, colours, stateCount);
        case GlyphKind::Rpm:
            break;
        }
        return MakeRpm(x, painter, colours, stateCount);
    }
};

namespace detail {

template <ShapePainter Painter> class Builder_r7_s : public Builder<Painter> {
public:
    using Glyph = typename Builder<Painter>::Glyph;

    Glyph MakeDigit(int x, Painter* painter, const Color* colours, int stateCount) override {
        return Made(glyph::kDigit, sevenSegTbl, x, painter, colours, stateCount);
    }
    Glyph MakeDot(int x, Painter* painter, const Color* colours, int stateCount) override {
        return Made(glyph::kDecimalPoint, singleSegTbl, x, painter, colours, stateCount);
    }
    Glyph MakeDegree(int x, Painter* painter, const Color* colours, int stateCount) override {
        return Made(glyph::kDegreeSign, fourSegBinStateTbl, x, painter, colours, stateCount);
    }
    Glyph MakeLetterC(int x, Painter* painter, const Color* colours, int stateCount) override {
        return Made(glyph::kLetterC, fourSegBinStateTbl, x, painter, colours, stateCount);
    }
    Glyph MakeRpm(int x, Painter* painter, const Color* colours, int stateCount) override {
        return Made(glyph::kRpm, thirteenSegBinStateTbl, x, painter, colours, stateCount);
    }

private:
    Glyph Made(const int* description, const LED_Director& table, int x, Painter* painter,
               const Color* colours, int stateCount) {
        Glyph glyph;
        m_factory.CreateLED(description, &table, painter, colours, stateCount, glyph);
        glyph->SetLeft(x);
        return glyph;
    }

    ShapeLedFatory<Painter> m_factory;
};

} // namespace detail

// A builder for the style, or none for a style that does not exist.
template <ShapePainter Painter> std::unique_ptr<Builder<Painter>> MakeBuilder(int style) {
    if (style != kRectangle7Style) {
        return nullptr;
    }
    return std::make_unique<detail::Builder_r7_s<Painter>>();
}

} // namespace kiln
