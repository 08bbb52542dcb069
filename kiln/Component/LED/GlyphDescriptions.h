#pragma once
// The glyphs of the numeric display as descriptions for the shape LED factory (the format is
// drawn at the top of ShapeLED.h): every segment a polygon, in pixels of the glyph's own design
// grid. The digit cell is 22 high, the others 27. Each description is checked at compile time:
// its counts use up exactly its length, and every point lies inside its glyph's box.

#include <array>
#include <cstddef>
#include <span>

namespace kiln {

enum class GlyphKind { Digit, DecimalPoint, DegreeSign, LetterC, Rpm };

namespace glyph {

// clang-format off

// Segments a to g in the order of the seven-segment table.
inline constexpr int kDigit[] = {
    7, 0, 0, 18, 22,
    0, 4, 4,  2,  12, 2,  12, 3,  4,  3,  // a, top
    0, 4, 14, 4,  15, 4,  15, 9,  14, 9,  // b, upper right
    0, 4, 14, 12, 15, 12, 15, 17, 14, 17, // c, lower right
    0, 4, 4,  18, 12, 18, 12, 19, 4,  19, // d, bottom
    0, 4, 2,  12, 3,  12, 3,  17, 2,  17, // e, lower left
    0, 4, 2,  4,  3,  4,  3,  9,  2,  9,  // f, upper left
    0, 4, 4,  10, 12, 10, 12, 11, 4,  11, // g, middle
};

inline constexpr int kDecimalPoint[] = {
    1, 0, 0, 6, 27,
    0, 4, 2, 22, 4, 22, 4, 24, 2, 24,
};

// A small ring in the upper part of its cell.
inline constexpr int kDegreeSign[] = {
    4, 0, 0, 9, 27,
    0, 4, 2, 2, 8, 2, 8, 3, 2, 3,                 // top
    0, 4, 1, 3, 3, 3, 3, 9, 1, 9,                 // left
    0, 4, 6, 3, 8, 3, 8, 6, 6, 6,                 // upper right
    0, 6, 6, 7, 8, 7, 8, 11, 2, 11, 2, 10, 6, 10, // lower right and bottom
};

inline constexpr int kLetterC[] = {
    4, 0, 0, 19, 27,
    0, 5, 4, 4,  5, 3,  17, 3,  15, 5,  5, 5,                     // top
    0, 8, 2, 5,  3, 5,  4,  6,  4,  12, 3, 13, 2, 13, 1, 12, 1, 6, // upper left
    0, 8, 1, 16, 2, 15, 3,  15, 4,  16, 4, 21, 3, 22, 2, 22, 1, 21, // lower left
    0, 5, 4, 23, 5, 22, 15, 22, 17, 24, 5, 24,                    // bottom
};

// Segments 0 to 5 make the R, 6 to 10 the P, 11 to 15 the M.
inline constexpr int kRpm[] = {
    16, 0, 0, 47, 27,
    0, 4, 2,  12, 9,  12, 8,  13, 3,  13,                         // R
    0, 4, 10, 13, 9,  14, 9,  17, 10, 17,
    0, 4, 1,  13, 2,  14, 2,  17, 1,  17,
    0, 4, 1,  19, 2,  20, 2,  22, 1,  23,
    0, 4, 3,  18, 9,  18, 9,  19, 3,  19,
    0, 3, 8,  20, 10, 23, 6,  20,
    0, 4, 14, 13, 15, 14, 15, 17, 14, 17,                         // P
    0, 4, 15, 12, 23, 12, 22, 13, 16, 13,
    0, 4, 23, 14, 23, 17, 24, 17, 24, 13,
    0, 4, 16, 18, 23, 18, 23, 19, 16, 19,
    0, 4, 14, 19, 14, 24, 15, 23, 15, 19,
    0, 4, 27, 13, 27, 17, 28, 16, 28, 14,                         // M
    0, 4, 27, 19, 27, 24, 28, 23, 28, 20,
    0, 8, 28, 12, 44, 12, 43, 13, 37, 13, 37, 24, 36, 24, 36, 13, 29, 13,
    0, 4, 44, 14, 44, 16, 45, 17, 45, 13,
    0, 4, 44, 20, 44, 23, 45, 24, 45, 19,
};
// clang-format on

// What a walk over a description found.
struct Walk {
    // Integers the description uses; 0 when its counts or types do not make one.
    std::size_t length = 0;
    // Whether every point of every segment lies inside the glyph's box.
    bool insideBox = true;
};

// Follows the counts of the description at the start of d.
constexpr Walk WalkDescription(std::span<const int> d) {
    Walk walk;
    std::size_t at = 0;
    auto take = [&](std::size_t n) {
        const bool fits = at + n <= d.size();
        at = fits ? at + n : d.size() + 1;
        return fits;
    };
    if (!take(5) || d[0] < 0) {
        return walk;
    }
    const int width = d[3] - d[1], height = d[4] - d[2];
    auto inside = [&](int x, int y) {
        walk.insideBox = walk.insideBox && x >= 0 && y >= 0 && x <= width && y <= height;
    };
    for (int segment = 0; segment < d[0]; ++segment) {
        if (!take(1)) {
            return Walk{};
        }
        const int type = d[at - 1];
        if (type == 0) {
            if (!take(1) || d[at - 1] < 0) {
                return Walk{};
            }
            const std::size_t points = std::size_t(d[at - 1]);
            if (!take(2 * points)) {
                return Walk{};
            }
            for (std::size_t p = at - 2 * points; p < at; p += 2) {
                inside(d[p], d[p + 1]);
            }
        } else if (type >= 1 && type <= 3) {
            if (!take(type == 3 ? 6 : 4)) {
                return Walk{};
            }
            const std::size_t first = at - (type == 3 ? 6 : 4);
            inside(d[first], d[first + 1]);
            inside(d[first + 2], d[first + 3]);
        } else if (type == 4 || type == 5) {
            if (!take(3)) {
                return Walk{};
            }
            inside(d[at - 3], d[at - 2]);
            inside(d[at - 3] + d[at - 1], d[at - 2] + d[at - 1]);
        } else {
            return Walk{};
        }
    }
    walk.length = at;
    return walk;
}

constexpr bool ExactlyConsumedInsideItsBox(std::span<const int> d) {
    const Walk walk = WalkDescription(d);
    return walk.length == d.size() && walk.insideBox;
}

static_assert(ExactlyConsumedInsideItsBox(kDigit));
static_assert(ExactlyConsumedInsideItsBox(kDecimalPoint));
static_assert(ExactlyConsumedInsideItsBox(kDegreeSign));
static_assert(ExactlyConsumedInsideItsBox(kLetterC));
static_assert(ExactlyConsumedInsideItsBox(kRpm));

} // namespace glyph

inline constexpr std::array<GlyphKind, 5> kGlyphKinds = {GlyphKind::Digit, GlyphKind::DecimalPoint,
                                                         GlyphKind::DegreeSign, GlyphKind::LetterC,
                                                         GlyphKind::Rpm};

constexpr std::span<const int> DescriptionOf(GlyphKind kind) {
    switch (kind) {
    case GlyphKind::Digit:
        return glyph::kDigit;
    case GlyphKind::DecimalPoint:
        return glyph::kDecimalPoint;
    case GlyphKind::DegreeSign:
        return glyph::kDegreeSign;
    case GlyphKind::LetterC:
        return glyph::kLetterC;
    case GlyphKind::Rpm:
        break;
    }
    return glyph::kRpm;
}

} // namespace kiln
