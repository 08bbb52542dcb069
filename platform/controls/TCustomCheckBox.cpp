#include "platform/controls/TCustomCheckBox.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(Left(), Top(), 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
    if (Value != FState) {
        FState = Value;
        Invalidate();
    }
}

TCheckBoxState NextCheckBoxState(TCheckBoxState State, bool AllowGrayed) {
    switch (State) {
    case cbUnchecked:
        return AllowGrayed ? cbGrayed : cbChecked;
    case cbGrayed:
        return cbChecked;
    case cbChecked:
        break;
    }
    return cbUnchecked;
}

void TCustomCheckBox::Click() {
    SetState(NextCheckBoxState(FState, FAllowGrayed));
    TButtonControl::Click();
}

void TCustomCheckBox::PaintWindow(TCanvas& Canvas) {
    constexpr int kBox = 13;
    int top = (Height() - kBox) / 2;
    TRect box(0, top, kBox, top + kBox);
    Frame3D(Canvas, box, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, box, cl3DDkShadow, cl3DLight, 1);
    Canvas.Brush()->SetColor(FState == cbGrayed ? clBtnFace : clWindow);
    Canvas.FillRect(box);
    if (FState != cbUnchecked) {
        // A tick of three short strokes, as the classic check mark is drawn.
        Canvas.Pen()->SetColor(FState == cbGrayed ? clBtnShadow : clWindowText);
        for (int stroke = 0; stroke < 3; ++stroke) {
            Canvas.MoveTo(box.left + 1, box.top + 3 + stroke);
            Canvas.LineTo(box.left + 3, box.top + 5 + stroke);
            Canvas.LineTo(box.left + 8, box.top + stroke);
        }
    }
    TRect text(kBox + 4, 0, Width(), Height());
    DrawCaption(Canvas, Caption(), Font(), text, DT_SINGLELINE | DT_VCENTER);
}
