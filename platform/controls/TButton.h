#pragma once
// A push button. Clicking it gives its form its ModalResult, when it has one.

#include "platform/controls/TButtonControl.h"

class TButton : public TButtonControl {
public:
    HUSHWAVE_CLASS_NAME(TButton)

    explicit TButton(TComponent* AOwner);

    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    void Click() override;

protected:
    void PaintWindow(TCanvas& Canvas) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TModalResult FModalResult = mrNone;
    bool FDown = false;
};
