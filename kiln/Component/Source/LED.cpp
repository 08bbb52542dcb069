#include "kiln/Component/LED.h"

namespace kiln {

LED::LED(int left, int top) : m_left(left), m_top(top) {}

LED::~LED() = default;

kiln::Figure& LED::Figure() {
    kiln::Figure& figure = GetFigure();
    if (figure.Left() != m_left || figure.Top() != m_top) {
        figure.Offset(m_left - figure.Left(), m_top - figure.Top());
    }
    return figure;
}

int LED::Width() {
    return GetFigure().Width();
}

int LED::Height() {
    return GetFigure().Height();
}

} // namespace kiln
