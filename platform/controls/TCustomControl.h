#pragma once
// A windowed control that draws itself: after its background is erased it paints on its
// Canvas in Paint.

#include "platform/controls/TWinControl.h"

class TCanvas;

class TCustomControl : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomControl)

    using TWinControl::TWinControl;

    TCanvas* Canvas();

protected:
    virtual void Paint();
    void PaintWindow(TCanvas& Canvas) override;
};
