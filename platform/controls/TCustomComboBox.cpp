#include "platform/controls/TCustomComboBox.h"

#include "platform/controls/Frame3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"
#include "platform/window/InputCodes.h"
#include "platform/window/WindowSystem.h"

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 145, 21);
}

void TCustomComboBox::SetItems(const std::vector<std::string>& Value) {
    FItems = Value;
    if (FItemIndex >= static_cast<int>(FItems.size())) {
        FItemIndex = -1;
    }
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int Value) {
    if (Value < 0 || Value >= static_cast<int>(FItems.size())) {
        Value = -1;
    }
    FItemIndex = Value;
    if (Value >= 0) {
        SetText(FItems[static_cast<size_t>(Value)]);
    }
    Invalidate();
}

void TCustomComboBox::Select(int Index) {
    if (Index != FItemIndex) {
        SetItemIndex(Index);
        if (OnChange) {
            OnChange(this);
        }
    }
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused()) {
        SetFocus();
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !FItems.empty()) {
        std::vector<PopupMenuEntry> entries;
        for (const std::string& item : FItems) {
            entries.push_back(PopupMenuEntry{item, true, true, false});
        }
        POINT below = ClientToScreen(POINT{0, Height()});
        int chosen = CurrentWindowSystem().TrackPopupMenu(entries, below);
        if (chosen >= 0 && chosen < static_cast<int>(FItems.size())) {
            Select(chosen);
        }
    }
}

void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == VK_DOWN && FItemIndex + 1 < static_cast<int>(FItems.size())) {
        Select(FItemIndex + 1);
    } else if (Key == VK_UP && FItemIndex > 0) {
        Select(FItemIndex - 1);
    }
}

void TCustomComboBox::PaintWindow(TCanvas& Canvas) {
    TRect rect = ClientRect();
    Frame3D(Canvas, rect, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, rect, cl3DDkShadow, cl3DLight, 1);
    int side = rect.Height();
    TRect button(rect.right - side, rect.top, rect.right, rect.bottom);
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(button);
    // The arrow: a small triangle pointing down.
    Canvas.Pen()->SetColor(clBtnText);
    int middle = (button.left + button.right) / 2;
    int top = (button.top + button.bottom) / 2 - 1;
    for (int row = 0; row < 4; ++row) {
        Canvas.MoveTo(middle - 3 + row, top + row);
        Canvas.LineTo(middle + 4 - row, top + row);
    }
    TRect text(rect.left + 2, rect.top, button.left, rect.bottom);
    DrawCaption(Canvas, Text(), Font(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
