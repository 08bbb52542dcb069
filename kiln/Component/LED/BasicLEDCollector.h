#pragma once
// A collector with a row figure of its own, at (0, 0) and empty (base size 0 × 0) at first.
// Every LED in it shows a scalable figure.
//
// Adding a member to a scalable group makes the group's current geometry its base geometry.
// Add and Remove therefore shrink the row to its base size first, so that the glyphs already
// in it keep their exact base geometry, and stretch it back afterwards; Insert and Detach
// change the row at whatever size it has.

#include "kiln/Component/LED.h"
#include "platform/core/Assert.h"
#include "platform/graphics/TRect.h"

namespace kiln {

template <class Base, class RowFigure> class BasicLED_Collector : public Base {
public:
    BasicLED_Collector() : Base(0, 0) {}

    void Add(LED* led) override {
        Base::Add(led);
        AtBaseSize([&] { m_row.AddChild(ScalableFigureOf(led)); });
    }
    void Remove(LED* led) override {
        Base::Remove(led);
        AtBaseSize([&] { m_row.RemoveChild(ScalableFigureOf(led)); });
    }
    void Insert(LED* led, int index) override {
        Base::Insert(led, index);
        m_row.AddChild(ScalableFigureOf(led));
    }
    LED* Detach(int index) override {
        LED* led = Base::Detach(index);
        m_row.RemoveChild(ScalableFigureOf(led));
        return led;
    }

    RowFigure& Figure() override {
        Base::Figure();
        return m_row;
    }

    void SetOriginalWidth(int width) override {
        m_row.SetOriginalBounds(TRect(m_row.Left(), m_row.Top(), m_row.Left() + width,
                                      m_row.Top() + m_row.OriginalHeight()));
    }
    void SetOriginalHeight(int height) override {
        m_row.SetOriginalBounds(TRect(m_row.Left(), m_row.Top(),
                                      m_row.Left() + m_row.OriginalWidth(), m_row.Top() + height));
    }

protected:
    RowFigure& GetFigure() override { return m_row; }

private:
    template <class Change> void AtBaseSize(Change change) {
        const int width = m_row.Width(), height = m_row.Height();
        m_row.Resize(m_row.OriginalWidth(), m_row.OriginalHeight());
        change();
        m_row.Resize(width, height);
    }

    static ScalableFigure* ScalableFigureOf(LED* led) {
        auto* figure = dynamic_cast<ScalableFigure*>(&led->Figure());
        HUSHWAVE_ASSERT(figure != nullptr);
        return figure;
    }

    RowFigure m_row;
};

} // namespace kiln
