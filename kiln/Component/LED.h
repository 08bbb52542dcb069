#pragma once
// An LED has a fixed number of numbered states (0 to StateCount() - 1), one current state, a
// position, and a figure that shows the current state. It never draws by itself: after
// changing the state its user draws the figure that Figure() returns, which always stands at
// the LED's position.
//
// Scalable LEDs show scalable figures and report their base size; a composite scalable LED is
// one glyph, a group of segment LEDs switched together by a segment table. Collectors hold a
// row of LEDs in display order, address them by index, and keep one figure of the whole row.

#include "kiln/Graphics/FigureBase.h"
#include "platform/core/Assert.h"

#include <cstddef>
#include <list>
#include <memory>
#include <vector>

namespace kiln {

class LED_Director;

class LED {
public:
    LED(int left, int top);
    virtual ~LED();

    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    // Makes the state the current one and brings the figure up to date; draws nothing.
    virtual void SetState(int state) = 0;
    // Brings the figure up to date again, after the current state's appearance changed.
    virtual void Update() = 0;
    // The figure, moved to the LED's position first when it stands elsewhere.
    virtual kiln::Figure& Figure();
    virtual int Width();
    virtual int Height();

protected:
    // The figure where it stands, not moved.
    virtual kiln::Figure& GetFigure() = 0;

    // Where the figure is placed from the next Figure() on; nothing moves now.
    void SetLeft(int x) { m_left = x; }
    void SetTop(int y) { m_top = y; }

private:
    int m_left;
    int m_top;
};

// An LED whose figure is scalable. Its width and height are the figure's base size, whatever
// size the figure is currently drawn at.
class ScalableLED : public LED {
public:
    using LED::LED;
    using LED::SetLeft;
    using LED::SetTop;

    kiln::ScalableFigure& Figure() override {
        LED::Figure();
        return GetFigure();
    }
    int Width() override { return GetFigure().OriginalWidth(); }
    int Height() override { return GetFigure().OriginalHeight(); }

protected:
    kiln::ScalableFigure& GetFigure() override = 0;
};

// One glyph: segment LEDs, numbered in the order they were added, whose states the director's
// table sets from the glyph's state. The glyph owns its segments; its figure groups theirs,
// starting at (0, 0) with the size of the box it was built with.
class CompositeScalableLED : public ScalableLED {
public:
    CompositeScalableLED(int left, int top, int right, int bottom, const LED_Director* director);
    ~CompositeScalableLED() override;
    CompositeScalableLED(const CompositeScalableLED&) = delete;
    CompositeScalableLED& operator=(const CompositeScalableLED&) = delete;

    int StateCount() const override;
    int State() const override { return m_state; }
    // Setting the current state again changes nothing.
    void SetState(int state) override;
    void Update() override;

    void AddLED(std::unique_ptr<ScalableLED> segment);
    const std::list<std::unique_ptr<ScalableLED>>& Segments() const { return m_segments; }

    kiln::CompositeScalableFig& Figure() override {
        LED::Figure();
        return m_figure;
    }
    // The figure where it stands, not moved: the grid its segments are placed on.
    const kiln::CompositeScalableFig& FigureInPlace() const { return m_figure; }

protected:
    kiln::CompositeScalableFig& GetFigure() override { return m_figure; }

private:
    int m_state = -1;
    std::list<std::unique_ptr<ScalableLED>> m_segments;
    CompositeScalableFig m_figure;
    const LED_Director* m_director;
};

// A row of LEDs it does not own, in display order.
class LED_Collector {
public:
    LED_Collector(int left, int top) : m_left(left), m_top(top) {}
    virtual ~LED_Collector();

    virtual void Add(LED* led) { m_LEDs.push_back(led); }
    // The first occurrence; nothing when the LED is not in the row.
    virtual void Remove(LED* led);
    // Before position index; index = LEDCount() appends.
    virtual void Insert(LED* led, int index) {
        HUSHWAVE_ASSERT(index >= 0);
        HUSHWAVE_ASSERT(index <= LEDCount());
        m_LEDs.insert(m_LEDs.begin() + index, led);
    }
    // Takes the LED at index out of the row and hands it back.
    virtual LED* Detach(int index) {
        HUSHWAVE_ASSERT(index >= 0);
        HUSHWAVE_ASSERT(index < LEDCount());
        LED* led = m_LEDs[std::size_t(index)];
        m_LEDs.erase(m_LEDs.begin() + index);
        return led;
    }
    virtual int Width() { return GetFigure().Width(); }
    virtual int Height() { return GetFigure().Height(); }
    // The row's figure, moved to the collector's position first when it stands elsewhere.
    virtual kiln::Figure& Figure();

    int LEDCount() const { return int(m_LEDs.size()); }
    int LEDStateCount(std::size_t indexOfLED) const {
        HUSHWAVE_ASSERT(indexOfLED < m_LEDs.size());
        return m_LEDs[indexOfLED]->StateCount();
    }
    void SetLEDState(std::size_t indexOfLED, int state) {
        HUSHWAVE_ASSERT(indexOfLED < m_LEDs.size());
        m_LEDs[indexOfLED]->SetState(state);
    }
    void UpdateAll();

protected:
    virtual kiln::Figure& GetFigure() = 0;

private:
    int m_left;
    int m_top;
    std::vector<LED*> m_LEDs;
};

// A collector whose row figure scales; its width and height are the row's base size.
class ScalableLED_Collector : public LED_Collector {
public:
    using LED_Collector::LED_Collector;

    int Width() override { return GetFigure().OriginalWidth(); }
    int Height() override { return GetFigure().OriginalHeight(); }
    kiln::ScalableFigure& Figure() override {
        LED_Collector::Figure();
        return GetFigure();
    }

    virtual void SetOriginalWidth(int width) = 0;
    virtual void SetOriginalHeight(int height) = 0;

protected:
    kiln::ScalableFigure& GetFigure() override = 0;
};

} // namespace kiln
