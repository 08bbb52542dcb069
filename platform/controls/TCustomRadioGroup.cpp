#include "platform/controls/TCustomRadioGroup.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner) {
    SetTabStop(true);
}

void TCustomRadioGroup::SetItems(const std::vector<std::string>& Value) {
    FItems = Value;
    if (FItemIndex >= static_cast<int>(FItems.size())) {
        FItemIndex = -1;
    }
    Invalidate();
}

void TCustomRadioGroup::SetItemIndex(int Value) {
    if (Value < 0 || Value >= static_cast<int>(FItems.size())) {
        Value = -1;
    }
    if (Value != FItemIndex) {
        FItemIndex = Value;
        Invalidate();
    }
}

void TCustomRadioGroup::SetColumns(int Value) {
    Value = std::clamp(Value, 1, 16);
    if (Value != FColumns) {
        FColumns = Value;
        Invalidate();
    }
}

TRect TCustomRadioGroup::ItemRect(int Index) const {
    TRect inner = FrameInterior();
    int count = static_cast<int>(FItems.size());
    int rows = (count + FColumns - 1) / FColumns;
    int column = Index / std::max(rows, 1);
    int row = Index % std::max(rows, 1);
    int width = inner.Width() / FColumns;
    int height = rows > 0 ? inner.Height() / rows : 0;
    return TRect(inner.left + column * width, inner.top + row * height,
                 inner.left + (column + 1) * width, inner.top + (row + 1) * height);
}

void TCustomRadioGroup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused()) {
        SetFocus();
    }
    if (Button == mbLeft) {
        for (int i = 0; i < static_cast<int>(FItems.size()); ++i) {
            TRect r = ItemRect(i);
            if (X >= r.left && X < r.right && Y >= r.top && Y < r.bottom) {
                SetItemIndex(i);
                break;
            }
        }
    }
    TCustomGroupBox::MouseDown(Button, Shift, X, Y);
}

void TCustomRadioGroup::Paint() {
    TCustomGroupBox::Paint();
    TCanvas& canvas = *Canvas();
    constexpr int kCircle = 12;
    for (int i = 0; i < static_cast<int>(FItems.size()); ++i) {
        TRect r = ItemRect(i);
        int top = r.top + (r.Height() - kCircle) / 2;
        canvas.Pen()->SetColor(clBtnShadow);
        canvas.Brush()->SetColor(clWindow);
        canvas.Ellipse(r.left + 6, top, r.left + 6 + kCircle, top + kCircle);
        if (i == FItemIndex) {
            canvas.Pen()->SetColor(clWindowText);
            canvas.Brush()->SetColor(clWindowText);
            canvas.Ellipse(r.left + 10, top + 4, r.left + 14, top + 8);
        }
        TRect text(r.left + 6 + kCircle + 4, r.top, r.right, r.bottom);
        DrawCaption(canvas, FItems[static_cast<size_t>(i)], Font(), text,
                    DT_SINGLELINE | DT_VCENTER);
    }
}
