#include "kiln/Component/LED.h"

#include "kiln/Component/LED/LEDDirector.h"

#include <algorithm>

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

CompositeScalableLED::CompositeScalableLED(int left, int top, int right, int bottom,
                                           const LED_Director* director)
    : ScalableLED(left, top), m_figure(0, 0, right - left, bottom - top), m_director(director) {}

CompositeScalableLED::~CompositeScalableLED() = default;

int CompositeScalableLED::StateCount() const {
    return m_director->StateCount();
}

void CompositeScalableLED::SetState(int state) {
    HUSHWAVE_ASSERT(state >= 0 && state < StateCount());
    if (state == m_state) {
        return;
    }
    m_state = state;
    int index = 0;
    for (const std::unique_ptr<ScalableLED>& segment : m_segments) {
        segment->SetState(m_director->Value(state, index++));
    }
}

void CompositeScalableLED::Update() {
    for (const std::unique_ptr<ScalableLED>& segment : m_segments) {
        segment->Update();
    }
}

void CompositeScalableLED::AddLED(std::unique_ptr<ScalableLED> segment) {
    m_figure.AddChild(&segment->Figure());
    m_segments.push_back(std::move(segment));
}

LED_Collector::~LED_Collector() = default;

void LED_Collector::Remove(LED* led) {
    auto it = std::find(m_LEDs.begin(), m_LEDs.end(), led);
    if (it != m_LEDs.end()) {
        m_LEDs.erase(it);
    }
}

kiln::Figure& LED_Collector::Figure() {
    kiln::Figure& figure = GetFigure();
    if (figure.Left() != m_left || figure.Top() != m_top) {
        figure.Offset(m_left - figure.Left(), m_top - figure.Top());
    }
    return figure;
}

void LED_Collector::UpdateAll() {
    for (LED* led : m_LEDs) {
        led->Update();
    }
}

} // namespace kiln
