#include "platform/controls/TCustomPanel.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace {

void DrawBevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel, int width) {
    if (bevel == bvNone) {
        return;
    }
    TColor top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    TColor bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    if (bevel == bvSpace) {
        top = bottom = clBtnFace;
    }
    Frame3D(canvas, rect, top, bottom, width);
}

} // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls << csOpaque);
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (Value != FAlignment) {
        FAlignment = Value;
        Invalidate();
    }
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (Value != FBevelInner) {
        FBevelInner = Value;
        Invalidate();
    }
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (Value != FBevelOuter) {
        FBevelOuter = Value;
        Invalidate();
    }
}

void TCustomPanel::SetBevelWidth(int Value) {
    Value = std::max(Value, 1);
    if (Value != FBevelWidth) {
        FBevelWidth = Value;
        Invalidate();
    }
}

void TCustomPanel::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value != FBorderWidth) {
        FBorderWidth = Value;
        Invalidate();
    }
}

void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    DrawBevel(canvas, rect, FBevelOuter, FBevelWidth);
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    DrawBevel(canvas, rect, FBevelInner, FBevelWidth);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    format |= FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : 0;
    DrawCaption(canvas, Caption(), Font(), rect, format);
}
