#include "platform/controls/TGraphicControl.h"

#include "platform/controls/PaintContext.h"
#include "platform/controls/TControlCanvas.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const {
    return FCanvas.get();
}

void TGraphicControl::Paint() {}

void TGraphicControl::PaintIn(const PaintContext& Context) {
    PaintConfined(Context, [&](const DrawingTarget& target) {
        TControlCanvas::PaintScope painting(*FCanvas, target);
        Paint();
    });
}
