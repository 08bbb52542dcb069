#pragma once
// A control without a window of its own: it paints on its parent's window, in its rectangle,
// through its Canvas.

#include "platform/controls/TControl.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
public:
    HUSHWAVE_CLASS_NAME(TGraphicControl)

    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const;

protected:
    // Draws the control on Canvas, in client coordinates.
    virtual void Paint();
    void PaintIn(const PaintContext& Context) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
