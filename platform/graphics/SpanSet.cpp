#include "platform/graphics/SpanSet.h"

#include <algorithm>

void SpanSet::Add(int y, int left, int right) {
    if (left >= right || y < m_top || y >= m_bottom) {
        return;
    }
    // Lines add their pixels one by one; a pixel next to the last span extends it.
    if (!m_spans.empty()) {
        RowSpan& last = m_spans.back();
        if (last.y == y && left <= last.right && right >= last.left) {
            last.left = std::min(last.left, left);
            last.right = std::max(last.right, right);
            return;
        }
        if (last.y > y || (last.y == y && left < last.left)) {
            m_merged = false;
        }
    }
    m_spans.push_back({y, left, right});
}

const std::vector<RowSpan>& SpanSet::Merged() const {
    if (m_merged) {
        bool disjoint = true;
        for (size_t i = 1; i < m_spans.size() && disjoint; ++i) {
            disjoint = m_spans[i].y != m_spans[i - 1].y || m_spans[i].left > m_spans[i - 1].right;
        }
        if (disjoint) {
            return m_spans;
        }
    }
    std::sort(m_spans.begin(), m_spans.end(), [](const RowSpan& a, const RowSpan& b) {
        return a.y != b.y ? a.y < b.y : a.left < b.left;
    });
    size_t out = 0;
    for (size_t i = 1; i < m_spans.size(); ++i) {
        RowSpan& kept = m_spans[out];
        if (m_spans[i].y == kept.y && m_spans[i].left <= kept.right) {
            kept.right = std::max(kept.right, m_spans[i].right);
        } else {
            m_spans[++out] = m_spans[i];
        }
    }
    if (!m_spans.empty()) {
        m_spans.resize(out + 1);
    }
    m_merged = true;
    return m_spans;
}
