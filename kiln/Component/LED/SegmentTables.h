#pragma once
// The segment tables of the glyphs: which segments are lit in each glyph state.
//
//        a
//      -----
//   f |     | b
//     |  g  |
//      -----
//   e |     | c
//     |     |
//      -----
//        d
//
// A seven-segment digit numbers its segments a to g as 0 to 6. Digit d is state d + 1;
// state 0 is blank and the last state lights everything. The other glyphs are lit or dark as
// a whole.

#include "kiln/Component/LED/LEDDirector.h"
#include "platform/core/Assert.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kiln {

namespace detail {

template <std::size_t Segments> using SegmentRow = std::array<std::uint8_t, Segments>;

template <std::size_t States, std::size_t Segments>
using SegmentRows = std::array<SegmentRow<Segments>, States>;

inline constexpr SegmentRows<12, 7> kSevenSegmentRows = {{
    //  a  b  c  d  e  f  g
    {{0, 0, 0, 0, 0, 0, 0}}, // blank
    {{1, 1, 1, 1, 1, 1, 0}}, // 0
    {{0, 1, 1, 0, 0, 0, 0}}, // 1
    {{1, 1, 0, 1, 1, 0, 1}}, // 2
    {{1, 1, 1, 1, 0, 0, 1}}, // 3
    {{0, 1, 1, 0, 0, 1, 1}}, // 4
    {{1, 0, 1, 1, 0, 1, 1}}, // 5
    {{1, 0, 1, 1, 1, 1, 1}}, // 6
    {{1, 1, 1, 0, 0, 0, 0}}, // 7
    {{1, 1, 1, 1, 1, 1, 1}}, // 8
    {{1, 1, 1, 1, 0, 1, 1}}, // 9
    {{1, 1, 1, 1, 1, 1, 1}}, // all segments
}};

inline constexpr SegmentRows<2, 1> kSingleSegmentRows = {{
    {{0}}, // dark
    {{1}}, // lit
}};

inline constexpr SegmentRows<2, 4> kFourSegmentRows = {{
    {{0, 0, 0, 0}}, // dark
    {{1, 1, 1, 1}}, // lit
}};

// Sixteen entries per row: the RPM legend has sixteen segments.
inline constexpr SegmentRows<2, 16> kThirteenSegmentRows = {{
    {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}, // dark
    {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}, // lit
}};

// A director that reads one of the tables above.
template <std::size_t States, std::size_t Segments> class TableDirector : public LED_Director {
public:
    constexpr explicit TableDirector(const SegmentRows<States, Segments>& rows) : m_rows(rows) {}

    int StateCount() const override { return int(States); }
    int Value(int state, int index) const override {
        HUSHWAVE_ASSERT(state >= 0 && state < StateCount());
        HUSHWAVE_ASSERT(index >= 0 && index < int(Segments));
        return m_rows[std::size_t(state)][std::size_t(index)];
    }

private:
    const SegmentRows<States, Segments>& m_rows;
};

} // namespace detail

class SevenSegTbl : public detail::TableDirector<12, 7> {
public:
    constexpr SevenSegTbl() : TableDirector(detail::kSevenSegmentRows) {}
};

class SingleSegTbl : public detail::TableDirector<2, 1> {
public:
    constexpr SingleSegTbl() : TableDirector(detail::kSingleSegmentRows) {}
};

class FourSegBinStateTbl : public detail::TableDirector<2, 4> {
public:
    constexpr FourSegBinStateTbl() : TableDirector(detail::kFourSegmentRows) {}
};

class ThirteenSegBinStateTbl : public detail::TableDirector<2, 16> {
public:
    constexpr ThirteenSegBinStateTbl() : TableDirector(detail::kThirteenSegmentRows) {}
};

// The one instance of each table, constant-initialised, so it exists before and after every
// glyph that points at it.
inline const SevenSegTbl sevenSegTbl;
inline const SingleSegTbl singleSegTbl;
inline const FourSegBinStateTbl fourSegBinStateTbl;
inline const ThirteenSegBinStateTbl thirteenSegBinStateTbl;

} // namespace kiln
