#include "platform/controls/TButton.h"

#include "platform/controls/Frame3D.h"
#include "platform/controls/TCustomForm.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 75, 25);
}

void TButton::Click() {
    if (FModalResult != mrNone) {
        for (TControl* up = Parent(); up != nullptr; up = up->Parent()) {
            if (auto* form = dynamic_cast<TCustomForm*>(up)) {
                form->SetModalResult(FModalResult);
                break;
            }
        }
    }
    TButtonControl::Click();
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FDown = true;
        Invalidate();
    }
    TButtonControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FDown) {
        FDown = false;
        Invalidate();
    }
    TButtonControl::MouseUp(Button, Shift, X, Y);
}

void TButton::PaintWindow(TCanvas& Canvas) {
    TRect rect = ClientRect();
    if (FDown) {
        Frame3D(Canvas, rect, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(Canvas, rect, clBtnShadow, clBtnFace, 1);
        rect = TRect(rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1);
    } else {
        Frame3D(Canvas, rect, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(Canvas, rect, clBtnFace, clBtnShadow, 1);
    }
    DrawCaption(Canvas, Caption(), Font(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
