#include "kiln/Graphics/FigureBase.h"

namespace kiln {

Figure::~Figure() = default;

void BitmapFigure::Offset(int dx, int dy) {
    m_left += dx;
    m_top += dy;
}

} // namespace kiln
