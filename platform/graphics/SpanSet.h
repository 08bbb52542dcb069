#pragma once
// The pixels a primitive covers, kept as sorted, disjoint horizontal spans per row, so that a
// pixel is painted once however many parts of the primitive touch it (which matters for
// operations such as XOR). Rows outside the band given at construction are dropped: callers
// pass the clip's rows, so no primitive costs more than the visible area.

#include "platform/kernel/Types.h"

#include <cstdint>
#include <vector>

struct Span {
    int left;  // first pixel
    int right; // one past the last pixel
};

class SpanSet {
public:
    SpanSet(int top, int bottom);

    int Top() const { return m_top; }
    int Bottom() const { return m_top + int(m_rows.size()); }
    // Adds the pixels left <= x < right of row y; empty spans and rows outside are ignored.
    void Add(int y, int left, int right);
    // The row's spans, sorted and merged.
    const std::vector<Span>& Row(int y) const;

private:
    int m_top;
    mutable std::vector<std::vector<Span>> m_rows;
    mutable std::vector<bool> m_merged;
};
