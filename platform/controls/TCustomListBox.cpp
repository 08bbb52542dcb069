#include "platform/controls/TCustomListBox.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/window/InputCodes.h"

#include <algorithm>

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 121, 97);
}

void TCustomListBox::SetItems(const std::vector<std::string>& Value) {
    FItems = Value;
    if (FItemIndex >= static_cast<int>(FItems.size())) {
        FItemIndex = -1;
    }
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value) {
    if (Value < 0 || Value >= static_cast<int>(FItems.size())) {
        Value = -1;
    }
    if (Value != FItemIndex) {
        FItemIndex = Value;
        Invalidate();
    }
}

int TCustomListBox::ItemHeight() const {
    TCanvas measure;
    measure.SetFont(Font());
    return measure.TextHeight("Wg");
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused()) {
        SetFocus();
    }
    if (Button == mbLeft) {
        int index = (Y - 2) / std::max(ItemHeight(), 1);
        if (Y >= 2 && index < static_cast<int>(FItems.size())) {
            SetItemIndex(index);
        }
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == VK_DOWN && FItemIndex + 1 < static_cast<int>(FItems.size())) {
        SetItemIndex(FItemIndex + 1);
    } else if (Key == VK_UP && FItemIndex > 0) {
        SetItemIndex(FItemIndex - 1);
    }
}

void TCustomListBox::PaintWindow(TCanvas& Canvas) {
    TRect rect = ClientRect();
    Frame3D(Canvas, rect, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, rect, cl3DDkShadow, cl3DLight, 1);
    int height = ItemHeight();
    for (size_t i = 0; i < FItems.size(); ++i) {
        TRect line(rect.left, rect.top + int(i) * height, rect.right,
                   rect.top + int(i + 1) * height);
        if (line.top >= rect.bottom) {
            break;
        }
        bool selected = static_cast<int>(i) == FItemIndex;
        if (selected) {
            Canvas.Brush()->SetColor(clHighlight);
            Canvas.FillRect(line);
        }
        TFont font;
        font.Assign(Font());
        if (selected) {
            font.SetColor(clHighlightText);
        }
        line.left += 2;
        DrawCaption(Canvas, FItems[i], &font, line, DT_SINGLELINE | DT_NOPREFIX);
    }
}
