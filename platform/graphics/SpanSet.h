#pragma once
// The pixels a primitive covers, kept as horizontal spans, so that a pixel is painted once
// however many parts of the primitive touch it (which matters for operations such as XOR).
// Spans outside the band of rows given at construction are dropped: callers pass the clip's
// rows, so no primitive costs more than the visible area.

#include <utility>
#include <vector>

struct RowSpan {
    int y;
    int left;  // first pixel
    int right; // one past the last pixel
};

class SpanSet {
public:
    SpanSet(int top, int bottom) : m_top(top), m_bottom(bottom) {}
    explicit SpanSet(std::pair<int, int> rows) : SpanSet(rows.first, rows.second) {}

    int Top() const { return m_top; }
    int Bottom() const { return m_bottom; }
    // Adds the pixels left <= x < right of row y; empty spans and rows outside are ignored.
    void Add(int y, int left, int right);
    // The spans sorted by row, then from the left, merged so that none overlap or touch.
    const std::vector<RowSpan>& Merged() const;

private:
    int m_top;
    int m_bottom;
    mutable std::vector<RowSpan> m_spans;
    mutable bool m_merged = true;
};
