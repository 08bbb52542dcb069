#include "platform/controls/TLabel.h"

#include "platform/gdi/Gdi.h"
#include "platform/graphics/TCanvas.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(ControlStyle() << csOpaque << csReplicatable);
    SetBounds(Left(), Top(), 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (Value != FAlignment) {
        FAlignment = Value;
        Invalidate();
    }
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (Value != FLayout) {
        FLayout = Value;
        Invalidate();
    }
}

void TCustomLabel::SetAutoSize(bool Value) {
    if (Value != FAutoSize) {
        FAutoSize = Value;
        AdjustBounds();
    }
}

void TCustomLabel::SetTransparent(bool Value) {
    if (Value != FTransparent) {
        FTransparent = Value;
        TControlStyle style = ControlStyle();
        SetControlStyle(Value ? style >> csOpaque : style << csOpaque);
        Invalidate();
    }
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (Value != FWordWrap) {
        FWordWrap = Value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (Value != FShowAccelChar) {
        FShowAccelChar = Value;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::TextChanged() {
    TGraphicControl::TextChanged();
    AdjustBounds();
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

UINT TCustomLabel::TextFlags() const {
    UINT flags = FWordWrap ? DT_WORDBREAK : 0;
    if (FAlignment == taCenter) {
        flags |= DT_CENTER;
    } else if (FAlignment == taRightJustify) {
        flags |= DT_RIGHT;
    }
    if (!FShowAccelChar) {
        flags |= DT_NOPREFIX;
    }
    return flags;
}

void TCustomLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) {
        return;
    }
    TCanvas measure;
    measure.SetFont(Font());
    RECT rect = ClientRect();
    // An empty caption still takes the height of a line.
    std::string text = Caption().empty() ? " " : Caption();
    DrawText(measure.Handle(), text.c_str(), -1, &rect, TextFlags() | DT_CALCRECT);
    int left = Left();
    if (FAlignment == taRightJustify) {
        left += Width() - rect.right;
    }
    SetBounds(left, Top(), rect.right, rect.bottom);
}

void TCustomLabel::Paint() {
    TCanvas* canvas = Canvas();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    RECT rect = ClientRect();
    UINT flags = TextFlags();
    if (FLayout != tlTop) {
        RECT measured = rect;
        DrawText(canvas->Handle(), Caption().c_str(), -1, &measured, flags | DT_CALCRECT);
        int offset = Height() - measured.bottom;
        rect.top += FLayout == tlBottom ? offset : offset / 2;
        rect.bottom += FLayout == tlBottom ? offset : offset / 2;
    }
    if (!Enabled()) {
        // The engraved look of disabled text: a light copy down and right, a shadow on top.
        RECT shifted{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas->Handle(), Caption().c_str(), -1, &shifted, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas->Handle(), Caption().c_str(), -1, &rect, flags);
}
