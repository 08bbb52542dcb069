#include "platform/controls/TCustomGroupBox.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() << csAcceptsControls);
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 185, 105);
}

TRect TCustomGroupBox::FrameInterior() const {
    TCanvas measure;
    measure.SetFont(Font());
    int textHeight = measure.TextHeight("0");
    return TRect(2, textHeight + 2, Width() - 2, Height() - 2);
}

void TCustomGroupBox::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    int textHeight = canvas.TextHeight("0");
    TRect frame(0, textHeight / 2, Width(), Height());
    TRect inner = frame;
    Frame3D(canvas, inner, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, inner, clBtnHighlight, clBtnShadow, 1);
    if (!Caption().empty()) {
        TRect text(8, 0, 8 + canvas.TextWidth(Caption()) + 4, textHeight);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(text);
        text.left += 2;
        DrawCaption(canvas, Caption(), Font(), text, DT_SINGLELINE);
    }
}
