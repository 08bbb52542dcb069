#include "platform/graphics/SpanSet.h"

#include <algorithm>

SpanSet::SpanSet(int top, int bottom)
    : m_top(top), m_rows(size_t(std::max(0, bottom - top))), m_merged(m_rows.size(), true) {}

void SpanSet::Add(int y, int left, int right) {
    if (left >= right || y < m_top || y >= Bottom()) {
        return;
    }
    size_t row = size_t(y - m_top);
    m_rows[row].push_back({left, right});
    m_merged[row] = m_rows[row].size() == 1;
}

const std::vector<Span>& SpanSet::Row(int y) const {
    static const std::vector<Span> none;
    if (y < m_top || y >= Bottom()) {
        return none;
    }
    size_t row = size_t(y - m_top);
    std::vector<Span>& spans = m_rows[row];
    if (!m_merged[row]) {
        std::sort(spans.begin(), spans.end(),
                  [](const Span& a, const Span& b) { return a.left < b.left; });
        size_t out = 0;
        for (size_t i = 1; i < spans.size(); ++i) {
            if (spans[i].left <= spans[out].right) {
                spans[out].right = std::max(spans[out].right, spans[i].right);
            } else {
                spans[++out] = spans[i];
            }
        }
        spans.resize(out + 1);
        m_merged[row] = true;
    }
    return spans;
}
