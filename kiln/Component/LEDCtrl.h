#pragma once
// An LED shown in a control: which of its states is shown, and where its image stands in the
// control.

namespace kiln {

class LEDCtrl {
public:
    virtual ~LEDCtrl() = default;

    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    // Shows the state; nothing happens when it is shown already.
    virtual void SetState(int state) = 0;
    // Paints the shown state again from its bitmap and refreshes the image.
    virtual void Redraw() = 0;
    // Moves the image inside its parent.
    virtual void Offset(int dx, int dy) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    // The size of the bitmap the image draws into.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

} // namespace kiln
