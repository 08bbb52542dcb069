#pragma once
// The canvas of a control. While the control's window is composed it draws where the
// composition points it; at any other time it draws straight onto the surface of the
// control's top-level window, at the control's place and within its rectangle, and what it
// drew is handed to the window system before the drawing call returns. It lasts until the
// next repaint of that area. A windowed control with a window region draws only inside it:
// what a drawing call put outside the region is taken back before the pixels are presented.

#include "platform/gdi/GdiObjects.h"
#include "platform/graphics/TCanvas.h"

#include <cstdint>
#include <optional>
#include <vector>

class TControl;

class TControlCanvas : public TCanvas {
public:
    HUSHWAVE_CLASS_NAME(TControlCanvas)

    explicit TControlCanvas(TControl& Control) : FControl(Control) {}

    // Points the canvas at a paint target for as long as it lives; however painting ends, an
    // exception included, the canvas draws on the window again afterwards.
    class PaintScope {
    public:
        PaintScope(TControlCanvas& Canvas, const DrawingTarget& PaintTarget) : FCanvas(Canvas) {
            FCanvas.FPaintTarget = PaintTarget;
            FCanvas.ForgetCutAway();
        }
        ~PaintScope() { FCanvas.FPaintTarget.reset(); }
        PaintScope(const PaintScope&) = delete;
        PaintScope& operator=(const PaintScope&) = delete;

    private:
        TControlCanvas& FCanvas;
    };

    bool Painting() const { return FPaintTarget.has_value(); }

protected:
    DrawingTarget Target() override;
    void Changing() override;
    void Changed() override;

private:
    // The control's rectangle on its top-level window, and that window's surface.
    DrawingTarget WindowTarget() const;
    // The part of the window target that the control's window region cuts away, in the
    // surface's coordinates; empty for a control without one.
    std::vector<RECT> CutAway(const DrawingTarget& Target) const;
    void ForgetCutAway();

    TControl& FControl;
    std::optional<DrawingTarget> FPaintTarget;
    // The pixels under the cut-away part from before the drawing call.
    Surface* FCutAwaySurface = nullptr;
    std::vector<RECT> FCutAway;
    std::vector<uint32_t> FUnderCutAway;
};
