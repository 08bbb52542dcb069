#include "kiln/Graphics/FigureBase.h"

#include "kiln/Graphics/Scaling.h"

#include <iterator>

namespace kiln {

Figure::~Figure() = default;

void BitmapFigure::Offset(int dx, int dy) {
    m_left += dx;
    m_top += dy;
}

void CompositeFigure::Draw() {
    for (Figure* figure : m_figures) {
        figure->Draw();
    }
}

void CompositeFigure::Erase() {
    for (Figure* figure : m_figures) {
        figure->Erase();
    }
}

void CompositeFigure::Offset(int dx, int dy) {
    for (Figure* figure : m_figures) {
        figure->Offset(dx, dy);
    }
    m_left += dx;
    m_top += dy;
}

int CompositeFigure::Remove(const Figure* figure) {
    int position = 0;
    for (auto it = m_figures.begin(); it != m_figures.end(); ++it, ++position) {
        if (*it == figure) {
            m_figures.erase(it);
            return position;
        }
    }
    return -1;
}

namespace {

// Members of a scalable group are added through AddChild only.
ScalableFigure& Scalable(Figure* member) {
    return *static_cast<ScalableFigure*>(member);
}

} // namespace

void CompositeScalableFig::Resize(int width, int height) {
    HUSHWAVE_ASSERT(m_originalWidth > 0 && m_originalHeight > 0);
    const float sx = m_scaleX = GroupFactor(width, m_originalWidth);
    const float sy = m_scaleY = GroupFactor(height, m_originalHeight);
    auto offset = m_offsets.begin();
    for (Figure* figure : m_group.Figures()) {
        ScalableFigure& member = Scalable(figure);
        const int dx = Left() + TruncScaled(offset->x, sx) - member.Left();
        const int dy = Top() + TruncScaled(offset->y, sy) - member.Top();
        const int w = TruncScaled(member.OriginalWidth(), sx);
        const int h = TruncScaled(member.OriginalHeight(), sy);
        member.Offset(dx, dy);
        member.Resize(w, h);
        ++offset;
    }
    m_group.SetBounds(TRect(Left(), Top(), Left() + width, Top() + height));
}

void CompositeScalableFig::Rebase() {
    m_offsets.clear();
    for (Figure* figure : m_group.Figures()) {
        ScalableFigure& member = Scalable(figure);
        member.Rebase();
        m_offsets.push_back(Point{member.Left() - Left(), member.Top() - Top()});
    }
    m_originalWidth = Width();
    m_originalHeight = Height();
    m_scaleX = m_scaleY = 1;
}

void CompositeScalableFig::AddChild(ScalableFigure* figure) {
    Rebase();
    m_group.Add(figure);
    m_offsets.push_back(Point{figure->Left() - Left(), figure->Top() - Top()});
}

void CompositeScalableFig::RemoveChild(const ScalableFigure* figure) {
    const int position = m_group.Remove(figure);
    if (position != -1) {
        m_offsets.erase(std::next(m_offsets.begin(), position));
    }
    Rebase();
}

void CompositeScalableFig::SetOriginalBounds(const TRect& rect) {
    m_originalWidth = rect.right - rect.left;
    m_originalHeight = rect.bottom - rect.top;
    const int right = Left() + Width();
    const int bottom = Top() + Height();
    m_group.SetBounds(TRect(rect.left, rect.top, right, bottom));
    m_scaleX = m_originalWidth > 0 ? GroupFactor(Width(), m_originalWidth) : 1;
    m_scaleY = m_originalHeight > 0 ? GroupFactor(Height(), m_originalHeight) : 1;
}

int CompositeScalableFig::GridX(int baseOffset) const {
    return Left() + TruncScaled(baseOffset, m_scaleX);
}

int CompositeScalableFig::GridY(int baseOffset) const {
    return Top() + TruncScaled(baseOffset, m_scaleY);
}

} // namespace kiln
