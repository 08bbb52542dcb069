#pragma once
// A single-line text box: it takes the focus when clicked, typed characters go to the end of
// its text and Backspace takes the last one away, unless it is ReadOnly. OnChange fires
// whenever the text changes.

#include "platform/controls/TWinControl.h"

class TCustomEdit : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomEdit)

    explicit TCustomEdit(TComponent* AOwner);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    // The most bytes typing may make the text; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int Value) { FMaxLength = Value; }

    TNotifyEvent OnChange;

protected:
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void TextChanged() override;
    void PaintWindow(TCanvas& Canvas) override;
    // Whether Enter starts a new line.
    virtual bool TakesReturns() const { return false; }
    virtual unsigned TextFormat() const;

private:
    bool FReadOnly = false;
    int FMaxLength = 0;
};

class TEdit : public TCustomEdit {
public:
    HUSHWAVE_CLASS_NAME(TEdit)
    using TCustomEdit::TCustomEdit;
};
