#include "platform/controls/TCustomControl.h"

#include "platform/controls/TControlCanvas.h"

TCanvas* TCustomControl::Canvas() {
    return &ControlCanvas();
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(TCanvas&) {
    Paint();
}
