#pragma once
// An LED has a fixed number of numbered states (0 to StateCount() - 1), one current state, a
// position, and a figure that shows the current state. It never draws by itself: after
// changing the state its user draws the figure that Figure() returns, which always stands at
// the LED's position.

#include "kiln/Graphics/FigureBase.h"

namespace kiln {

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

private:
    int m_left;
    int m_top;
};

} // namespace kiln
