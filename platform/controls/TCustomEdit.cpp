#include "platform/controls/TCustomEdit.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 121, 21);
}

void TCustomEdit::KeyPress(char& Key) {
    TWinControl::KeyPress(Key);
    if (FReadOnly || Key == 0) {
        return;
    }
    std::string text = Text();
    if (Key == '\b') {
        // Back over one whole UTF-8 character.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
            text.pop_back();
        }
        if (!text.empty()) {
            text.pop_back();
        }
    } else if (Key == '\r' && TakesReturns()) {
        text += "\r\n";
    } else if (static_cast<unsigned char>(Key) >= 0x20) {
        text += Key;
    } else {
        return;
    }
    if (FMaxLength > 0 && static_cast<int>(text.size()) > FMaxLength) {
        return;
    }
    SetText(text);
}

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused()) {
        SetFocus();
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::TextChanged() {
    TWinControl::TextChanged();
    if (OnChange) {
        OnChange(this);
    }
}

unsigned TCustomEdit::TextFormat() const {
    return DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
}

void TCustomEdit::PaintWindow(TCanvas& Canvas) {
    TRect rect = ClientRect();
    Frame3D(Canvas, rect, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, rect, cl3DDkShadow, cl3DLight, 1);
    rect.left += 1;
    DrawCaption(Canvas, Text(), Font(), rect, TextFormat());
}
